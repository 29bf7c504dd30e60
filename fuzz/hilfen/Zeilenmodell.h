#pragma once
// Das einfache Modell des zeilenweisen Lesens, gegen das die Fuzz-Ziele prüfen: CR LF oder ein
// einzelnes CR beenden eine Zeile, ein einzelnes LF bleibt im Text, eine letzte Zeile ohne Ende
// zählt mit, wenn sie nicht leer ist.
#include "platform/Text.h"

#include <string>
#include <string_view>
#include <vector>

inline std::vector<Text> ModellZeilen(const Text& inhalt) {
    std::vector<Text> zeilen;
    Text zeile;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] != u'\r') {
            zeile.push_back(inhalt[i]);
            continue;
        }
        zeilen.push_back(zeile);
        zeile.clear();
        if (i + 1 < inhalt.size() && inhalt[i + 1] == u'\n')
            ++i;
    }
    if (!zeile.empty())
        zeilen.push_back(zeile);
    return zeilen;
}

// Ein Vorspann ohne CR gehört zur ersten Zeile; so bleibt das Modell auch bei 64 KiB Vorspann
// billig.
inline std::vector<Text> ModellZeilen(const std::string& vorspann, std::string_view rest) {
    std::vector<Text> zeilen = ModellZeilen(AusWindows1252(rest));
    if (vorspann.empty())
        return zeilen;
    if (zeilen.empty())
        zeilen.emplace_back();
    zeilen.front().insert(0, AusWindows1252(vorspann));
    return zeilen;
}
