// Der Demotag durch Qel und Bo, wie Kestravs Jobdatei sie aufruft; Koordinaten gegen PROJ.
#include "Demodaten.h"

#include <proj.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Sollwerte {
    double rechtswert, hochwert, hoehe, normalhoehe;
};

// Unabhängig vom Simulator über die EPSG-Codes und die Datenbank von PROJ gerechnet.
Sollwerte MitProj(const std::array<double, 3>& x) {
    PJ_CONTEXT* k = proj_context_create();
    PJ* utm = proj_create_crs_to_crs(k, "EPSG:4978", "EPSG:25832", nullptr);
    PJ* geo = proj_create_crs_to_crs(k, "EPSG:4978", "EPSG:4979", nullptr);
    PJ* nhn = proj_create_crs_to_crs(k, "EPSG:4979", "EPSG:4326+5773", nullptr);
    EXPECT_TRUE(utm && geo && nhn);
    const PJ_COORD u = proj_trans(utm, PJ_FWD, proj_coord(x[0], x[1], x[2], 0));
    const PJ_COORD g = proj_trans(geo, PJ_FWD, proj_coord(x[0], x[1], x[2], 0));
    const PJ_COORD h = proj_trans(nhn, PJ_FWD, g);
    for (PJ* p : {utm, geo, nhn})
        proj_destroy(p);
    proj_context_destroy(k);
    return {32'000'000.0 + u.xyz.x, u.xyz.y, u.xyz.z, h.xyz.z};
}

double Zahl(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

// Die fünf Tests von Kestrav mit den Vorgabegrenzwerten; Ergebnis: Zahl der Warnungen.
int Warnungen(const std::vector<std::string>& s) {
    auto spalte = [&](std::size_t n) { return n <= s.size() ? s[n - 1] : std::string(); };
    return (spalte(5) != "high") + (Zahl(spalte(7)) < 90) + (Zahl(spalte(8)) < 5) +
           (Zahl(spalte(9)) < 5) + (Zahl(spalte(10)) > 6);
}

std::string NhnText(const std::string& loesung) {
    const std::string marke = "NHN-H\xF6he [m]: ";
    const std::size_t stelle = loesung.find(marke);
    if (stelle == std::string::npos)
        return "";
    return loesung.substr(stelle + marke.size(),
                          loesung.find("\r\n", stelle) - stelle - marke.size());
}

} // namespace

class Demotag : public Demodaten {};

TEST_F(Demotag, SaubererPunktKoordinatenWieProjOhneWarnung) {
    PunktRechnen("np012830.23o");
    EXPECT_EQ(Datei("qellog.txt").find("FATAL ERROR:"), std::string::npos) << Datei("qellog.txt");
    EXPECT_TRUE(Gibt("virt283.23o"));
    const auto liste = CrLfZeilen(Datei("_ergebnis_np012830_list.txt"));
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_NE(liste[0].find("RovN"), std::string::npos);
    const auto s = Spalten(liste[1]);
    ASSERT_EQ(s.size(), 10u) << liste[1];
    const Sollwerte soll = MitProj(Naeherung(Datei("np012830.23o")));
    EXPECT_EQ(s[0], "NP01");
    EXPECT_NEAR(Zahl(s[1]), soll.rechtswert, 0.01);
    EXPECT_NEAR(Zahl(s[2]), soll.hochwert, 0.01);
    EXPECT_NEAR(Zahl(s[3]), soll.hoehe, 0.01);
    EXPECT_NEAR(Zahl(s[3]), 245.312, 0.01); // Höhe der Demodaten selbst
    EXPECT_EQ(Warnungen(s), 0) << liste[1];
    // Die Normalhöhe ist die Höhe über dem EGM96-Geoid, in Deutschland rund 47 m darunter.
    const std::string nhn = NhnText(Datei("_ergebnis_np012830_sol.txt"));
    ASSERT_FALSE(nhn.empty());
    EXPECT_NEAR(Zahl(nhn), soll.normalhoehe, 0.01);
    EXPECT_NEAR(Zahl(s[3]) - Zahl(nhn), 47.3, 1.0);
}

