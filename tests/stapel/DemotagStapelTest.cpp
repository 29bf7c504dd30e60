// kestrav-stapel über den Demotag von vexlo-sim, mit dem Simulator als Rechenkern in einem
// temporären Laufwerk C:, so wie scripts/demo.sh ihn ohne Bildschirm rechnet. Ein Lauf für alle
// Prüfungen. Dass der Simulator selbst richtig rechnet, prüfen die Tests von vexlo-sim gegen PROJ;
// hier zählt, was Kestrav aus seinen Dateien macht.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<TempVerzeichnis> gOrt;
Prozesslauf gLauf;

fs::path Tag() {
    return gOrt->Pfad() / "tag";
}
// Die ausgelieferten Einstellungen mit "Anzeige Berechnung": "pause" am Ende jedes Punktes.
std::string Einstellungen() {
    std::string ini = BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
    return ini.replace(ini.find("Anzeige Berechnung = 0"), 22, "Anzeige Berechnung = 1");
}
std::vector<std::string> Zeilen(const std::string& name, const fs::path& tag = Tag()) {
    return CrLfZeilen(BytesLesen(tag / name));
}

// Ein neuer Demotag in ort/name, gerechnet mit diesen Einstellungen (eine eigene Datei:
// build/bin/kestrav.ini kann ein anderer Lauf verändert haben).
Prozesslauf DemotagRechnen(const std::string& name, const std::string& ini) {
    const fs::path ort = gOrt->Pfad();
    const auto sim = ProzessAusfuehren(
        {{KESTRAV_BIN_DIR "/vexlo-sim", "--demo", (ort / name).string()}, ort, {}});
    EXPECT_EQ(sim.exitcode, 0) << sim.fehler;
    BytesSchreiben(ort / (name + ".ini"), ini);
    return ProzessAusfuehren(
        {{KESTRAV_BIN_DIR "/kestrav-stapel", "--ja", "--einstellungen",
          (ort / (name + ".ini")).string(), (ort / name / "np012830.23o").string()},
         ort,
         StapelUmgebung(ort)});
}

// Höhentext der Lösung hinter "NHN-Höhe [m]:".
std::string Normalhoehe(const std::string& loesung) {
    const std::size_t stelle = loesung.find("NHN-H\xF6he [m]:");
    const auto worte = Worte(stelle == std::string::npos ? "" : loesung.substr(stelle + 14));
    return worte.empty() ? "(fehlt)" : worte[0];
}

class DemotagStapel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gOrt = std::make_unique<TempVerzeichnis>();
        const auto lauf = ProzessAusfuehren({{KESTRAV_BIN_DIR "/vexlo-sim", "--installieren",
                                              (gOrt->Pfad() / "c/programme/vexlo").string()},
                                             gOrt->Pfad(),
                                             {}});
        ASSERT_EQ(lauf.exitcode, 0) << lauf.fehler;
        gLauf = DemotagRechnen("tag", Einstellungen());
    }
    static void TearDownTestSuite() { gOrt.reset(); }
};

// Meldungen und Exitcode, keine Reste im Tagesverzeichnis, Einstellungen unverändert, die Ausgaben
// des Rechenkerns im Protokoll. np03 liegt
// zeitlich neben den Referenzen: Qel und Bo schreiben ihre *.err, Kestrav liest sie nur im
// Fehlerweg, und der wird ohne Laufzeitfehler nicht betreten.
TEST_F(DemotagStapel, MeldungenExitcodeUndAufgeraeumt) {
    EXPECT_EQ(gLauf.exitcode, 1) << gLauf.fehler;
    EXPECT_EQ(gLauf.ausgabe, "== Vexlo Neuberechnung ==\n"
                             "Alle Ergebnisdateien werden jetzt überschrieben!   \n"
                             "-> Ja\n"
                             "== Achtung Warnungen! ==\n"
                             "3 Neupunktkoordinaten mit 9 Warnungen berechnet!\n"
                             "Siehe Datei <_ergebnis_283.mini>!\n"
                             "-> OK\n");
    EXPECT_EQ(gLauf.fehler, "");
    for (const auto& eintrag : fs::directory_iterator(Tag())) {
        const std::string name = eintrag.path().filename().string();
        EXPECT_TRUE(name != "Kestrav.bat" && name != "$$$$$.atx" && name != "qellog.txt" &&
                    name != "_ergebnis_2830.info" && name.rfind("virt", 0) != 0)
            << name;
    }
    EXPECT_TRUE(fs::exists(Tag() / "qel.err"));
    EXPECT_TRUE(fs::exists(Tag() / "_ergebnis_np032830_qelelog.txt"));
    EXPECT_EQ(BytesLesen(gOrt->Pfad() / "tag.ini"), Einstellungen());
    // Was Engine und "pause" ausgeben, steht im Protokoll statt zwischen den Meldungen.
    EXPECT_NE(BytesLesen(Tag() / "_ergebnis_283.stapel.log").find("cken Sie eine beliebige Taste"),
              std::string::npos);
}

