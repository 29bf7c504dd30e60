#pragma once
// Gemeinsames der Prozesstests: Laufwerk C: in einem Temp-Ordner, Arbeitsverzeichnis darin als
// aktuelles Verzeichnis, Umgebungsvariablen, die nach dem Test wieder gelten wie vorher.
#include "hilfen/TempVerzeichnis.h"
#include "platform/posix/PosixProzesse.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>

class Prozesstestbasis : public ::testing::Test {
protected:
    Prozesstestbasis();
    ~Prozesstestbasis() override;

    // Setzt (leer: entfernt) eine Umgebungsvariable bis zum Ende des Tests.
    void Umgebung(const std::string& name, const std::string& wert);
    // Ausführbares Shell-Skript (Kopfzeile wird ergänzt).
    static void Skript(const std::filesystem::path& datei, const std::string& rumpf);
    // Wartet höchstens 5 s, bis die Datei existiert.
    static bool Erscheint(const std::filesystem::path& datei);
    // Wartet mit Exitcode/WarteAufEnde, höchstens 5 s; true, wenn der Prozess beendet ist.
    bool BisZumEnde(int pid);

    TempVerzeichnis temp;
    std::filesystem::path c = temp / "c";
    std::filesystem::path arbeit = c / "daten" / "tag1";
    std::filesystem::path vexlo = c / "programme" / "vexlo";
    Laufwerke laufwerke;
    std::optional<PosixProzesse> prozesse;

private:
    std::filesystem::path vorher_;
    std::map<std::string, std::optional<std::string>> gesichert_;
};
