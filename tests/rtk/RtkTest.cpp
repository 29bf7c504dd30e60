// vexlo-rtk mit dem echten rnx2rtkp auf den GSI-Stationen 0759 (Neupunkt) und 3040 (Referenz),
// 2005 Tag 092. Kestrav verlangt drei Referenzen: 3040 steht unter drei Namen im Tag, mit den
// Koordinaten aus seinem RINEX-Kopf in Referenzkoordinaten.txt.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>
#include <proj.h>

#include <cstdio>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kDaten = fs::path(KESTRAV_SOURCE_DIR) / "data" / "rtklib-gsi-2005-092";
const fs::path kGitter = "/usr/share/proj/egm96_15.gtx"; // steht für ein amtliches Gitter
constexpr double kBasis[3] = {-3978242.4348, 3382841.1715, 3649902.7667};

std::string Referenzzeile(const char* kennung, double dx) {
    char zeile[128];
    std::snprintf(zeile, sizeof zeile, "%s %.4f %.4f %.4f\n", kennung, kBasis[0] + dx, kBasis[1],
                  kBasis[2]);
    return zeile;
}

class Rtk : public ::testing::Test {
protected:
    void SetUp() override {
        if (ProzessAusfuehren({{"/bin/sh", "-c", "command -v rnx2rtkp"}, ".", {}}).exitcode != 0)
            GTEST_SKIP() << "rnx2rtkp fehlt (Paket rtklib)";
        const auto lauf = ProzessAusfuehren({{KESTRAV_BIN_DIR "/vexlo-rtk", "--installieren",
                                              Engine().string(), "--geoid", kGitter.string()},
                                             ort_.Pfad(),
                                             {}});
        ASSERT_EQ(lauf.exitcode, 0) << lauf.fehler;
        fs::create_directories(Tag());
        for (const char* name : {"07590920.05o", "07590920.05n"})
            fs::copy_file(kDaten / name, Tag() / name);
        for (const char* k : {"aaaa", "bbbb", "cccc"})
            fs::copy_file(kDaten / "30400920.05o", Tag() / (std::string(k) + "0920.05o"));
        Referenzen(Referenzzeile("aaaa", 0) + Referenzzeile("bbbb", 0) + Referenzzeile("cccc", 0));
    }

    fs::path Engine() const { return ort_.Pfad() / "c" / "programme" / "vexlo"; }
    fs::path Tag() const { return ort_.Pfad() / "tag"; }
    std::string Datei(const std::string& name) const { return BytesLesen(Tag() / name); }
    void Referenzen(const std::string& text) const {
        BytesSchreiben(Tag() / "Referenzkoordinaten.txt", text);
    }
    // Qel und Bo, wie Kestravs Jobdatei sie aufruft; Worte der Ergebnislistenzeile.
    std::vector<std::string> PunktRechnen(const std::string& boZusatz = "+Sb") const {
        for (const std::vector<std::string>& aufruf :
             {std::vector<std::string>{(Engine() / "qel2").string(), "07590920.05o",
                                       "aaaa,bbbb,cccc", "+PRO", "-e10"},
              {(Engine() / "bo2").string(), "virt092.05o", "07590920.05o", "+FEl.txt", "+FSs.txt",
               "+FLg.txt", "-e10", boZusatz}})
            ProzessAusfuehren({aufruf, Tag(), {}});
        const std::string liste = Datei("l.txt");
        return Worte(liste.substr(std::min(liste.size(), liste.find("\r\n") + 2)));
    }

    TempVerzeichnis ort_;
};