// Je Punkt die Zeile der Ergebnisliste, die Marken der fünf Tests und die Normalhöhe der Lösung
// (im Mini-Protokoll rechtsbündig auf acht Stellen): np01 sauber, np02 mit allen fünf Warnungen,
// np03 ohne Ergebnisliste und Lösung mit vier Marken im Mini-Protokoll und drei in den Koordinaten.
TEST_F(DemotagStapel, ErgebnisdateienJePunkt) {
    const auto mini = Zeilen("_ergebnis_283.mini");
    const auto pyxz = Zeilen("_ergebnis_283.PYXZ");
    ASSERT_EQ(mini.size(), 4u);
    ASSERT_EQ(pyxz.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        const std::string stamm = i == 0 ? "_ergebnis_np012830" : "_ergebnis_np022830";
        SCOPED_TRACE(stamm);
        const auto liste = Zeilen(stamm + "_list.txt");
        ASSERT_EQ(liste.size(), 2u);
        const std::string nhn = Normalhoehe(BytesLesen(Tag() / (stamm + "_sol.txt")));
        EXPECT_EQ(mini[0], liste[0] + "  NHN-H\xF6he"); // jede Liste hat denselben Kopf
        EXPECT_EQ(mini[i + 1], liste[1] + (i == 0 ? "" : " * * * * *") + "  " +
                                   std::string(8 - std::min<std::size_t>(nhn.size(), 8), ' ') +
                                   nhn);
        const auto w = Worte(liste[1]);
        ASSERT_GE(w.size(), 3u);
        EXPECT_EQ(pyxz[i], w[0] + " " + w[1] + " " + w[2] + " " + nhn);
    }
    EXPECT_EQ(mini[3], " * * * *" + std::string(10, ' '));
    EXPECT_EQ(pyxz[2], "* * * ");
}

// DHHN gewählt, aber kein " +Sb" im Bo-Text (etwa eine von Hand geänderte kestrav.ini): die Lösung
// hat keine Zeile "NHN-Höhe [m]", Kestrav liest ersatzweise die letzte Zeile, und weil die keinen
// Doppelpunkt hat, bleibt die Höhenspalte leer, statt die ellipsoidische Höhe zu zeigen.
TEST_F(DemotagStapel, OhneSbBleibtDieNhnSpalteLeer) {
    std::string ini = BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
    DemotagRechnen("ohneSb", ini.erase(ini.find(" +Sb"), 4));
    const fs::path tag = gOrt->Pfad() / "ohneSb";
    const auto liste = Zeilen("_ergebnis_np012830_list.txt", tag);
    const auto mini = Zeilen("_ergebnis_283.mini", tag);
    const auto pyxz = Zeilen("_ergebnis_283.PYXZ", tag);
    ASSERT_TRUE(liste.size() == 2 && mini.size() == 4 && !pyxz.empty());
    EXPECT_EQ(mini[1], liste[1] + std::string(10, ' ')); // np01 ohne Marken
    const auto w = Worte(liste[1]);
    EXPECT_EQ(pyxz[0], w[0] + " " + w[1] + " " + w[2] + " ");
}

} // namespace
