// kestrav-stapel als echter Prozess über vorbereiteten Verzeichnissen, mit Shell-Skripten als
// Rechenkern in einem temporären Laufwerk C:. Meldungen mit Warnungen prüft der Demotag.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Rinex(const std::string& observer) {
    return "     2.11           OBSERVATION DATA    M (MIXED)           RINEX VERSION / TYPE\r\n" +
           (observer + std::string(60 - observer.size(), ' ')) + "OBSERVER / AGENCY\r\n" +
           std::string(60, ' ') + "END OF HEADER\r\n";
}

void Skript(const fs::path& datei, const std::string& rumpf) {
    BytesSchreiben(datei, "#!/bin/sh\n" + rumpf);
    chmod(datei.c_str(), 0755);
}

// Ein Aufruf: Argumente durch Leerzeichen getrennt (TAG steht für das Tagesverzeichnis, NP für
// den Neupunkt darin), ob die ANTEX-Datei fehlt, Exitcode, erwarteter Teil der Ausgaben und ob
// gerechnet wurde.
struct Aufruf {
    const char* name;
    const char* argumente;
    bool ohneAntex;
    int exitcode;
    const char* erwartet;
    bool gerechnet;
};

void PrintTo(const Aufruf& a, std::ostream* os) {
    *os << a.name;
}

class Stapel : public ::testing::TestWithParam<Aufruf> {
protected:
    void SetUp() override {
        fs::path vexlo = temp / "c" / "programme" / "vexlo";
        BytesSchreiben(vexlo / "bo2.exe", "");
        BytesSchreiben(vexlo / "geoid.bog", "");
        // Qel hinterlässt sein Log, Bo Ergebnisliste und Lösung.
        Skript(vexlo / "qel2", "printf 'Qel ok\\r\\n' > qellog.txt\n");
        Skript(vexlo / "bo2",
               "printf '  Punkt RovN Y X h Q T Amb Zeit Sat PDOP\\r\\n%s 32500000.1 5600000.2 "
               "101.5 high 1 95 12 7.5 1.8\\r\\n' \"${2%%.*}\" > \"${3#+FE}\"\n"
               "printf 'NHN-H\\366he [m]: 55.125\\r\\n' > \"${4#+FS}\"\n");
        for (const char* ref : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
            BytesSchreiben(tag / ref, Rinex("SAPOS"));
        BytesSchreiben(tag / "np012830.23o", Rinex("Messtrupp"));
        if (!GetParam().ohneAntex)
            BytesSchreiben(tag / "igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");
    }

    TempVerzeichnis temp;
    fs::path tag = temp / "tag1";
};

TEST_P(Stapel, ExitcodeUndMeldungen) {
    const Aufruf& a = GetParam();
    std::vector<std::string> argumente{KESTRAV_BIN_DIR "/kestrav-stapel"};
    std::istringstream woerter(a.argumente);
    for (std::string arg; woerter >> arg;)
        argumente.push_back(arg == "TAG"  ? tag.string()
                            : arg == "NP" ? (tag / "np012830.23o").string()
                                          : arg);
    const Prozesslauf lauf = ProzessAusfuehren({argumente,
                                                temp.Pfad(),
                                                {{"KESTRAV_LAUFWERK_C", (temp / "c").string()},
                                                 {"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"},
                                                 {"DISPLAY", ""},
                                                 {"WAYLAND_DISPLAY", ""}}});
    EXPECT_EQ(lauf.exitcode, a.exitcode) << lauf.ausgabe << lauf.fehler;
    EXPECT_NE((lauf.ausgabe + lauf.fehler).find(a.erwartet), std::string::npos)
        << lauf.ausgabe << lauf.fehler;
    EXPECT_EQ(fs::exists(tag / "_ergebnis_283.PYXZ"), a.gerechnet);
    EXPECT_FALSE(fs::exists(tag / "Kestrav.bat"));
}

const char* const OhneWarnungen =
    "== Vexlo Neuberechnung ==\nAlle Ergebnisdateien werden jetzt überschrieben!   \n-> Ja\n"
    "== Kestrav ==\n1 Neupunktkoordinaten ohne Warnungen berechnet!\n-> OK\n";

INSTANTIATE_TEST_SUITE_P(
    Faelle, Stapel,
    ::testing::Values(
        Aufruf{"Verzeichnis", "TAG", false, 0, OhneWarnungen, true},
        // Ohne ANTEX-Datei fragt das Programm; ohne --ja heißt die Antwort Nein.
        Aufruf{"OhneAntex", "NP", true, 2, "Berechnung starten?\n-> Nein\n", false},
        Aufruf{"OhneAntexMitJa", "--ja NP", true, 0, "Berechnung starten?\n-> Ja\n", true},
        Aufruf{"ZuWenigeReferenzen", "--observer sapos TAG", false, 3, "Zu wenige Punkte", false},
        Aufruf{"ReferenzenVonHand",
               "--observer sapos --referenz aaaa2830.23o --referenz bbbb2830.23o --referenz "
               "cccc2830.23o TAG",
               false, 0, OhneWarnungen, true},
        Aufruf{"PfadFehlt", "/gibtesnicht/x.23o", false, 3, "Pfad nicht gefunden", false},
        Aufruf{"UnbekannteOption", "--unbekannt TAG", false, 3, "", false},
        Aufruf{"OhneArgumente", "", false, 3, "", false},
        Aufruf{"ReferenzFehlt", "--referenz zzzz2830.23o TAG", false, 3, "", false},
        Aufruf{"Hilfe", "--help", false, 0, "Aufruf: kestrav-stapel", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
