// Der Simulator auf echten Dateien (GSI 0759 und 3040, 2005 Tag 092, dazu 3040 unter drei Namen):
// alle 120 gemeinsamen Epochen auch mit Zeitmarken, die um Millisekunden abweichen, in RINEX 3
// und mit abgeschnittener letzter Epoche (die wegfällt); eine Zone für den Lauf (54, Japan).
#include "Demodaten.h"

#include <regex>

namespace fs = std::filesystem;

namespace {

const fs::path kDaten = fs::path(KESTRAV_SOURCE_DIR) / "data" / "rtklib-gsi-2005-092";

TEST_F(Demodaten, EchteDateienAlleEpochenInEinerZone) {
    const std::string neupunkt = BytesLesen(kDaten / "07590920.05o");
    const struct {
        const char* fall;
        std::string datei; // leer: RINEX 3 von convbin
        const char* epochen;
    } faelle[] = {
        {"unverändert", neupunkt, "120"},
        {"Zeitmarken 4 ms später",
         std::regex_replace(neupunkt, std::regex("0\\.0000000  0 "), "0.0040000  0 "), "120"},
        {"letzte Epoche abgeschnitten", neupunkt.substr(0, neupunkt.size() - 250), "119"},
        {"RINEX 3", "", "120"},
    };
    for (const char* k : {"aaaa", "bbbb", "cccc"})
        fs::copy_file(kDaten / "30400920.05o", Arbeit() / (std::string(k) + "0920.05o"));
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        Schreiben("07590920.05o", f.datei);
        // Ohne convbin (Paket rtklib) kein RINEX 3 zur Hand.
        if (f.datei.empty() &&
            ProzessAusfuehren({{"/usr/bin/convbin", "-r", "rinex", "-v", "3.04", "-hm", "0759",
                                "-hp", "-3976219.5082/3382372.5671/3652512.9849", "-o",
                                "07590920.05o", (kDaten / "07590920.05o").string()},
                               Arbeit(),
                               {}})
                    .exitcode != 0)
            continue;
        EXPECT_EQ(Datei("07590920.05o").substr(5, 4), f.datei.empty() ? "3.04" : "2.10");
        SimAusfuehren(Engine() / "qel2", {"07590920.05o", "aaaa,bbbb,cccc", "+PRO"}, Arbeit());
        SimAusfuehren(Engine() / "bo2", {"virt092.05o", "07590920.05o", "+FEl.txt", "-e10"},
                      Arbeit());
        const auto liste = CrLfZeilen(Datei("l.txt"));
        ASSERT_EQ(liste.size(), 2u) << Datei("qellog.txt");
        const auto s = Spalten(liste[1]);
        ASSERT_EQ(s.size(), 10u);
        EXPECT_EQ(s[5], f.epochen);
        EXPECT_EQ(s[1].substr(0, 3), "543");
    }
}

} // namespace
