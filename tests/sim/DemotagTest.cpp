// Der Demotag durch Qel und Bo, wie Kestravs Jobdatei sie aufruft: Koordinaten gegen PROJ,
// Dateiformat, Schalter und Aufrufnamen.
#include "Demodaten.h"

#include <proj.h>

#include <array>
#include <cstdio>

namespace {

// Unabhängig vom Simulator über die EPSG-Codes und die Datenbank von PROJ gerechnet.
// Rechtswert, Hochwert, ellipsoidische und Normalhöhe.
std::array<double, 4> MitProj(const std::array<double, 3>& x) {
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

// APPROX POSITION XYZ des RINEX-Kopfs: der wahre Ort des Demopunkts.
std::array<double, 3> Naeherung(const std::string& rinex) {
    std::array<double, 3> x{0, 0, 0};
    const std::size_t stelle = rinex.find("APPROX POSITION XYZ");
    if (stelle != std::string::npos && stelle >= 60)
        std::sscanf(rinex.c_str() + stelle - 60, "%lf %lf %lf", &x[0], &x[1], &x[2]);
    return x;
}

class Demotag : public Demodaten {
protected:
    // Spalten der einzigen Ergebniszeile nach dem Kopf.
    std::vector<std::string> Ergebnis(const std::string& stamm = "np012830") {
        const auto liste = CrLfZeilen(Datei("_ergebnis_" + stamm + "_list.txt"));
        EXPECT_EQ(liste.size(), 2u);
        auto s = Spalten(liste.size() == 2 ? liste[1] : "");
        EXPECT_EQ(s.size(), 10u);
        s.resize(10);
        return s;
    }
};

} // namespace

// Sauberer Punkt und kurze Sitzung; was Kestrav daraus macht und den Punkt ohne gleichzeitige
// Beobachtungen zeigt der Demotag von kestrav-stapel Byte für Byte.
TEST_F(Demotag, KoordinatenWieProj) {
    for (const std::string stamm : {"np012830", "np022830"}) {
        SCOPED_TRACE(stamm);
        PunktRechnen(stamm + ".23o");
        const auto s = Ergebnis(stamm);
        const auto soll = MitProj(Naeherung(Datei(stamm + ".23o")));
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(std::stod(s[i + 1]), soll[i], 0.01) << i;
        const std::string loesung = Datei("_ergebnis_" + stamm + "_sol.txt");
        const std::size_t nhn = loesung.find("\r\nNHN-H\xF6he [m]: ");
        ASSERT_NE(nhn, std::string::npos);
        EXPECT_NEAR(std::stod(loesung.substr(nhn + 16)), soll[3], 0.01);
    }
}

// Ein MARKER NAME mit Leerzeichen oder "_" würde Kestravs Spalten verschieben.
TEST_F(Demotag, MarkernameMitTrennerWirdZurKennung) {
    const std::string np = Datei("np012830.23o");
    for (const std::string marker : {"NP_01", "NP 01"}) {
        Schreiben("np012830.23o", std::string(np).replace(np.find("NP01"), 5, marker));
        PunktRechnen("np012830.23o");
        EXPECT_EQ(Ergebnis()[0], "np01") << marker;
    }
}