// Unabhängig: rnx2rtkp direkt (wie in SOURCE.md) und PROJ über seine EPSG-Datenbank.
std::array<double, 3> DirektMitProj(const fs::path& verzeichnis) {
    char r[96];
    std::snprintf(r, sizeof r, "%.4f %.4f %.4f", kBasis[0], kBasis[1], kBasis[2]);
    const auto lauf = ProzessAusfuehren(
        {{"/bin/sh", "-c",
          std::string("rnx2rtkp -p 3 -f 2 -m 10 -h -e -r ") + r +
              " -o d.pos 07590920.05o aaaa0920.05o 07590920.05n && tail -1 d.pos"},
         verzeichnis,
         {}});
    const auto w = Worte(lauf.ausgabe);
    EXPECT_GE(w.size(), 6u) << lauf.fehler;
    if (w.size() < 6)
        return {0, 0, 0};
    PJ_CONTEXT* k = proj_context_create();
    PJ* utm = proj_create_crs_to_crs(k, "EPSG:4978", "EPSG:32654", nullptr);
    PJ* geo = proj_create_crs_to_crs(k, "EPSG:4978", "EPSG:4979", nullptr);
    const PJ_COORD x = proj_coord(std::stod(w[2]), std::stod(w[3]), std::stod(w[4]), 0);
    const PJ_COORD u = proj_trans(utm, PJ_FWD, x);
    const PJ_COORD g = proj_trans(geo, PJ_FWD, x);
    proj_destroy(utm);
    proj_destroy(geo);
    proj_context_destroy(k);
    EXPECT_EQ(w[5], "1"); // gelöst
    return {54'000'000.0 + u.xyz.x, u.xyz.y, g.lpz.z};
}

TEST_F(Rtk, GeloestUndWieRnx2rtkpDirektMitProj) {
    const auto w = PunktRechnen();
    ASSERT_EQ(w.size(), 10u) << Datei("g.txt");
    const auto soll = DirektMitProj(Tag());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(std::stod(w[i + 1]), soll[i], 0.001) << i;
    EXPECT_EQ(std::vector<std::string>(w.begin() + 4, w.begin() + 8),
              (std::vector<std::string>{"high", "120", "98", "60.0"}));
    EXPECT_EQ(Datei("qellog.txt").find("FATAL"), std::string::npos) << Datei("qellog.txt");
    const std::string loesung = Datei("s.txt");
    EXPECT_NE(loesung.find("\r\nNHN-H\xF6he [m]: "), std::string::npos);
    EXPECT_EQ(loesung.substr(loesung.rfind("\r\n", loesung.size() - 3)).find(':'),
              std::string::npos); // letzte Zeile ohne Doppelpunkt
}

// Was das Qel-Protokoll markiert: eine um 10 cm (vom Neupunkt weg) verschobene Referenz, eine
// ohne Koordinate, eine Antenne, die in der ANTEX-Datei fehlt (rnx2rtkp rechnet sie still ohne).
TEST_F(Rtk, StreuungFehlendeKoordinateUndAntenneMarkierenDenPunkt) {
    const struct {
        std::string referenzen;
        const char* boZusatz;
        const char* marke;
    } faelle[] = {
        {Referenzzeile("aaaa", 0) + Referenzzeile("bbbb", 0) + Referenzzeile("cccc", -0.1), "+Sb",
         "FATAL ERROR: Bo: station cccc deviates from the result by 0.078 m"},
        {Referenzzeile("aaaa", 0) + "# bbbb fehlt\n" + Referenzzeile("cccc", 0), "+Sb",
         "FATAL ERROR: reference station bbbb not in Referenzkoordinaten.txt"},
        {Referenzzeile("aaaa", 0) + Referenzzeile("bbbb", 0) + Referenzzeile("cccc", 0),
         "+ACFdemo.atx",
         "FATAL ERROR: Bo: antenna type 'TRM29659.00     NONE' of 07590920.05o not in ANTEX"},
    };
    // Die ANTEX-Datei des Demotags kennt nur die erfundenen Antennen des Simulators.
    ProzessAusfuehren({{KESTRAV_BIN_DIR "/vexlo-sim", "--demo", "demo"}, ort_.Pfad(), {}});
    fs::copy_file(ort_.Pfad() / "demo" / "demo.atx", Tag() / "demo.atx");
    for (const auto& f : faelle) {
        Referenzen(f.referenzen);
        const auto w = PunktRechnen(f.boZusatz);
        ASSERT_EQ(w.size(), 10u) << Datei("g.txt");
        EXPECT_NE(Datei("qellog.txt").find(f.marke), std::string::npos) << Datei("qellog.txt");
    }
}

