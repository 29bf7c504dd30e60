// Das Arbeitsverzeichnis: Wahl, Einlesen der Beobachtungsdateien und ihre Zuordnung zu Referenz-
// und Neupunkten.
#include "Pruefhilfen.h"
#include "hilfen/RinexKopf.h"
#include "hilfen/TestUmgebung.h"
#include "station/Rinexscan.h"
#include "station/Tagespruefung.h"

#include <filesystem>
#include <numeric>

namespace fs = std::filesystem;

namespace {

using Namen = std::vector<Text>;

const std::string Sapos = RinexKopf("SAPOS", "LGLN");
const std::string Mueller = RinexKopf("MUELLER", "VERMESSUNGSBUERO");
const Text Warnung = u"Es sind nur maximal 5 Referenzstationen zulässig!";

// Legt leere Dateien an, macht das Arbeitsverzeichnis aktuell und liest es ein.
Basisformular& Einlesen(TestUmgebung& u, std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        u.Arbeitsdatei(name, "");
    u.InsArbeitsverzeichnis();
    u.Formular().ResetRINEX.Klicken();
    return u.Formular();
}

// Dasselbe mit a0001230.12o, b0001230.12o, ... und diesen Inhalten.
void Einlesen(TestUmgebung& u, const std::vector<std::string>& inhalte) {
    for (std::size_t i = 0; i < inhalte.size(); ++i)
        u.Arbeitsdatei(std::string(1, static_cast<char>('a' + i)) + "0001230.12o", inhalte[i]);
    Einlesen(u, {});
}

Text Meldungstext(const Text& d1, const Text& d2) {
    return u"Die Beobachtungstage " + d1 + u" und " + d2 +
           u" sind unterschiedlich!\nBitte bereinigen Sie Ihre Daten!";
}

void Doppelklick(Listenfeld& liste, int index) {
    liste.SetzeAuswahl(index);
    liste.beiDoppelklick();
}

Text Anzahlen(Basisformular& form) {
    return form.AnzahlReferenzpunkteRINEX.Caption() + u"|" + form.AnzahlNeupunkteRINEX.Caption();
}

class Zuordnung : public ::testing::Test {
protected:
    TestUmgebung u;
    Basisformular& form = u.Formular();
};
using Arbeitsverzeichnis = Zuordnung;

} // namespace

// Abbrechen ohne frühere Wahl schaltet nur den Knopf ab. Der Dialog beginnt beim Startargument; die
// Wahl setzt das Verzeichnis klein geschrieben und liest es neu ein, ein späteres Abbrechen liest
// es noch einmal ein und verwirft die Zuordnung.
TEST_F(Arbeitsverzeichnis, WahlUndAbbrechenLesenEin) {
    const fs::path ordner = u.laufwerkC / "Projekte" / "Tag2";
    BytesSchreiben(ordner / "abcd1230.12O", "");
    form.Neupunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    form.zustand.Startargument = u"c:\\daten\\tag1\\abcd1230.12o";
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"");
    EXPECT_EQ(form.Neupunkte.Eintraege(), Namen{u"alt10000.12o"});
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());

    u.dialoge.dateiantworten.push_back(AusUtf8((ordner / "abcd1230.12O").string()));
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(fs::path(NachUtf8(u.dialoge.dateiprotokoll.at(1).startverzeichnis)),
              u.arbeit / "abcd1230.12o");
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\projekte\\tag2\\");
    EXPECT_EQ(form.Neupunkte.Eintraege(), Namen{u"abcd1230.12O"});
    EXPECT_EQ(form.VerzeichnisNeupunkte.Wert(), u"c:\\...projekte\\tag2");

    form.Referenzpunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    BytesSchreiben(ordner / "ijkl1230.12o", "");
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.Neupunkte.Eintraege(), (Namen{u"abcd1230.12O", u"ijkl1230.12o"}));
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
}

TEST(Rinexscan, NimmtNurBeobachtungsdateienOhneVirtuelleStationen) {
    TestUmgebung u;
    std::filesystem::create_directories(u.arbeit / "ordner01.12o");
    Basisformular& form =
        Einlesen(u, {"efgh1230.12O", "abcd1230.12o", "virt1230.12o", "abcdvirt.12o", "mnopViRt.12O",
                     "abcd1230.12n", "abcd1230.12d", "liesmich.txt"});
    // Sortiert ohne Rücksicht auf Groß-/Kleinschreibung, Schreibweise wie im Verzeichnis.
    EXPECT_EQ(form.Neupunkte.Eintraege(), (Namen{u"abcd1230.12o", u"efgh1230.12O"}));
}

