// kestrav-stapel über den Demotag von vexlo-sim, mit dem Simulator als Rechenkern in einem
// temporären Laufwerk C:, so wie scripts/demo.sh ihn ohne Bildschirm rechnet. Ein Lauf für alle
// Prüfungen. Dass der Simulator selbst richtig rechnet, prüfen die Tests von vexlo-sim gegen PROJ;
// hier zählt, was Kestrav aus seinen Dateien macht.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<TempVerzeichnis> gOrt;
Prozesslauf gLauf;

fs::path Tag() {
    return gOrt->Pfad() / "tag";
}
fs::path Ausgeliefert() {
    return fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini";
}
std::string Datei(const std::string& name) {
    return BytesLesen(Tag() / name);
}

// Zeilen einer Datei, die jede Zeile mit CR LF beendet und sonst kein CR oder LF enthält.
std::vector<std::string> CrLfZeilen(const std::string& name) {
    const std::string bytes = Datei(name);
    EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0, ende; (ende = bytes.find("\r\n", anfang)) != std::string::npos;
         anfang = ende + 2) {
        zeilen.push_back(bytes.substr(anfang, ende - anfang));
        EXPECT_EQ(zeilen.back().find_first_of("\r\n"), std::string::npos) << name;
    }
    return zeilen;
}

std::vector<std::string> Worte(const std::string& zeile) {
    std::istringstream s(zeile);
    std::vector<std::string> worte;
    for (std::string w; s >> w;)
        worte.push_back(w);
    return worte;
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
        const fs::path vexlo = gOrt->Pfad() / "c" / "programme" / "vexlo";
        for (const auto& [schalter, ziel] :
             {std::pair{"--installieren", vexlo}, {"--demo", Tag()}}) {
            const auto lauf = ProzessAusfuehren(
                {{KESTRAV_BIN_DIR "/vexlo-sim", schalter, ziel.string()}, gOrt->Pfad(), {}});
            ASSERT_EQ(lauf.exitcode, 0) << lauf.fehler;
        }
        // Eine eigene Einstellungsdatei: build/bin/kestrav.ini kann ein anderer Lauf verändert
        // haben.
        fs::copy_file(Ausgeliefert(), gOrt->Pfad() / "kestrav.ini");
        gLauf = ProzessAusfuehren(
            {{KESTRAV_BIN_DIR "/kestrav-stapel", "--ja", "--einstellungen",
              (gOrt->Pfad() / "kestrav.ini").string(), (Tag() / "np012830.23o").string()},
             gOrt->Pfad(),
             {{"KESTRAV_LAUFWERK_C", (gOrt->Pfad() / "c").string()},
              {"XDG_DATA_HOME", (gOrt->Pfad() / "xdg").string()},
              {"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"},
              {"KESTRAV_ANZEIGE", "/bin/true"},
              {"DISPLAY", ""},
              {"WAYLAND_DISPLAY", ""}}});
    }
    static void TearDownTestSuite() { gOrt.reset(); }
};

// Meldungen und Exitcode, keine Reste im Tagesverzeichnis, Einstellungen unverändert. np03 liegt
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
    EXPECT_EQ(BytesLesen(gOrt->Pfad() / "kestrav.ini"), BytesLesen(Ausgeliefert()));
}

// Je Punkt die Zeile der Ergebnisliste, die Marken der fünf Tests und die Normalhöhe der Lösung
// (im Mini-Protokoll rechtsbündig auf acht Stellen): np01 sauber, np02 mit allen fünf Warnungen,
// np03 ohne Ergebnisliste und Lösung mit vier Marken im Mini-Protokoll und drei in den Koordinaten.
TEST_F(DemotagStapel, ErgebnisdateienJePunkt) {
    const auto mini = CrLfZeilen("_ergebnis_283.mini");
    const auto pyxz = CrLfZeilen("_ergebnis_283.PYXZ");
    ASSERT_EQ(mini.size(), 4u);
    ASSERT_EQ(pyxz.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        const std::string stamm = i == 0 ? "_ergebnis_np012830" : "_ergebnis_np022830";
        SCOPED_TRACE(stamm);
        const auto liste = CrLfZeilen(stamm + "_list.txt");
        ASSERT_EQ(liste.size(), 2u);
        const std::string nhn = Normalhoehe(Datei(stamm + "_sol.txt"));
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

} // namespace
