// Teile des Berechnungslaufs (samt dem Textsammler der ANTEX-Dateien) und die Auswertung seiner
// Ergebnisse.
#include "evaluation/Auswertung.h"
#include "Pruefhilfen.h"
#include "evaluation/Ausgabe.h"
#include "evaluation/Logpruefung.h"
#include "evaluation/Qualitaet.h"
#include "hilfen/TestUmgebung.h"
#include "platform/Laufzeitfehler.h"
#include "run/Antex.h"
#include "run/Jobdatei.h"
#include "run/Lauf.h"
#include "run/Vorbereitung.h"
#include "station/clsString.h"

#include <algorithm>

TEST(AntexRumpf, SchneidetHinterDemErstenKopfende) {
    const std::pair<Text, Text> faelle[] = {
        {u"x END OF HEADER\r\nA\r\nEND OF HEADER\r\nB", u"\r\nA\r\n"},
        // Nur Leerzeichen werden entfernt, der Zeilenumbruch dahinter bleibt.
        {u"END OF HEADER    \r\nA  \r\n  ", u"\r\nA  \r\n"},
        {u"END OF HEADER", u""},
    };
    for (const auto& [inhalt, rumpf] : faelle)
        EXPECT_EQ(AntexRumpf(inhalt), rumpf) << NachUtf8(inhalt);
    for (const char16_t* inhalt : {u"", u"end of header\r\nA", u"END OF  HEADER"})
        EXPECT_THROW(AntexRumpf(inhalt), Laufzeitfehler) << NachUtf8(inhalt);
}

// Kurze und ungewöhnliche Namen gehen ohne Prüfung in die Kennungen ein.
TEST(Laufwerte, KennungenAusUngewoehnlichenNamen) {
    EXPECT_EQ(JahreskennungAus(u"o"), u"o");
    EXPECT_EQ(ReferenzkennungenAus({u" abc", u"ab.23o", u"cc"}), u"abc,ab.2,cc");
    EXPECT_EQ(ReferenzkennungenAus({u"x"}), u"x");
    EXPECT_EQ(DateistammAus(u" ohne punkt "), u"ohne punkt");
    EXPECT_EQ(TageskennungAus(u"  283*  "), u"283*");
    for (const char16_t* v : {u"1.5", u"", u"2 ", u"02"})
        EXPECT_FALSE(VersionUnterstuetzt(v)) << NachUtf8(v);
}

// Wächst auf das Doppelte plus das neue Stück, so kosten viele Stücke linear; angehängte
// Leerzeichen gehören zum Ergebnis, obwohl der Puffer mit Leerzeichen aufgefüllt ist.
TEST(clsString, WaechstAufDoppeltePlusStueckUndKostetLinear) {
    clsString s;
    s.Add(Text(100, u'a'));
    s.Add(u"ä ");
    EXPECT_EQ(s.Kapazitaet(), 202u);
    EXPECT_EQ(s.Result(), Text(100, u'a') + u"ä ");
    s.Reset();
    EXPECT_EQ(s.Result(), u"");

    Text erwartet;
    int wachstum = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::size_t vorher = s.Kapazitaet();
        s.Add(ZahlText(i) + u";");
        erwartet += ZahlText(i) + u";";
        wachstum += s.Kapazitaet() != vorher;
    }
    EXPECT_EQ(s.Result(), erwartet);
    EXPECT_LE(wachstum, 15);
}

TEST(Fehlervermerk, JedesVorkommenEinStueckOhneTrenner) {
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR: a\r\nFATAL ERROR:  b  \r\n"),
              u" * QEL FATAL ERROR: a b");
    EXPECT_EQ(FehlervermerkAusLog(u"fatal error: a\r\n"), u"");
    // Ein einzelnes LF bleibt im Stück, nur CR LF fällt weg.
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR:x\ny"), u" * QEL FATAL ERROR: x\ny");
}

TEST(Ergebniszeile, MarkenUndWarnungen) {
    const Grenzwerte standard{u"high", u"90", u"5", u"5", u"6"};
    const std::tuple<Text, Grenzwerte, Text, int> faelle[] = {
        // Qualität und Ambiguities verfehlt; die Groß-/Kleinschreibung des Qualitätsworts zählt.
        {u"np01 1 2 3 mittel 1 88 12 7.5 1.8", standard, u" * *", 2},
        // Jeder Test liest seine eigene Spalte: nur die Satelliten bzw. nur die Zeit verfehlt.
        {u"np01 1 2 3 high 1 95 12 4 1.8", standard, u" *", 1},
        {u"np01 1 2 3 high 1 95 4 12 1.8", standard, u" *", 1},
        // Werte gleich den Grenzen sind keine Warnung.
        {u"np01 1 2 3 high 1 90 5 5 6", standard, u"", 0},
        // Ein Unterstrich im Namen trennt eine Spalte ab: alle folgenden verschieben sich.
        {u"np_01 1 2 3 high 1 95 12 7.5 1.8", standard, u" * * *", 3},
        // "89,9" liest 89; Grenzwert ohne Zahl gilt als 0.
        {u"p 1 2 3 high 1 89,9 12 7 1", {u"high", u"89.5", u"x", u"5", u"6"}, u" *", 1},
    };
    for (const auto& [zeile, grenzen, marken, warnungen] : faelle) {
        Pruefergebnis e = ErgebniszeilePruefen(zeile, grenzen);
        Text erwartet = zeile + marken;
        std::replace(erwartet.begin(), erwartet.end(), u'_', u' ');
        EXPECT_EQ(e.punktzeile, erwartet);
        EXPECT_EQ(e.warnungen, warnungen) << NachUtf8(zeile);
    }
}

