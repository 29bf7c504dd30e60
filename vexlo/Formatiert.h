#pragma once
// printf-Formatierung in einen std::string, für die Spalten fester Breite der Engine-Dateien.
#include <cstdio>
#include <string>

template <typename... Werte> std::string Formatiert(const char* format, Werte... werte) {
    char puffer[256];
    std::snprintf(puffer, sizeof puffer, format, werte...);
    return puffer;
}
