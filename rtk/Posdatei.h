#pragma once
// Lösung einer Basislinie aus der .pos-Datei von rnx2rtkp (Zeit als Woche und Sekunde,
// erdfeste Koordinaten) und ihrer .stat-Datei (Satellitenzeilen "$SAT" für das PDOP).
#include "Geometrie.h"

#include <optional>
#include <string>
#include <string_view>

struct Basislinienloesung {
    Vektor3 punkt{};       // letzte Epoche der statischen Lösung
    Vektor3 sigma{};       // formale Standardabweichungen X Y Z der letzten Epoche
    int letzterStatus = 0; // Q der letzten Epoche: 1 gelöst, 2 Gleitkomma, ...
    int epochen = 0;
    int geloesteEpochen = 0; // Q = 1
    double zeitMinuten = 0;  // erste bis letzte Epoche plus ein Intervall
    double mittlereSatelliten = 0;
    double pdop = 99.9; // Mittel über die Epochen mit mindestens vier Satelliten
    int pdopEpochen = 0;

    bool Geloest() const { return letzterStatus == 1; }
    int FixProzent() const;
};

// nullopt, wenn die .pos-Datei keine Lösungszeile hat; die .stat-Datei darf fehlen (PDOP 99.9).
std::optional<Basislinienloesung> PosdateiLesen(std::string_view pos, std::string_view stat);