TEST(Rinexscan, ZweiterTagStelltDenZeitgeber) {
    struct Fall {
        std::initializer_list<const char*> namen;
        const char16_t* tag;
        bool gestellt;
    };
    for (const Fall& f : {Fall{{"abcd1230.12o", "efgh1240.12o"}, u"123*", true},
                          Fall{{"abcd1230.12o", "x.12o"}, u"123*", true},
                          Fall{{"ab.12o"}, u"2o*", false}, Fall{{"abcd1230.12n"}, u"*", false}}) {
        TestUmgebung u;
        Basisformular& form = Einlesen(u, f.namen);
        EXPECT_EQ(form.Beobachtungstag.Wert(), f.tag) << *(f.namen.end() - 1);
        EXPECT_EQ(form.TimerErrFormLoad.Aktiviert(), f.gestellt) << *(f.namen.end() - 1);
    }
}

// Ein Zeilenumbruch im Namen würde in der Stapeldatei ein eigener Befehl: die Datei fehlt in der
// Liste. Namen, die der Rechenkern nicht lesen kann, bleiben; ein Hinweis nennt beide Arten.
TEST(Rinexscan, UnsichereNamenFehlenUnlesbareWerdenGenannt) {
    TestUmgebung u;
    // "-rf2830.23o" hat einen anderen Tag: dessen Meldung darf erst nach dem Hinweis kommen.
    bool tagesmeldungGeplant = true;
    u.dialoge.waehrendOffen = [&](const Meldung&) {
        tagesmeldungGeplant = u.Formular().TimerErrFormLoad.Aktiviert();
    };
    Basisformular& form =
        Einlesen(u, {"np012830.23o", "x\ntouch PWNED\n2830.23o", "a\rb\1772830.23o", "-rf2830.23o",
                     "n p2830.23o", "q\"2830.23o", "\316\251ab2830.23o"});
    EXPECT_EQ(form.Neupunkte.Eintraege(), (Namen{u"-rf2830.23o", u"n p2830.23o", u"np012830.23o",
                                                 u"q\"2830.23o", u"\u03A9ab2830.23o"}));
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    const Meldung& m = u.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, Text(AusgelassenKopf) +
                          u"\na<CR>b<DEL>2830.23o\nx<LF>touch PWNED<LF>2830.23o" + u"\n\n" +
                          Text(UnlesbarKopf) + u"\n-rf2830.23o\nn p2830.23o\nq\"2830.23o" +
                          u"\n\u03A9ab2830.23o");
    EXPECT_EQ(m.symbol, Symbol::Ausrufezeichen);
    EXPECT_FALSE(tagesmeldungGeplant);
    EXPECT_TRUE(form.TimerErrFormLoad.Aktiviert());
}

// 35 Zeichen bleiben ganz, darüber zählen die letzten 32.
TEST(Rinexscan, VerzeichnisKurzform) {
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\" + Text(32, u'a')), u"c:\\..." + Text(32, u'a'));
    EXPECT_EQ(VerzeichnisKurzform(u"z:\\" + Text(15, u'x') + Text(32, u'y')),
              u"z:\\..." + Text(32, u'y'));
}

TEST(Tagesmeldung, NenntErstenUndLetztenAbweichendenTag) {
    EXPECT_EQ(TagesmeldungText(Namen{u"abcd1240.12o", u"bbbb1230.12o", u"cccc1240.12o"}),
              Meldungstext(u"124", u"123"));
    EXPECT_EQ(TagesmeldungText(Namen{u"abcd1230.12o", u"efgh1240.12o", u"ijkl1250.12o"}),
              Meldungstext(u"123", u"125"));
    EXPECT_EQ(TagesmeldungText(Namen{u"abcd1230.12o", u"abc"}), Meldungstext(u"123", u""));
    EXPECT_EQ(TagesmeldungText(Namen{}), std::nullopt);
}

// Der Zeitgeber prüft die Listen erst, wenn er tickt: wurde der abweichende Eintrag vorher entfernt
// oder die Liste geleert, schaltet er sich nur ab.
TEST(Tagespruefung, GeaenderteOderLeereListeSchaltetNurAb) {
    TestUmgebung u;
    Basisformular& form = Einlesen(u, {"abcd1230.12o", "efgh1240.12o"});
    form.chkDelRINEX.SetzeWert(1);
    Doppelklick(form.Neupunkte, 1);
    u.schleife.Vorruecken(500);
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
    form.Neupunkte.Leeren();
    form.TimerErrFormLoad.SetzeAktiviert(true);
    u.schleife.Vorruecken(500);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
}

