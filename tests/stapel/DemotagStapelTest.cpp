// kestrav-stapel über den Demotag von vexlo-sim, mit dem Simulator als Rechenkern in einem
// temporären Laufwerk C:, so wie scripts/demo.sh ihn ohne Bildschirm rechnet. Dass der Simulator
// selbst richtig rechnet, prüfen die Tests von vexlo-sim gegen PROJ; hier zählt, was Kestrav aus
// seinen Dateien macht. Die leere NHN-Spalte ohne " +Sb" zeigt der Test mit vexlo-rtk.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

// np01 sauber, np02 mit allen fünf Warnungen, np03 liegt zeitlich neben den Referenzen: ohne
// Ergebnisliste und Lösung vier Marken im Mini-Protokoll und drei in den Koordinaten. Qel und Bo
// schreiben dazu ihre *.err; Kestrav liest sie nur im Fehlerweg, und der wird ohne Laufzeitfehler
// nicht betreten. Keine Reste im Tag, Einstellungen unverändert, die Ausgaben des Rechenkerns im
// Protokoll.
TEST(DemotagStapel, MeldungenErgebnisdateienUndAufgeraeumt) {
    TempVerzeichnis ort;
    const fs::path tag = ort / "tag";
    for (const auto& [schalter, ziel] :
         {std::pair{"--installieren", ort / "c/programme/vexlo"}, {"--demo", tag}}) {
        const auto sim = ProzessAusfuehren(
            {{KESTRAV_BIN_DIR "/vexlo-sim", schalter, ziel.string()}, ort.Pfad(), {}});
        ASSERT_EQ(sim.exitcode, 0) << sim.fehler;
    }
    // Die ausgelieferten Einstellungen mit "Anzeige Berechnung": "pause" am Ende jedes Punktes
    // (eine eigene Datei: build/bin/kestrav.ini kann ein anderer Lauf verändert haben).
    std::string ini = BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
    ini.replace(ini.find("Anzeige Berechnung = 0"), 22, "Anzeige Berechnung = 1");
    BytesSchreiben(ort / "tag.ini", ini);

    const auto lauf =
        ProzessAusfuehren({{KESTRAV_BIN_DIR "/kestrav-stapel", "--ja", "--einstellungen",
                            (ort / "tag.ini").string(), (tag / "np012830.23o").string()},
                           ort.Pfad(),
                           StapelUmgebung(ort.Pfad())});

    EXPECT_EQ(lauf.exitcode, 1) << lauf.fehler;
    EXPECT_EQ(lauf.ausgabe, "== Vexlo Neuberechnung ==\n"
                            "Alle Ergebnisdateien werden jetzt überschrieben!   \n"
                            "-> Ja\n"
                            "== Achtung Warnungen! ==\n"
                            "3 Neupunktkoordinaten mit 9 Warnungen berechnet!\n"
                            "Siehe Datei <_ergebnis_283.mini>!\n"
                            "-> OK\n");
    EXPECT_EQ(lauf.fehler, "");
    EXPECT_EQ(BytesLesen(tag / "_ergebnis_283.mini"),
              "RovN                Y [m]         X [m]     h [m] Qualit\xE4t Epochen Fix [%] Zeit "
              "[min]   Sat  PDOP  NHN-H\xF6he\r\n"
              "NP01         32538731.716   5653443.445   245.312 high         110      97       "
              "55.0  26.1   0.9   197.998\r\n"
              "NP02         32542909.237   5657059.910   198.745 niedrig        7       0        "
              "3.5   4.9  14.0 * * * * *   151.533\r\n"
              " * * * *          \r\n");
    EXPECT_EQ(BytesLesen(tag / "_ergebnis_283.PYXZ"),
              "NP01 32538731.716 5653443.445 197.998\r\n"
              "NP02 32542909.237 5657059.910 151.533\r\n* * * \r\n");
    for (const auto& eintrag : fs::directory_iterator(tag)) {
        const std::string name = eintrag.path().filename().string();
        EXPECT_TRUE(name != "Kestrav.bat" && name != "$$$$$.atx" && name != "qellog.txt" &&
                    name != "_ergebnis_2830.info" && name.rfind("virt", 0) != 0)
            << name;
    }
    EXPECT_EQ(BytesLesen(tag / "qel.err"), "VEXLO-error: no simultaneous observations\r\n");
    EXPECT_TRUE(fs::exists(tag / "_ergebnis_np032830_qelelog.txt"));
    EXPECT_EQ(BytesLesen(ort / "tag.ini"), ini);
    // Was Engine und "pause" ausgeben, steht im Protokoll statt zwischen den Meldungen.
    EXPECT_NE(BytesLesen(tag / "_ergebnis_283.stapel.log").find("cken Sie eine beliebige Taste"),
              std::string::npos);
}
