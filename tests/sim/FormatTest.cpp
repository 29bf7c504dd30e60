// Seltenere Formen von RINEX 2.11, von Hand geschrieben: Fortsetzungszeilen der Typen und
// Satelliten, Ereignisse, Phasensprungsätze, Satelliten ohne Systemkennung, Sekunden knapp
// unter der vollen Sekunde. Bo liest beide Dateien; die Ergebnisliste zeigt, was gezählt wurde.
#include "Demodaten.h"

namespace {

std::string Kopf(std::string inhalt, const std::string& beschriftung) {
    inhalt.resize(60, ' ');
    return inhalt + beschriftung + "\n";
}

// Epochen als {Sekunden ab 8:00, Ereigniskennung}; Kennung 4: zwei Kopfzeilen im Datenteil.
std::string HandDatei(const std::vector<std::string>& typen,
                      const std::vector<std::pair<double, int>>& epochen, bool ohneSystem,
                      const std::string& zeilenende) {
    std::vector<std::string> sat{ohneSystem ? " 1 " : "G01"};
    for (int n = 2; n <= 12; ++n)
        sat.push_back((n < 10 ? "G0" : "G") + std::to_string(n));
    sat.insert(sat.end(), {"R01", "E11", "S20"});
    std::string d =
        Kopf("     2.11           OBSERVATION DATA    M (MIXED)", "RINEX VERSION / TYPE") +
        Kopf("HAND", "MARKER NAME") +
        Kopf("  3963751.3718   667027.7711  4935921.3698", "APPROX POSITION XYZ");
    std::string t = std::to_string(typen.size());
    t.insert(0, 6 - t.size(), ' ');
    for (std::size_t i = 0; i < typen.size(); ++i) {
        if (i > 0 && i % 9 == 0) {
            d += Kopf(t, "# / TYPES OF OBSERV");
            t = "      ";
        }
        t += "    " + typen[i];
    }
    d += Kopf(t, "# / TYPES OF OBSERV") + Kopf("", "END OF HEADER");
    char zeit[64];
    for (const auto& [sekunden, kennung] : epochen) {
        std::snprintf(zeit, sizeof zeit, " 23 10 10  8%3d%11.7f  %d%3zu", int(sekunden) / 60,
                      sekunden - int(sekunden) / 60 * 60, kennung, kennung == 6 ? 1 : sat.size());
        if (kennung == 4) {
            d += std::string(zeit, 29) + "  2\n" + Kopf("MITTEN IM DATENTEIL", "COMMENT") +
                 Kopf("NOCH EINE", "COMMENT");
            continue;
        }
        const std::vector<std::string> hier = kennung == 6 ? std::vector<std::string>{"G02"} : sat;
        std::string z = zeit;
        for (std::size_t i = 0; i < hier.size(); ++i) {
            if (i > 0 && i % 12 == 0) {
                d += z + "\n";
                z = std::string(32, ' ');
            }
            z += hier[i];
        }
        d += z + "\n";
        for (std::size_t s = 0; s < hier.size(); ++s)
            for (std::size_t i = 0; i < typen.size(); i += 5) {
                for (std::size_t j = i; j < typen.size() && j < i + 5; ++j)
                    d += "  21000000.125 7";
                d += "\n";
            }
    }
    std::string mitEnde;
    for (char c : d)
        mitEnde += c == '\n' ? zeilenende : std::string(1, c);
    return mitEnde;
}

} // namespace

// Jede Zeilentrennung wird gelesen: LF, CR LF und ein einzelnes CR.
class Sonderformen : public Demodaten, public ::testing::WithParamInterface<std::string> {};

TEST_P(Sonderformen, BoZaehltNurEchteGemeinsameEpochen) {
    Schreiben("a.23o",
              HandDatei({"C1", "L1", "L2", "P1", "P2", "D1", "D2", "S1", "S2", "C5"},
                        {{0, 0}, {10, 4}, {30, 0}, {30, 6}, {60, 1}, {90, 0}}, false, GetParam()));
    Schreiben("b.23o", HandDatei({"C1", "L1"}, {{0, 0}, {29.9999999, 0}, {60.0000001, 0}, {120, 0}},
                                 true, GetParam()));
    ASSERT_TRUE(Geordnet(Job("bo2 a.23o b.23o +FEl.txt +FSs.txt +FLp.txt")));
    ASSERT_TRUE(Gibt("l.txt")) << Datei("bo.err");
    const auto s = Spalten(CrLfZeilen(Datei("l.txt"))[1]);
    ASSERT_EQ(s.size(), 10u);
    EXPECT_EQ(s[0], "HAND");
    EXPECT_EQ(s[5], "3");    // 08:00:00, 08:00:30, 08:01:00
    EXPECT_EQ(s[7], "1.5");  // zwei Intervalle plus eines
    EXPECT_EQ(s[8], "15.0"); // alle fünfzehn Satelliten, G01 auch ohne Systemkennung
    EXPECT_EQ(s[6], "0");    // kein Bogen erreicht fünf Minuten
}

INSTANTIATE_TEST_SUITE_P(Zeilenenden, Sonderformen, ::testing::Values("\n", "\r\n", "\r"));
