// kestrav-stapel als echter Prozess über vorbereiteten Verzeichnissen, mit Shell-Skripten als
// Rechenkern in einem temporären Laufwerk C:.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

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

class Stapel : public ::testing::Test {
protected:
    void SetUp() override {
        fs::path vexlo = temp / "c" / "programme" / "vexlo";
        BytesSchreiben(vexlo / "bo2.exe", "");
        BytesSchreiben(vexlo / "geoid.bog", "");
        // Qel hinterlässt sein Log, Bo Ergebnisliste und Lösung; die Qualität kommt aus der
        // Umgebung.
        Skript(vexlo / "qel2", "printf 'Qel ok\\r\\n' > qellog.txt\n");
        Skript(vexlo / "bo2",
               "stamm=${2%%.*}\n"
               "printf '  Punkt RovN Y X h Q T Amb Zeit Sat PDOP\\r\\n%s 32500000.1 5600000.2 "
               "101.5 %s 1 95 12 7.5 1.8\\r\\n' \"$stamm\" \"${TEST_QUALITAET:-high}\" > "
               "\"${3#+FE}\"\n"
               "printf 'NHN-H\\366he [m]: 55.125\\r\\n' > \"${4#+FS}\"\n");
        for (const char* ref : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
            BytesSchreiben(tag / ref, Rinex("SAPOS"));
        BytesSchreiben(tag / "np012830.23o", Rinex("Messtrupp"));
        BytesSchreiben(tag / "igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");
    }

    Prozesslauf Starten(std::vector<std::string> argumente,
                        std::map<std::string, std::string> umgebung = {}) {
        argumente.insert(argumente.begin(), KESTRAV_BIN_DIR "/kestrav-stapel");
        umgebung["KESTRAV_LAUFWERK_C"] = (temp / "c").string();
        umgebung["KESTRAV_CMD"] = KESTRAV_BIN_DIR "/kestrav-cmd";
        umgebung["DISPLAY"] = "";
        umgebung["WAYLAND_DISPLAY"] = "";
        return ProzessAusfuehren({argumente, temp.Pfad(), umgebung});
    }

    TempVerzeichnis temp;
    fs::path tag = temp / "tag1";
};

TEST_F(Stapel, SaubererLauf) {
    auto lauf = Starten({(tag / "np012830.23o").string()});
    EXPECT_EQ(lauf.exitcode, 0) << lauf.ausgabe << lauf.fehler;
    EXPECT_NE(lauf.ausgabe.find("== Vexlo Neuberechnung ==\nAlle Ergebnisdateien werden jetzt "
                                "überschrieben!   \n-> Ja\n"),
              std::string::npos)
        << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find("== Kestrav ==\n1 Neupunktkoordinaten ohne Warnungen berechnet!\n"
                                "-> OK\n"),
              std::string::npos)
        << lauf.ausgabe;
    EXPECT_EQ(BytesLesen(tag / "_ergebnis_283.PYXZ"), "np012830 32500000.1 5600000.2 55.125\r\n");
    EXPECT_FALSE(fs::exists(tag / "Kestrav.bat"));
}

TEST_F(Stapel, VerzeichnisStattDateiUndWarnungen) {
    auto lauf = Starten({tag.string()}, {{"TEST_QUALITAET", "mittel"}});
    EXPECT_EQ(lauf.exitcode, 1) << lauf.ausgabe << lauf.fehler;
    EXPECT_NE(lauf.ausgabe.find("== Achtung Warnungen! ==\n1 Neupunktkoordinaten mit 1 Warnungen "
                                "berechnet!\nSiehe Datei <_ergebnis_283.mini>!\n-> OK\n"),
              std::string::npos)
        << lauf.ausgabe;
}

TEST_F(Stapel, NeinZurAntennenfrageEndetVorzeitig) {
    fs::remove(tag / "igs.atx");
    auto lauf = Starten({(tag / "np012830.23o").string()});
    EXPECT_EQ(lauf.exitcode, 2) << lauf.ausgabe << lauf.fehler;
    EXPECT_NE(lauf.ausgabe.find("== Korrektur Antennenphasenzentren ==\n"), std::string::npos);
    EXPECT_NE(lauf.ausgabe.find("Berechnung starten?\n-> Nein\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(tag / "_ergebnis_283.mini"));

    // Mit --ja wird ohne Korrektur gerechnet.
    auto mitJa = Starten({"--ja", (tag / "np012830.23o").string()});
    EXPECT_EQ(mitJa.exitcode, 0) << mitJa.ausgabe << mitJa.fehler;
}

TEST_F(Stapel, ZuWenigeReferenzstationen) {
    auto lauf = Starten({"--observer", "sapos", tag.string()});
    EXPECT_EQ(lauf.exitcode, 3);
    EXPECT_NE(lauf.fehler.find("Zu wenige Punkte"), std::string::npos) << lauf.fehler;

    // Von Hand zugeordnet reicht es wieder.
    auto vonHand = Starten({"--observer", "sapos", "--referenz", "aaaa2830.23o", "--referenz",
                            "bbbb2830.23o", "--referenz", "cccc2830.23o", tag.string()});
    EXPECT_EQ(vonHand.exitcode, 0) << vonHand.ausgabe << vonHand.fehler;
}

TEST_F(Stapel, FalscheAufrufe) {
    auto fehlt = Starten({(temp / "gibtesnicht" / "x.23o").string()});
    EXPECT_EQ(fehlt.exitcode, 3);
    EXPECT_NE(fehlt.fehler.find("Pfad nicht gefunden"), std::string::npos);
    EXPECT_EQ(Starten({"--unbekannt", tag.string()}).exitcode, 3);
    EXPECT_EQ(Starten({}).exitcode, 3);
    EXPECT_EQ(Starten({"--referenz", "zzzz2830.23o", tag.string()}).exitcode, 3);
    auto hilfe = Starten({"--help"});
    EXPECT_EQ(hilfe.exitcode, 0);
    EXPECT_NE(hilfe.ausgabe.find("Aufruf: kestrav-stapel"), std::string::npos);
}

} // namespace
