#pragma once
// Schreibt RINEX-2.11-Beobachtungsdateien (virtuelle Station, Demodaten).
#include "Rinex.h"

#include <string>
#include <vector>

struct Programmangabe {
    std::string programm; // PGM
    std::string lauf;     // RUN BY
};

// Zeilen der Datei ohne Zeilenende; Kopf mit 80 Spalten, TIME OF FIRST/LAST OBS aus den Epochen.
std::vector<std::string> RinexZeilen(const RinexDatei& datei, const Programmangabe& programm);
