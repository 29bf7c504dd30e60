// Der Demotag durch Qel und Bo, wie Kestravs Jobdatei sie aufruft. Die Koordinaten rechnet der
// Stapeltest über den ganzen Lauf gegen PROJ nach; hier zählen Dateiformat, Schalter und Namen.
#include "Demodaten.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

double Zahl(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

class Demotag : public Demodaten {
protected:
    // Spalten der einzigen Ergebniszeile nach dem Kopf.
    std::vector<std::string> Ergebnis() {
        const auto liste = CrLfZeilen(Datei("_ergebnis_np012830_list.txt"));
        EXPECT_EQ(liste.size(), 2u);
        auto s = Spalten(liste.size() == 2 ? liste[1] : "");
        EXPECT_EQ(s.size(), 10u);
        s.resize(10);
        return s;
    }
};

} // namespace

TEST_F(Demotag, FormateAufrufnamenUndSchalter) {
    PunktRechnen("np012830.23o");
    EXPECT_EQ(Datei("qellog.txt").find("FATAL ERROR:"), std::string::npos) << Datei("qellog.txt");
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
    // Windows-1252: Kestrav liest die Kopfzeile und die Normalhöhe byte-genau.
    EXPECT_NE(Datei("_ergebnis_np012830_list.txt").find("Qualit\xE4t"), std::string::npos);
    EXPECT_NE(Datei("_ergebnis_np012830_sol.txt").find("\r\nNHN-H\xF6he [m]: "), std::string::npos);
    const std::string liste = Datei("_ergebnis_np012830_list.txt");
    const std::string virt = Datei("virt283.23o");
    const double alleSatelliten = Zahl(Ergebnis()[8]);

    // Jeder Aufrufname (Groß-/Kleinschreibung, .exe, Version 1): dieselben Bytes.
    const auto zeilen = Jobzeilen("np012830.23o");
    const std::string qelRest = zeilen[0].substr(zeilen[0].find(' '));
    const std::string boRest = zeilen[1].substr(zeilen[1].find(' '));
    for (const auto& [qel, bo] :
         {std::pair<std::string, std::string>{"QEL2.EXE", "BO2.EXE"}, {"qel.exe", "Bo1"}}) {
        SCOPED_TRACE(qel + " " + bo);
        for (const std::string& name : {qel, bo})
            if (!fs::exists(Engine() / name))
                fs::create_symlink(Engine() / "vexlo-sim", Engine() / name);
        fs::remove(Arbeit() / "virt283.23o");
        fs::remove(Arbeit() / "_ergebnis_np012830_list.txt");
        ASSERT_TRUE(Geordnet(Job(qel + qelRest)));
        ASSERT_TRUE(Geordnet(Job(bo + boRest)));
        EXPECT_EQ(Datei("_ergebnis_np012830_list.txt"), liste);
        EXPECT_EQ(Datei("virt283.23o"), virt);
    }

    // Ohne GLONASS und Galileo in Qel, ohne "+Sb" (Normalhöhe) in Bo.
    ASSERT_TRUE(Geordnet(Job(Jobzeilen("np012830.23o", "-e10 -SVR -SVE +Ademo.atx")[0])));
    ASSERT_TRUE(Geordnet(Job(zeilen[1].substr(0, zeilen[1].find(" +Sb")))));
    const std::string nurGpsVirt = Datei("virt283.23o");
    const std::string epochen = nurGpsVirt.substr(nurGpsVirt.find("END OF HEADER"));
    EXPECT_EQ(epochen.find('R', 20), std::string::npos);
    EXPECT_EQ(epochen.find('E', 20), std::string::npos);
    EXPECT_NE(epochen.find('G', 20), std::string::npos);
    const double nurGps = Zahl(Ergebnis()[8]);
    EXPECT_LT(nurGps, alleSatelliten / 2);
    EXPECT_GE(nurGps, 5.0);
    EXPECT_EQ(Datei("_ergebnis_np012830_sol.txt").find("NHN-H"), std::string::npos);
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
