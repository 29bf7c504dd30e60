#include "Pruefhilfen.h"
#include "evaluation/Auswertung.h"
#include "hilfen/TestUmgebung.h"
#include "run/Lauf.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(env.dialoge.protokoll.size(), 1u);
    env.dialoge.protokoll.clear();

    form.zustand.Warnungsanzahl = 29999;
    form.QelWeitereParameter.SetzeText(u"-e10 +A$$$$$.atx +A$$$$$.atx");
    form.zustand.AntexSammeldatei = u"$$$$$.atx";
    EXPECT_FALSE(Fehlerpfad(form, Laufzeitfehler(58), true));
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(env.dialoge.protokoll[0].meldung.text,
              u"Fehlerart: [Datei existiert bereits]!\n\nBitte alle Dateien schließen, "
              u"Daten bereinigen und die Berechnung neu starten!\n\nVexlo-Fehler:\n"
              u"VEXLO-error: no simultaneous observations\nzweite");
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");

    // Der Zähler hat sechzehn Bit.
    form.zustand.Warnungsanzahl = 32766;
    WarnungZaehlen(form);
    EXPECT_EQ(form.zustand.Warnungsanzahl, 32767);
    ErwarteLaufzeitfehler(6, [&] { WarnungZaehlen(form); });
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
