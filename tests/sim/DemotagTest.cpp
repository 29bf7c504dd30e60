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
    return (s[4] != "high") + (Zahl(s[6]) < 90) + (Zahl(s[7]) < 5) + (Zahl(s[8]) < 5) +
           (Zahl(s[9]) > 6);
}

class Demotag : public Demodaten {
protected:
    // Spalten der einzigen Ergebniszeile nach dem Kopf.
    std::vector<std::string> Ergebnis(const std::string& stamm) {
        const auto liste = CrLfZeilen(Datei("_ergebnis_" + stamm + "_list.txt"));
        EXPECT_EQ(liste.size(), 2u);
        auto s = liste.size() == 2 ? Spalten(liste[1]) : std::vector<std::string>{};
        EXPECT_EQ(s.size(), 10u);
        s.resize(10);
        return s;
    }
};

} // namespace

TEST_F(Demotag, SaubererPunktWieProjOhneWarnungInWindows1252MitCrLf) {
    PunktRechnen("np012830.23o");
    EXPECT_EQ(Datei("qellog.txt").find("FATAL ERROR:"), std::string::npos) << Datei("qellog.txt");
    const auto s = Ergebnis("np012830");
    const Sollwerte soll = MitProj(Naeherung(Datei("np012830.23o")));
    EXPECT_EQ(s[0], "NP01");
    EXPECT_NEAR(Zahl(s[1]), soll.rechtswert, 0.01);
    EXPECT_NEAR(Zahl(s[2]), soll.hochwert, 0.01);
    EXPECT_NEAR(Zahl(s[3]), soll.hoehe, 0.01);
    EXPECT_NEAR(Zahl(s[3]), 245.312, 0.01); // Höhe der Demodaten selbst
    EXPECT_EQ(Warnungen(s), 0);
    // Die Normalhöhe ist die Höhe über dem EGM96-Geoid, in Deutschland rund 47 m darunter.
    const std::string loesung = Datei("_ergebnis_np012830_sol.txt");
    const std::size_t nhn = loesung.find("\r\nNHN-H\xF6he [m]: ");
    ASSERT_NE(nhn, std::string::npos);
    EXPECT_NEAR(Zahl(loesung.substr(nhn + 16)), soll.normalhoehe, 0.01);
    EXPECT_NEAR(Zahl(s[3]) - Zahl(loesung.substr(nhn + 16)), 47.3, 1.0);
    EXPECT_NE(Datei("_ergebnis_np012830_list.txt").find("Qualit\xE4t"), std::string::npos);
    for (const std::string name : {"qellog.txt", "virt283.23o", "_ergebnis_np012830_list.txt",
                                   "_ergebnis_np012830_sol.txt", "_ergebnis_np012830_log.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(CrLfZeilen(Datei(name)).empty());
    }
    for (const std::string& zeile : CrLfZeilen(Datei("virt283.23o"))) {
        EXPECT_EQ(zeile.size(), 80u) << zeile;
        if (zeile.find("END OF HEADER") != std::string::npos)
            break;
    }
}

TEST_F(Demotag, KurzeSitzungWarntOhneUeberlappungNurFehlerdatei) {
    PunktRechnen("np022830.23o");
    const auto s = Ergebnis("np022830");
    const Sollwerte soll = MitProj(Naeherung(Datei("np022830.23o")));
    EXPECT_NEAR(Zahl(s[1]), soll.rechtswert, 0.01);
    EXPECT_NEAR(Zahl(s[2]), soll.hochwert, 0.01);
    EXPECT_NE(s[4], "high");
    EXPECT_LT(Zahl(s[7]), 5.0);
    EXPECT_GE(Warnungen(s), 4);

    fs::remove(Arbeit() / "virt283.23o");
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
        const std::size_t anfang = rinex.rfind("\r\n", ende);
        const bool sapos = rinex.substr(anfang, ende - anfang).find("SAPOS") != std::string::npos;
        EXPECT_EQ(sapos, name.rfind("ref", 0) == 0) << name;
    }
}

TEST_F(Demotag, SchalterFuerSystemeUndNormalhoeheWirken) {
    PunktRechnen("np012830.23o");
    const double alle = Zahl(Ergebnis("np012830")[8]);
    // Ohne GLONASS und Galileo in Qel, ohne "+Sb" in Bo.
    auto zeilen = Jobzeilen("np012830.23o", "-e10 -SVR -SVE +A$$$$$.atx");
    zeilen[1] = zeilen[1].substr(0, zeilen[1].find(" +Sb"));
    for (const std::string& zeile : zeilen)
        ASSERT_TRUE(JobzeileAusfuehren(Engine(), zeile, Arbeit()).beendet);
    const std::string virt = Datei("virt283.23o");
    const std::string epochen = virt.substr(virt.find("END OF HEADER"));
    EXPECT_EQ(epochen.find('R', 20), std::string::npos);
    EXPECT_EQ(epochen.find('E', 20), std::string::npos);
    EXPECT_NE(epochen.find('G', 20), std::string::npos);
    const double nurGps = Zahl(Ergebnis("np012830")[8]);
    EXPECT_LT(nurGps, alle / 2);
    EXPECT_GE(nurGps, 5.0);
    EXPECT_EQ(Datei("_ergebnis_np012830_sol.txt").find("NHN-H"), std::string::npos);
}

// Jeder Aufrufname, jede Version: dieselben Bytes, auch beim zweiten Lauf.
TEST_F(Demotag, JederAufrufnameRechnetGleich) {
    PunktRechnen("np012830.23o");
    const std::string soll = Datei("_ergebnis_np012830_list.txt");
    const std::string sollVirt = Datei("virt283.23o");
    ASSERT_FALSE(soll.empty());
    auto zeilen = Jobzeilen("np012830.23o");
    std::vector<std::string> argumente[2];
    for (int i = 0; i < 2; ++i) {
        std::istringstream w(zeilen[i].substr(zeilen[i].find(' ') + 1));
        for (std::string a; w >> a;)
            argumente[i].push_back(a);
    }
    for (const auto& [qel, bo] : {std::pair<std::string, std::string>{"QEL2.EXE", "BO2.EXE"},
                                  {"c:\\programme\\vexlo\\qel.exe", "/opt/x/Bo1"}}) {
        SCOPED_TRACE(qel + " " + bo);
        fs::remove(Arbeit() / "virt283.23o");
        fs::remove(Arbeit() / "_ergebnis_np012830_list.txt");
        ASSERT_TRUE(SimAusfuehren(Engine() / "vexlo-sim", qel, argumente[0], Arbeit()).beendet);
        ASSERT_TRUE(SimAusfuehren(Engine() / "vexlo-sim", bo, argumente[1], Arbeit()).beendet);
        EXPECT_EQ(Datei("_ergebnis_np012830_list.txt"), soll);
        EXPECT_EQ(Datei("virt283.23o"), sollVirt);
    }
}

// Ein MARKER NAME mit Leerzeichen oder "_" würde Kestravs Spalten verschieben.
TEST_F(Demotag, MarkernameMitTrennerWirdZurKennung) {
    const std::string np = Datei("np012830.23o");
    for (const std::string marker : {"NP_01", "NP 01"}) {
        std::string ersetzt = np;
        ersetzt.replace(np.find("NP01"), 5, marker); // "NP01 " hat auch fünf Zeichen
        Schreiben("np012830.23o", ersetzt);
        PunktRechnen("np012830.23o");
        EXPECT_EQ(Ergebnis("np012830")[0], "np01") << marker;
    }
}
