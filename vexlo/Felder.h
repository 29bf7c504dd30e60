#pragma once
// Spaltenfelder fester Breite, wie RINEX und ANTEX sie haben; Zeilen dürfen kürzer sein.
#include <optional>
#include <string>
#include <string_view>

// Spalten von1 bis von1+laenge-1 (1-basiert); was hinter dem Zeilenende liegt, fehlt einfach.
std::string_view Feld(std::string_view zeile, std::size_t von1, std::size_t laenge);
std::string_view OhneRand(std::string_view text);
// Beschriftung einer Kopfzeile: Spalten 61 bis 80 ohne Leerzeichen am Rand.
std::string_view Beschriftung(std::string_view zeile);

// Zahl eines Feldes; leeres Feld = leer, Unlesbares = Fehler. "+1.5", ".5" und "-.5" gelten.
struct FeldZahl {
    bool leer = true;
    bool gueltig = true;
    double wert = 0;
};
FeldZahl ZahlLesen(std::string_view feld);
// Ganzzahl; leer oder unlesbar ergibt nullopt.
std::optional<long> GanzzahlLesen(std::string_view feld);
