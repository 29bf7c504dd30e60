#pragma once
// ANTEX-Dateien: Qel prüft nur, ob die Antennentypen der Stationen darin stehen; für die
// Demodaten wird eine Datei im Format 1.4 mit erfundenen Korrekturwerten geschrieben.
#include <optional>
#include <set>
#include <string>
#include <vector>

// Empfängerantennen der Datei als Typ mit Radom (20 Zeichen, rechts ohne Leerzeichen).
// Liest auch die Sammeldatei, die Kestrav aus mehreren Dateien zusammensetzt.
std::optional<std::set<std::string>> AntexAntennenLesen(const std::string& name);

// Typ aus RINEX (Spalten 21 bis 40 von ANT # / TYPE) wie ANTEX ihn führt: ohne Radom gilt "NONE".
std::string AntennentypMitRadom(const std::string& typ);

struct Antennenmodell {
    std::string typ;               // 16 Zeichen Typ + 4 Zeichen Radom
    double nordL1, ostL1, hoeheL1; // Phasenzentrumsversatz in mm
    double nordL2, ostL2, hoeheL2;
};

std::vector<std::string> AntexZeilen(const std::vector<Antennenmodell>& antennen,
                                     const std::string& datum);