TEST_F(Zuordnung, VerschiebtTrefferInIhrerReihenfolge) {
    // Die letzte Zeile von d enthält SAPOS, aber keine Zeile OBSERVER: keine Referenz.
    const std::string ohneObserver =
        RinexZeile("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
        RinexZeile("SAPOS", "COMMENT");
    Einlesen(
        u, {Sapos, Mueller, RinexKopf("MUELLER", "SAPOS-NDS"), ohneObserver, Sapos, Sapos, Sapos});
    // Nach dem Einlesen verschwunden bzw. durch einen Ordner ersetzt: unlesbar, keine Referenz.
    fs::remove(u.arbeit / "f0001230.12o");
    fs::remove(u.arbeit / "g0001230.12o");
    fs::create_directory(u.arbeit / "g0001230.12o");

    form.AutoZuordnungReferenz.Klicken();

    EXPECT_EQ(form.Referenzpunkte.Eintraege(),
              (Namen{u"a0001230.12o", u"c0001230.12o", u"e0001230.12o"}));
    EXPECT_EQ(form.Neupunkte.Eintraege(),
              (Namen{u"b0001230.12o", u"d0001230.12o", u"f0001230.12o", u"g0001230.12o"}));
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 3|Neupunkte: 4");
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

// Nur die erste Zeile mit OBSERVER zählt, und in ihr der Suchtext genau so geschrieben.
TEST(Kopfzeile, EntscheidetUeberReferenz) {
    struct Fall {
        std::string inhalt;
        Text suchtext;
        bool referenz;
    };
    std::string binaer(16384, '\0');
    std::iota(binaer.begin(), binaer.end(), '\0');
    // Ein Tag aus LF-Dateien wird zugeordnet wie einer aus CR-LF-Dateien: der Suchtext in einem
    // Kommentar vor der OBSERVER-Zeile macht keine Referenz.
    const auto nurLf = [](std::string d) {
        std::erase(d, '\r');
        return d;
    };
    const std::string icc = RinexZeile("coordenades ajust ICC", "COMMENT");
    const Fall faelle[] = {
        {nurLf(RinexMit({icc, RinexZeile("MATA", "OBSERVER / AGENCY")})), u"ICC", false},
        {nurLf(RinexMit({icc, RinexZeile("ICC", "OBSERVER / AGENCY")})), u"ICC", true},
        {Sapos, u"sapos", false},
        {Mueller, u"", true},
        {RinexMit({}), u"", false},
        {Sapos, u" SAPOS", false},
        {RinexMit({RinexZeile("OBSERVER WAR SAPOS", "COMMENT"),
                   RinexZeile("MUELLER", "OBSERVER / AGENCY")}),
         u"SAPOS", true},
        {binaer, u"", false},
    };
    for (const Fall& f : faelle) {
        TestUmgebung u;
        Einlesen(u, {f.inhalt});
        u.Formular().IdSearchAutoZuordRefpunkt.SetzeText(f.suchtext);
        u.Formular().AutoZuordnungReferenz.Klicken();
        EXPECT_EQ(u.Formular().Referenzpunkte.Anzahl(), f.referenz ? 1 : 0)
            << &f - faelle << " " << NachUtf8(f.suchtext);
    }
}

TEST_F(Zuordnung, SechsReferenzenWarnenBeiJedemSchritt) {
    Einlesen(u, {Sapos, Sapos, Sapos, Sapos, Sapos, Sapos, Mueller, Mueller});

    form.AutoZuordnungReferenz.Klicken();
    EXPECT_EQ(Teile(u.dialoge.protokoll.at(0).meldung),
              std::tuple(Warnung, Text(u"Kestrav"), Knoepfe::OK, Symbol::Information));
    EXPECT_EQ(u.programmdienst.zeiger.back(), Mauszeiger::Standard);

    // Löschen warnt nie, auch wenn sechs bleiben; jedes Verschieben warnt, solange mehr als fünf.
    form.chkDelRINEX.SetzeWert(1);
    Doppelklick(form.Neupunkte, 1);
    form.chkDelRINEX.SetzeWert(0);
    Doppelklick(form.Neupunkte, 0);      // 7 Referenzen
    Doppelklick(form.Referenzpunkte, 0); // 6
    Doppelklick(form.Referenzpunkte, 0); // 5
    EXPECT_EQ(u.dialoge.Texte(), (Namen{Warnung, Warnung, Warnung}));
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 5|Neupunkte: 2");
}

// Unter drei Referenzen schaltet die automatische Auswahl den Knopf nicht ab; ein Doppelklick ohne
// Auswahl schaltet ihn ab und ändert sonst nichts, auch mit "lösche Messung".
TEST_F(Zuordnung, KnopfNachAutomatikUndDoppelklickOhneAuswahl) {
    Einlesen(u, {Sapos, Sapos, Mueller});
    form.CommandBerechnen.SetzeAktiviert(true);
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    form.CommandBerechnen.SetzeAktiviert(false);
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert()); // zwei Referenzen reichen nicht
    form.chkDelRINEX.SetzeWert(1);
    Doppelklick(form.Neupunkte, -1);
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 2|Neupunkte: 1");
}

TEST_F(Zuordnung, PfeileZeigenDieRichtung) {
    form.Referenzpunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil3.Caption(), u"<<");
    form.Neupunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil2.Caption(), u">>");
}
