#pragma once
// RINEX-2-Beobachtungsdateien für Tests: Kopfzeilen mit Label ab Spalte 61, CR LF.
#include <string>
#include <vector>

inline std::string RinexZeile(std::string inhalt, const std::string& label) {
    inhalt.resize(60, ' ');
    return inhalt + label + "\r\n";
}

// Kopf mit den gegebenen Zeilen zwischen Versions- und Endzeile, dazu zwei Epochen.
inline std::string RinexMit(const std::vector<std::string>& zeilen) {
    std::string d =
        RinexZeile("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE");
    for (const std::string& z : zeilen)
        d += z;
    d += RinexZeile("", "END OF HEADER");
    d += " 12  5  2  0  0  0.0000000  0  2G01G03\r\n"
         "  22345678.123 8  22345678.456 8\r\n"
         "  21345678.123 8  21345678.456 8\r\n";
    return d;
}

// Kopf mit OBSERVER / AGENCY: Beobachter in den ersten 20 Zeichen, dahinter die Agentur.
inline std::string RinexKopf(const std::string& observer, const std::string& agentur = "") {
    std::string feld = observer;
    feld.resize(20, ' ');
    return RinexMit({RinexZeile(feld + agentur, "OBSERVER / AGENCY")});
}