// Der ganze Weg über kestrav-stapel. Die Einstellungen wählen DHHN, der Bo-Text hat kein " +Sb":
// die Lösung hat dann keine Zeile "NHN-Höhe [m]", und die Höhenspalte bleibt leer.
TEST_F(Rtk, KestravStapelMitVexloRtk) {
    std::string ini = BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
    ini.erase(ini.find(" +Sb"), 4);
    BytesSchreiben(ort_.Pfad() / "kestrav.ini", ini);
    const auto lauf = ProzessAusfuehren(
        {{KESTRAV_BIN_DIR "/kestrav-stapel", "--ja", "--einstellungen",
          (ort_.Pfad() / "kestrav.ini").string(), "--referenz", "aaaa0920.05o", "--referenz",
          "bbbb0920.05o", "--referenz", "cccc0920.05o", (Tag() / "07590920.05o").string()},
         ort_.Pfad(),
         StapelUmgebung(ort_.Pfad())});
    EXPECT_EQ(lauf.exitcode, 0) << lauf.ausgabe << lauf.fehler;
    const std::string mini = Datei("_ergebnis_092.mini");
    const std::string liste = Datei("_ergebnis_07590920_list.txt");
    const std::string zeile = liste.substr(liste.find("\r\n") + 2);
    EXPECT_EQ(mini.substr(mini.find("\r\n") + 2),
              zeile.substr(0, zeile.size() - 2) + "  " + std::string(8, ' ') + "\r\n");
    const auto w = Worte(zeile);
    ASSERT_GE(w.size(), 3u);
    EXPECT_EQ(Datei("_ergebnis_092.PYXZ"), w[0] + " " + w[1] + " " + w[2] + " \r\n");
}

// Referenzen, deren Beobachtungen (laut Inhalt einen Tag später) den Neupunkt nicht überlappen:
// die Meldung, die Kestrav als Punkt ohne gleichzeitige Beobachtungen verbucht.
TEST_F(Rtk, OhneUeberlappungKeineGleichzeitigenBeobachtungen) {
    std::string spaeter = BytesLesen(kDaten / "30400920.05o");
    for (std::size_t i = 0; (i = spaeter.find(" 05  4  2 ", i)) != std::string::npos;)
        spaeter.replace(i, 10, " 05  4  3 ");
    for (const char* k : {"aaaa", "bbbb", "cccc"})
        BytesSchreiben(Tag() / (std::string(k) + "0920.05o"), spaeter);
    PunktRechnen();
    EXPECT_EQ(Datei("qel.err"), "VEXLO-error: no simultaneous observations\r\n");
    EXPECT_FALSE(fs::exists(Tag() / "virt092.05o"));
    EXPECT_NE(Datei("bo.err").find("VEXLO-error: "), std::string::npos);
}

// Eine *.bog nur mit --geoid (sonst schaltet Kestrav beim Start auf ellipsoidische Höhen um); ein
// unlesbares Gitter ist ein Fehler der Installation.
TEST(RtkInstallation, GeoiddateiNurMitGitter) {
    const struct {
        std::vector<std::string> zusatz;
        int exitcode;
        bool bog;
    } faelle[] = {{{}, 0, false},
                  {{"--geoid", kGitter.string()}, 0, true},
                  {{"--geoid", "/fehlt.gtx"}, 1, false}};
    for (const auto& f : faelle) {
        TempVerzeichnis ort;
        std::vector<std::string> aufruf{KESTRAV_BIN_DIR "/vexlo-rtk", "--installieren", "e"};
        aufruf.insert(aufruf.end(), f.zusatz.begin(), f.zusatz.end());
        EXPECT_EQ(ProzessAusfuehren({aufruf, ort.Pfad(), {}}).exitcode, f.exitcode);
        EXPECT_TRUE(fs::exists(ort.Pfad() / "e" / "bo2.exe"));
        // Eine *.bog unter anderem Namen als der des Gitters fände Kestrav nicht.
        std::size_t bogs = 0;
        for (const auto& e : fs::directory_iterator(ort.Pfad() / "e"))
            bogs += e.path().extension() == ".bog";
        EXPECT_EQ(bogs, f.bog ? 1u : 0u);
        EXPECT_EQ(fs::exists(ort.Pfad() / "e" / "egm96_15.gtx.bog"), f.bog);
    }
}

} // namespace