TEST(Hoehe, FeldZweiAmDoppelpunktRechtsbuendig) {
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 123.456"), u"123.456");
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 1:2"), u"1");
    EXPECT_EQ(RechtsBuendig8(u""), u"        ");
    EXPECT_EQ(RechtsBuendig8(u"1234.5678"), u"1234.5678");
}

namespace {

const std::string kKopf = "  Punkt RovN Y X h Qualitaet Typ Amb Zeit Sat PDOP\r\n";

class Punktauswertung : public ::testing::Test {
protected:
    void SetUp() override {
        form.lauf.Tageskennung = u"283*";
        env.InsArbeitsverzeichnis();
    }
    void Punkt(const char16_t* name, const char16_t* stamm) {
        form.lauf.AktuellerNeupunkt = name;
        form.lauf.Dateistamm = stamm;
    }
    std::string Datei(const std::string& name) { return BytesLesen(env.arbeit / name); }

    TestUmgebung env;
    Basisformular& form = env.Formular();
};

// Ellipsoidische Höhe: kein Kopfzusatz, keine Höhenspalte, ein Unterstrich im Namen trennt. Ein
// FATAL ERROR im Qel-Log wird vermerkt und das Log umbenannt.
TEST_F(Punktauswertung, EllipsoidischeHoeheUndQelFehler) {
    form.QelHöheEllips.Waehlen();
    Punkt(u"np_1283a.23o", u"np_1283a");
    env.Arbeitsdatei("_ergebnis_np_1283a_list.txt",
                     kKopf + "np_1 32500000.1 5600000.2 101.5 mittel 1 88 12 7.5 1.8\r\n");
    PunktAuswerten(form);
    EXPECT_EQ(Datei("_ergebnis_283.PYXZ"), "np 1 32500000.1 5600000.2\r\n");

    Punkt(u"np012830.23o", u"np012830");
    env.Arbeitsdatei("_ergebnis_np012830_list.txt", kKopf + "np01 1 2 3 high 1 95 12 7.5 1.8\r\n");
    env.Arbeitsdatei("qellog.txt", "FATAL ERROR: no reference station\r\nend\r\n");
    PunktAuswerten(form);
    EXPECT_EQ(Datei("_ergebnis_283.mini"),
              kKopf + "np 1 32500000.1 5600000.2 101.5 mittel 1 88 12 7.5 1.8 * * *\r\n" +
                  "np01 1 2 3 high 1 95 12 7.5 1.8 * QEL FATAL ERROR: no reference stationend\r\n");
    EXPECT_TRUE(std::filesystem::exists(env.arbeit / "_ergebnis_np012830_qelelog.txt"));
}

// Nur fehlende gleichzeitige Beobachtungen führen zum nächsten Punkt, und nur unter 30000
// Warnungen; sonst kommt der Fehlerbericht mit den Zeilen der Engine, und die Antennenschalter
// gehen.
TEST_F(Punktauswertung, FehlerpfadGehtNurOhneGleichzeitigeBeobachtungenWeiter) {
    Punkt(u"np032830.23o", u"np032830");
    env.Arbeitsdatei("np03.err", "  VEXLO-error: no simultaneous observations  \r\n  zweite  \r\n");
    // Vor dem ersten Punkt gehört die alte Fehlerdatei zu keinem Punkt: gemeldet, nicht vermerkt.
    EXPECT_FALSE(Fehlerpfad(form, Laufzeitfehler(58), false));
    EXPECT_EQ(form.zustand.Warnungsanzahl, 0);
    EXPECT_FALSE(std::filesystem::exists(env.arbeit / "_ergebnis_2830.info"));

    form.zustand.Warnungsanzahl = 29999;
    form.QelWeitereParameter.SetzeText(u"-e10 +A$$$$$.atx +A$$$$$.atx");
    form.zustand.AntexSammeldatei = u"$$$$$.atx";
    EXPECT_FALSE(Fehlerpfad(form, Laufzeitfehler(58), true));
    ASSERT_EQ(env.dialoge.protokoll.size(), 2u);
    EXPECT_EQ(env.dialoge.protokoll[1].meldung.text,
              u"Fehlerart: [Datei existiert bereits]!\n\nBitte alle Dateien schließen, "
              u"Daten bereinigen und die Berechnung neu starten!\n\nVexlo-Fehler:\n"
              u"VEXLO-error: no simultaneous observations\nzweite");
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");

    // Der Zähler hat sechzehn Bit.
    form.zustand.Warnungsanzahl = 32766;
    WarnungZaehlen(form);
    EXPECT_EQ(form.zustand.Warnungsanzahl, 32767);
    try {
        WarnungZaehlen(form);
        ADD_FAILURE() << "kein Überlauf";
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 6);
    }
}

// Ohne Warnungen entscheidet der Haken bei "Anzeige Ergebnis", mit Warnungen der bei "Anzeige
// Warnung", ob das Protokoll im Editor aufgeht.
TEST_F(Punktauswertung, AbschlussOeffnetDasProtokollNachDemPassendenHaken) {
    form.ErgebnisAnzeigen.SetzeWert(0);
    form.FehlerAnzeigen.SetzeWert(1);
    LaufAbschliessen(form);
    EXPECT_TRUE(env.prozesse.editor.empty());
    form.zustand.Warnungsanzahl = 2;
    LaufAbschliessen(form);
    EXPECT_EQ(env.prozesse.editor, std::vector<Text>{u"_ergebnis_283.mini"});
}

} // namespace
