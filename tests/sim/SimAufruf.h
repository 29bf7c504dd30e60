#pragma once
// vexlo-sim als eigener Prozess, wie kestrav-cmd ihn startet: ohne Shell, mit frei gewähltem
// argv[0] und dem Arbeitsverzeichnis als aktuellem Verzeichnis.
#include <filesystem>
#include <string>
#include <vector>

struct SimErgebnis {
    bool beendet = false; // normal beendet (kein Signal, keine Zeitüberschreitung)
    int rueckgabe = -1;
    bool zeitUeberschritten = false;
    std::string ausgabe;       // stdout
    std::string fehlerausgabe; // stderr
};

// Pfad des gebauten Programms.
std::filesystem::path SimProgramm();

SimErgebnis SimAusfuehren(const std::filesystem::path& programm, const std::string& argv0,
                          const std::vector<std::string>& argumente,
                          const std::filesystem::path& arbeitsverzeichnis, int sekunden = 20);

// Eine Zeile der Jobdatei, wie Kestrav sie schreibt: erstes Wort das Programm, Rest die
// Argumente. Das Programm wird unter seinem letzten Namensteil im Engine-Verzeichnis gesucht.
SimErgebnis JobzeileAusfuehren(const std::filesystem::path& engineVerzeichnis,
                               const std::string& zeile,
                               const std::filesystem::path& arbeitsverzeichnis);
