// kestrav-stapel über den Demotag von vexlo-sim, mit dem Simulator als Rechenkern in einem
// temporären Laufwerk C:, so wie scripts/demo.sh ihn ohne Bildschirm rechnet. Ein Lauf für alle
// Prüfungen; die Koordinaten rechnet PROJ (cs2cs) unabhängig vom Simulator nach.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<TempVerzeichnis> gOrt;
Prozesslauf gLauf;

fs::path Tag() {
    return gOrt->Pfad() / "tag";
}
fs::path Einstellungen() {
    return gOrt->Pfad() / "kestrav.ini";
}
std::string Datei(const std::string& name) {
    return BytesLesen(Tag() / name);
}

std::vector<std::string> CrLfZeilen(const std::string& bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        const std::size_t ende = bytes.find("\r\n", anfang);
        EXPECT_NE(ende, std::string::npos) << "letzte Zeile ohne CR LF";
        const std::string zeile = bytes.substr(anfang, ende - anfang);
        EXPECT_EQ(zeile.find_first_of("\r\n"), std::string::npos) << "Zeilenende ohne CR LF";
        zeilen.push_back(zeile);
        if (ende == std::string::npos)
            break;
        anfang = ende + 2;
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

// Höhentext der Lösung hinter "NHN-Höhe [m]:", rechtsbündig auf acht Stellen wie im Mini-Protokoll.
std::string Normalhoehe(const std::string& loesung) {
    const std::string marke = "NHN-H\xF6he [m]:";
    const std::size_t stelle = loesung.find(marke);
    EXPECT_NE(stelle, std::string::npos) << loesung;
    if (stelle == std::string::npos)
        return "";
    const auto worte = Worte(loesung.substr(stelle + marke.size(),
                                            loesung.find("\r\n", stelle) - stelle - marke.size()));
    const std::string hoehe = worte.empty() ? "" : worte[0];
    return std::string(hoehe.size() < 8 ? 8 - hoehe.size() : 0, ' ') + hoehe;
}

double Zahl(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string ImSuchpfad(const std::string& name) {
    const char* pfad = std::getenv("PATH");
    std::istringstream teile(pfad ? pfad : "/usr/bin:/bin");
    for (std::string verzeichnis; std::getline(teile, verzeichnis, ':');)
        if (access((fs::path(verzeichnis) / name).c_str(), X_OK) == 0)
            return (fs::path(verzeichnis) / name).string();
    return "";
}

Prozesslauf Sim(const std::vector<std::string>& argumente) {
    std::vector<std::string> aufruf{KESTRAV_BIN_DIR "/vexlo-sim"};
    aufruf.insert(aufruf.end(), argumente.begin(), argumente.end());
    return ProzessAusfuehren({aufruf, gOrt->Pfad(), {}});
}

// Die APPROX POSITION XYZ des Neupunkts, mit cs2cs in ein Zielsystem umgerechnet; jede
// Ausgabezeile hat drei Zahlen, das dritte ist die Höhe.
std::array<double, 3> MitProj(const std::string& neupunkt, const std::string& ziel) {
    const std::string rinex = Datei(neupunkt);
    const std::size_t marke = rinex.find("APPROX POSITION XYZ");
    EXPECT_TRUE(marke != std::string::npos && marke >= 60) << neupunkt;
    if (marke == std::string::npos || marke < 60)
        return {0, 0, 0};
    const fs::path eingabe = gOrt->Pfad() / "xyz.txt";
    BytesSchreiben(eingabe, rinex.substr(marke - 60, 60) + "\n");
    const std::string cs2cs = ImSuchpfad("cs2cs");
    EXPECT_FALSE(cs2cs.empty()) << "cs2cs fehlt (Paket proj-bin)";
    const Prozesslauf lauf = ProzessAusfuehren(
        {{cs2cs, "-f", "%.4f", "EPSG:4978", ziel, eingabe.string()}, gOrt->Pfad(), {}});
    EXPECT_EQ(lauf.exitcode, 0) << lauf.fehler;
    std::array<double, 3> x{0, 0, 0};
    EXPECT_EQ(std::sscanf(lauf.ausgabe.c_str(), "%lf %lf %lf", &x[0], &x[1], &x[2]), 3)
        << lauf.ausgabe;
    return x;
}

class DemotagStapel : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gOrt = std::make_unique<TempVerzeichnis>();
        const auto installiert =
            Sim({"--installieren", (gOrt->Pfad() / "c" / "programme" / "vexlo").string()});
        ASSERT_EQ(installiert.exitcode, 0) << installiert.fehler;
        const auto demo = Sim({"--demo", Tag().string()});
        ASSERT_EQ(demo.exitcode, 0) << demo.fehler;
        // Eine eigene Einstellungsdatei: build/bin/kestrav.ini kann ein anderer Lauf verändert
        // haben.
        fs::copy_file(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini", Einstellungen());
        gLauf = ProzessAusfuehren({{KESTRAV_BIN_DIR "/kestrav-stapel", "--ja", "--einstellungen",
                                    Einstellungen().string(), (Tag() / "np012830.23o").string()},
                                   gOrt->Pfad(),
                                   {{"KESTRAV_LAUFWERK_C", (gOrt->Pfad() / "c").string()},
                                    {"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"},
                                    {"KESTRAV_ANZEIGE", "/bin/true"},
                                    {"DISPLAY", ""},
                                    {"WAYLAND_DISPLAY", ""}}});
    }
    static void TearDownTestSuite() { gOrt.reset(); }
};

TEST_F(DemotagStapel, MeldungenUndExitcode) {
    EXPECT_EQ(gLauf.exitcode, 1) << gLauf.fehler;
    EXPECT_EQ(gLauf.ausgabe, "== Vexlo Neuberechnung ==\n"
                             "Alle Ergebnisdateien werden jetzt überschrieben!   \n"
                             "-> Ja\n"
                             "== Achtung Warnungen! ==\n"
                             "3 Neupunktkoordinaten mit 9 Warnungen berechnet!\n"
                             "Siehe Datei <_ergebnis_283.mini>!\n"
                             "-> OK\n");
    EXPECT_EQ(gLauf.fehler, "");
}

// Je Punkt die Zeile der Ergebnisliste, die Marken der fünf Tests und die Normalhöhe rechtsbündig
// auf acht Stellen: np01 sauber, np02 mit allen fünf Warnungen, np03 ohne Ergebnisliste und
// Lösung mit vier Marken.
TEST_F(DemotagStapel, MiniprotokollJePunkt) {
    const auto np01 = CrLfZeilen(Datei("_ergebnis_np012830_list.txt"));
    const auto np02 = CrLfZeilen(Datei("_ergebnis_np022830_list.txt"));
    ASSERT_EQ(np01.size(), 2u);
    ASSERT_EQ(np02.size(), 2u);
    const auto mini = CrLfZeilen(Datei("_ergebnis_283.mini"));
    ASSERT_EQ(mini.size(), 4u) << Datei("_ergebnis_283.mini");
    EXPECT_EQ(mini[0], np01[0] + "  NHN-H\xF6he");
    EXPECT_EQ(mini[1], np01[1] + "  " + Normalhoehe(Datei("_ergebnis_np012830_sol.txt")));
    EXPECT_EQ(mini[2], np02[1] + " * * * * *  " + Normalhoehe(Datei("_ergebnis_np022830_sol.txt")));
    EXPECT_EQ(mini[3], " * * * *" + std::string(10, ' '));
}

TEST_F(DemotagStapel, KoordinatenWiePROJ) {
    const auto pyxz = CrLfZeilen(Datei("_ergebnis_283.PYXZ"));
    ASSERT_EQ(pyxz.size(), 3u) << Datei("_ergebnis_283.PYXZ");
    const auto mini = CrLfZeilen(Datei("_ergebnis_283.mini"));
    ASSERT_EQ(mini.size(), 4u);
    const char* punkte[] = {"np012830.23o", "np022830.23o"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(punkte[i]);
        const auto utm = MitProj(punkte[i], "EPSG:25832");
        const auto nhn = MitProj(punkte[i], "EPSG:4326+5773");
        const auto zeile = Worte(pyxz[i]);
        ASSERT_EQ(zeile.size(), 4u) << pyxz[i];
        EXPECT_EQ(zeile[0], i == 0 ? "NP01" : "NP02");
        EXPECT_NEAR(Zahl(zeile[1]), 32'000'000.0 + utm[0], 0.01);
        EXPECT_NEAR(Zahl(zeile[2]), utm[1], 0.01);
        EXPECT_NEAR(Zahl(zeile[3]), nhn[2], 0.01);
        // Das Mini-Protokoll trägt daneben die ellipsoidische Höhe.
        EXPECT_NEAR(Zahl(Worte(mini[i + 1])[3]), utm[2], 0.01);
    }
    EXPECT_NEAR(Zahl(Worte(mini[1])[3]), 245.312, 0.01); // Höhe der Demodaten selbst
    // np03 hat keine Ergebnisliste: drei Marken als Spalten, keine Höhe.
    EXPECT_EQ(pyxz[2], "* * * ");
}

// np03 liegt zeitlich neben den Referenzen: Qel und Bo schreiben ihre *.err, Kestrav liest sie
// nur im Fehlerweg, und der wird ohne Laufzeitfehler nicht betreten.
TEST_F(DemotagStapel, PunktOhneUeberlappung) {
    EXPECT_NE(Datei("qel.err").find("VEXLO-error: no simultaneous observations"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Tag() / "_ergebnis_np032830_list.txt"));
    EXPECT_FALSE(fs::exists(Tag() / "_ergebnis_2830.info"));
    EXPECT_TRUE(fs::exists(Tag() / "_ergebnis_np032830_qelelog.txt"));
}

TEST_F(DemotagStapel, AufgeraeumtUndEinstellungenUnveraendert) {
    for (const auto& eintrag : fs::directory_iterator(Tag())) {
        const std::string name = eintrag.path().filename().string();
        EXPECT_NE(name, "Kestrav.bat");
        EXPECT_NE(name, "$$$$$.atx");
        EXPECT_NE(name, "qellog.txt");
        EXPECT_NE(name.rfind("virt", 0), 0u) << name;
    }
    EXPECT_EQ(BytesLesen(Einstellungen()),
              BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini"));
}

} // namespace
