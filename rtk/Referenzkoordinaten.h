#pragma once
// "Referenzkoordinaten.txt" im Arbeitsverzeichnis: je Zeile eine Stationskennung und ihre
// ETRS89-Koordinaten X Y Z in Metern, durch Leerzeichen oder Tabulatoren getrennt. Leere Zeilen
// und Zeilen, die mit "#" beginnen, zählen nicht.
#include "Geometrie.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kReferenzkoordinaten = "Referenzkoordinaten.txt";

struct Referenzliste {
    std::map<std::string, Vektor3> stationen; // Kennung in Kleinbuchstaben
    std::vector<std::string> fehler;          // unlesbare Zeilen, mit Zeilennummer
};

// Fehlt die Datei, ist die Liste leer und ohne Fehler.
Referenzliste ReferenzkoordinatenLesen(const std::string& name);
std::optional<Vektor3> KoordinateZu(const Referenzliste& liste, const std::string& kennung);

// Kleinbuchstaben in ASCII: Kennungen vergleichen ohne Rücksicht auf die Schreibung.
std::string KennungKlein(std::string kennung);
