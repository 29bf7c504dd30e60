#include "Felder.h"

#include <charconv>
#include <cmath>

std::string_view Feld(std::string_view zeile, std::size_t von1, std::size_t laenge) {
    if (von1 == 0 || von1 > zeile.size())
        return {};
    return zeile.substr(von1 - 1, laenge);
}

std::string_view OhneRand(std::string_view text) {
    const std::size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string_view::npos)
        return {};
    const std::size_t ende = text.find_last_not_of(" \t");
    return text.substr(anfang, ende - anfang + 1);
}

std::string_view Beschriftung(std::string_view zeile) {
    return OhneRand(Feld(zeile, 61, 20));
}

FeldZahl ZahlLesen(std::string_view feld) {
    feld = OhneRand(feld);
    FeldZahl z;
    if (feld.empty())
        return z;
    z.leer = false;
    if (feld.front() == '+')
        feld.remove_prefix(1);
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), z.wert);
    z.gueltig = fehler == std::errc() && ende == feld.data() + feld.size() && std::isfinite(z.wert);
    return z;
}

std::optional<long> GanzzahlLesen(std::string_view feld) {
    feld = OhneRand(feld);
    if (!feld.empty() && feld.front() == '+')
        feld.remove_prefix(1);
    long wert = 0;
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), wert);
    if (feld.empty() || fehler != std::errc() || ende != feld.data() + feld.size())
        return std::nullopt;
    return wert;
}