TEST_F(Demotag, KurzeSitzungZiehtWarnungenAufSich) {
    PunktRechnen("np022830.23o");
    const auto liste = CrLfZeilen(Datei("_ergebnis_np022830_list.txt"));
    ASSERT_EQ(liste.size(), 2u);
    const auto s = Spalten(liste[1]);
    ASSERT_EQ(s.size(), 10u) << liste[1];
    EXPECT_NE(s[4], "high");
    EXPECT_LT(Zahl(s[7]), 5.0);
    EXPECT_GE(Warnungen(s), 4) << liste[1];
    const Sollwerte soll = MitProj(Naeherung(Datei("np022830.23o")));
    EXPECT_NEAR(Zahl(s[1]), soll.rechtswert, 0.01);
    EXPECT_NEAR(Zahl(s[2]), soll.hochwert, 0.01);
}

TEST_F(Demotag, OhneUeberlappungNurFehlerdatei) {
    PunktRechnen("np032830.23o");
    EXPECT_NE(Datei("qel.err").find("VEXLO-error: no simultaneous observations"),
              std::string::npos);
    EXPECT_EQ(Datei("qellog.txt").find("FATAL ERROR:"), std::string::npos);
    EXPECT_FALSE(Gibt("virt283.23o"));
    EXPECT_FALSE(Gibt("_ergebnis_np032830_list.txt"));
    EXPECT_TRUE(Gibt("bo.err"));
}

TEST_F(Demotag, NurReferenzenTragenSaposImBeobachter) {
    for (const std::string name : {"refa", "refb", "refc", "refd", "np01", "np02", "np03"}) {
        const std::string rinex = Datei(name + "2830.23o");
        const std::size_t ende = rinex.find("OBSERVER / AGENCY");
        ASSERT_NE(ende, std::string::npos);
        const std::string zeile =
            rinex.substr(rinex.rfind("\r\n", ende) + 2, ende - rinex.rfind("\r\n", ende));
        EXPECT_EQ(zeile.find("SAPOS") != std::string::npos, name.rfind("ref", 0) == 0) << zeile;
    }
}

TEST_F(Demotag, AusgeschlosseneSystemeFehlenInDerVirtuellenStation) {
    PunktRechnen("np012830.23o");
    const double alle = Zahl(Spalten(CrLfZeilen(Datei("_ergebnis_np012830_list.txt"))[1])[8]);
    PunktRechnen("np012830.23o", "-e10 -SVR -SVE +A$$$$$.atx");
    const std::string virt = Datei("virt283.23o");
    const std::string epochen = virt.substr(virt.find("END OF HEADER"));
    EXPECT_EQ(epochen.find('R', 20), std::string::npos);
    EXPECT_EQ(epochen.find('E', 20), std::string::npos);
    EXPECT_NE(epochen.find('G', 20), std::string::npos);
    const double nurGps = Zahl(Spalten(CrLfZeilen(Datei("_ergebnis_np012830_list.txt"))[1])[8]);
    EXPECT_LT(nurGps, alle / 2);
    EXPECT_GE(nurGps, 5.0);
}

