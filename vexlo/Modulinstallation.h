#pragma once
// Ein Rechenkern wird installiert, indem eine Kopie des Programms unter allen Modulnamen in das
// Engine-Verzeichnis kommt; welches Modul läuft, entscheidet dann der Aufrufname.
#include <filesystem>
#include <functional>
#include <string>

// Meldet je Datei Erfolg oder Misserfolg; gibt am Ende 0 oder 1 zurück.
class Installationsbericht {
public:
    explicit Installationsbericht(std::string programm) : programm_(std::move(programm)) {}
    void Melden(bool gut, const std::string& was);
    int Rueckgabe() const { return fehler_ ? 1 : 0; }

private:
    std::string programm_;
    bool fehler_ = false;
};

// Kopie des laufenden Programms als programm in ziel und qel, qel2, bo1, bo2 (je auch mit .exe)
// als Verweise darauf.
void ModuleInstallieren(const std::filesystem::path& ziel, const std::string& programm,
                        Installationsbericht& bericht);

// Verweis anlegen; wo das Dateisystem keine kennt, eine Kopie.
bool VerweisOderKopie(const std::filesystem::path& ziel, const std::filesystem::path& verweis,
                      const std::filesystem::path& kopierquelle);

// Verzeichnis, in dem das laufende Programm liegt (dort sind auch Geoiddateien installiert).
std::filesystem::path Programmverzeichnis();
