// Seltenere Formen von RINEX 2.11, von Hand geschrieben: Fortsetzungszeilen der Typen und
// Satelliten, Ereignisse, Phasensprungsätze, Satelliten ohne Systemkennung, Sekunden knapp
// unter der vollen Sekunde. Bo liest beide Dateien; die Ergebnisliste zeigt, was gezählt wurde.
#include "Demodaten.h"

#include <cstdio>

namespace {

std::string Kopf(const std::string& inhalt, const std::string& beschriftung) {
    std::string z = inhalt;
    z.resize(60, ' ');
    return z + beschriftung + "\n";
}

struct Epochenangabe {
    const char* zeit; // " 23 10 10  8  0  0.0000000"
    int kennung;
    std::vector<std::string> satelliten;
};

std::string HandDatei(const std::vector<std::string>& typen,
                      const std::vector<Epochenangabe>& epochen) {
    std::string d =
        Kopf("     2.11           OBSERVATION DATA    M (MIXED)", "RINEX VERSION / TYPE");
    d += Kopf("HAND", "MARKER NAME");
    d += Kopf("  3963751.3718   667027.7711  4935921.3698", "APPROX POSITION XYZ");
    char zeile[96];
    std::snprintf(zeile, sizeof zeile, "%6zu", typen.size());
    std::string t = zeile;
    for (std::size_t i = 0; i < typen.size(); ++i) {
        if (i > 0 && i % 9 == 0) {
            d += Kopf(t, "# / TYPES OF OBSERV");
            t = "      ";
        }
        t += "    " + typen[i];
    }
    d += Kopf(t, "# / TYPES OF OBSERV");
    d += Kopf("", "END OF HEADER");
    for (const Epochenangabe& e : epochen) {
        std::snprintf(zeile, sizeof zeile, "%s  %d%3zu", e.zeit, e.kennung, e.satelliten.size());
        std::string z = zeile;
        if (e.kennung == 4) { // Kopfangaben im Datenteil
            d += z + "\n" + Kopf("MITTEN IM DATENTEIL", "COMMENT") + Kopf("NOCH EINE", "COMMENT");
            continue;
        }
        for (std::size_t i = 0; i < e.satelliten.size(); ++i) {
            if (i > 0 && i % 12 == 0) {
                d += z + "\n";
                z = std::string(32, ' ');
            }
            z += e.satelliten[i];
        }
        d += z + "\n";
        for (std::size_t s = 0; s < e.satelliten.size(); ++s)
            for (std::size_t i = 0; i < typen.size(); i += 5) {
                for (std::size_t j = i; j < typen.size() && j < i + 5; ++j)
                    d += "  21000000.125 7";
                d += "\n";
            }
    }
    return d;
}

std::vector<std::string> Satelliten(bool ohneSystem) {
    std::vector<std::string> s{ohneSystem ? " 1" : "G01"};
    for (int n = 2; n <= 12; ++n)
        s.push_back((n < 10 ? "G0" : "G") + std::to_string(n));
    s.insert(s.end(), {"R01", "E11", "S20"});
    for (std::string& x : s)
        x.resize(3, ' ');
    return s;
}

std::string MitZeilenende(const std::string& text, const std::string& ende) {
    std::string s;
    for (char c : text)
        s += c == '\n' ? ende : std::string(1, c);
    return s;
}

} // namespace

// Jede Zeilentrennung wird gelesen: LF, CR LF und ein einzelnes CR.
class Sonderformen : public Demodaten, public ::testing::WithParamInterface<std::string> {};

TEST_P(Sonderformen, BoZaehltNurEchteGemeinsameEpochen) {
    const std::vector<std::string> zehn{"C1", "L1", "L2", "P1", "P2", "D1", "D2", "S1", "S2", "C5"};
    const auto sat = Satelliten(false);
    Schreiben("a.23o", MitZeilenende(HandDatei(zehn, {{" 23 10 10  8  0  0.0000000", 0, sat},
                                                      {" 23 10 10  8  0 10.0000000", 4, {"x", "y"}},
                                                      {" 23 10 10  8  0 30.0000000", 0, sat},
                                                      {" 23 10 10  8  0 30.0000000", 6, {"G02"}},
                                                      {" 23 10 10  8  1  0.0000000", 1, sat},
                                                      {" 23 10 10  8  1 30.0000000", 0, sat}}),
                                     GetParam()));
    const auto ohne = Satelliten(true);
    Schreiben("b.23o",
              MitZeilenende(HandDatei({"C1", "L1"}, {{" 23 10 10  8  0  0.0000000", 0, ohne},
                                                     {" 23 10 10  8  0 29.9999999", 0, ohne},
                                                     {" 23 10 10  8  1  0.0000001", 0, ohne},
                                                     {" 23 10 10  8  2  0.0000000", 0, ohne}}),
                            GetParam()));
    const SimErgebnis e = SimAusfuehren(
        Engine() / "bo2", "bo2", {"a.23o", "b.23o", "+FEl.txt", "+FSs.txt", "+FLp.txt"}, Arbeit());
    ASSERT_TRUE(e.beendet);
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