TEST_F(Demotag, TextdateienWindows1252MitCrLf) {
    PunktRechnen("np012830.23o");
    for (const std::string name : {"qellog.txt", "virt283.23o", "_ergebnis_np012830_list.txt",
                                   "_ergebnis_np012830_sol.txt", "_ergebnis_np012830_log.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(CrLfZeilen(Datei(name)).empty());
    }
    EXPECT_NE(Datei("_ergebnis_np012830_list.txt").find("Qualit\xE4t"), std::string::npos);
    EXPECT_NE(Datei("_ergebnis_np012830_sol.txt").find("\r\nNHN-H\xF6he [m]: "), std::string::npos);
    for (const std::string& zeile : CrLfZeilen(Datei("virt283.23o"))) {
        EXPECT_EQ(zeile.size(), 80u) << zeile;
        if (zeile.find("END OF HEADER") != std::string::npos)
            break;
    }
}

TEST_F(Demotag, OhneSbKeineNormalhoehe) {
    auto zeilen = Jobzeilen("np012830.23o");
    zeilen[1] = zeilen[1].substr(0, zeilen[1].find(" +Sb"));
    for (const std::string& zeile : zeilen)
        ASSERT_TRUE(JobzeileAusfuehren(Engine(), zeile, Arbeit()).beendet);
    EXPECT_EQ(Datei("_ergebnis_np012830_sol.txt").find("NHN-H"), std::string::npos);
    EXPECT_TRUE(Gibt("_ergebnis_np012830_list.txt"));
}

// Jeder Aufrufname, jede Version: dieselben Bytes, auch beim zweiten Lauf.
struct Aufrufform {
    std::string qel;
    std::string bo;
};

void PrintTo(const Aufrufform& f, std::ostream* aus) {
    *aus << f.qel << " " << f.bo;
}

class Aufrufnamen : public Demodaten, public ::testing::WithParamInterface<Aufrufform> {};

TEST_P(Aufrufnamen, GleicheErgebnisseWieQel2UndBo2) {
    PunktRechnen("np012830.23o");
    const std::string soll = Datei("_ergebnis_np012830_list.txt");
    const std::string sollVirt = Datei("virt283.23o");
    ASSERT_FALSE(soll.empty());
    fs::remove(Arbeit() / "virt283.23o");
    fs::remove(Arbeit() / "_ergebnis_np012830_list.txt");
    auto zeilen = Jobzeilen("np012830.23o");
    const fs::path programm = Engine() / "vexlo-sim";
    const auto argumente = [](const std::string& zeile) {
        std::istringstream w(zeile.substr(zeile.find(' ') + 1));
        std::vector<std::string> a;
        for (std::string s; w >> s;)
            a.push_back(s);
        return a;
    };
    ASSERT_TRUE(SimAusfuehren(programm, GetParam().qel, argumente(zeilen[0]), Arbeit()).beendet);
    ASSERT_TRUE(SimAusfuehren(programm, GetParam().bo, argumente(zeilen[1]), Arbeit()).beendet);
    EXPECT_EQ(Datei("_ergebnis_np012830_list.txt"), soll);
    EXPECT_EQ(Datei("virt283.23o"), sollVirt);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, Aufrufnamen,
    ::testing::Values(Aufrufform{"qel", "bo1"}, Aufrufform{"QEL2.EXE", "BO2.EXE"},
                      Aufrufform{"c:\\programme\\vexlo\\qel.exe", "c:\\programme\\vexlo\\bo2"},
                      Aufrufform{"/opt/x/Qel.Exe", "/opt/x/Bo1"}));

// Ein MARKER NAME mit Leerzeichen oder "_" würde Kestravs Spalten verschieben.
TEST_F(Demotag, MarkernameMitTrennerWirdZurKennung) {
    for (const std::string marker : {"NP_01", "NP 01"}) {
        const std::string np = Datei("np012830.23o");
        std::string ersetzt = np;
        const std::size_t stelle = np.find("NP01");
        ersetzt.replace(stelle, 5, marker); // "NP01 " -> fünf Zeichen, Spalten bleiben
        Schreiben("np012830.23o", ersetzt);
        PunktRechnen("np012830.23o");
        const auto s = Spalten(CrLfZeilen(Datei("_ergebnis_np012830_list.txt"))[1]);
        EXPECT_EQ(s.size(), 10u);
        EXPECT_EQ(s[0], "np01") << marker;
        Schreiben("np012830.23o", np);
    }
}
