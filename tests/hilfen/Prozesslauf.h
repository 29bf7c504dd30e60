#pragma once
// Ein Programm als echten Prozess laufen lassen und Ausgaben und Exitcode einsammeln.
#include "RinexKopf.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct Prozesslauf {
    int exitcode = -1;
    std::string ausgabe; // stdout
    std::string fehler;  // stderr
};

struct Prozessaufruf {
    std::vector<std::string> argumente; // erstes: Programmpfad
    std::filesystem::path verzeichnis;
    // Zusätzliche Umgebung; ein leerer Wert entfernt die Variable.
    std::map<std::string, std::string> umgebung;
    int eingabe = -1; // Dateideskriptor für stdin; -1: /dev/null
};

// Startet und gibt die Prozessnummer zurück; Ausgaben landen in den Dateien.
int ProzessStarten(const Prozessaufruf& aufruf, const std::filesystem::path& ausgabe,
                   const std::filesystem::path& fehler);
// Startet, wartet und liest die Ausgaben.
Prozesslauf ProzessAusfuehren(const Prozessaufruf& aufruf);
// Exitcode nach waitpid, -1 bei einem Signal.
int AufEndeWarten(int pid);

// Ausführbares Shell-Skript; die Kopfzeile wird ergänzt.
void Skript(const std::filesystem::path& datei, const std::string& rumpf);
// Umgebung für kestrav-stapel ohne Bildschirm: C: und Papierkorb unter ort, echtes kestrav-cmd.
std::map<std::string, std::string> StapelUmgebung(const std::filesystem::path& ort,
                                                  const std::string& anzeige = "/bin/true");
// Wörter eines Textes, durch Leerraum getrennt.
std::vector<std::string> Worte(const std::string& text);
// Zeilen mit CR LF; jede andere Zeilentrennung lässt den Test scheitern.
std::vector<std::string> CrLfZeilen(const std::string& bytes);
