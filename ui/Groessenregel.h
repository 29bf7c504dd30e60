#pragma once
// Die feste Fenstergröße auf Pixel angewandt: beide Oberflächen messen die Außenmaße in Pixeln
// ihrer Auflösung, die Regel selbst rechnet in Twips.
#include "shell/Fenstergroesse.h"
#include "ui/Twips.h"

#include <optional>

struct Pixelmasse {
    int breite = 0;
    int hoehe = 0;
    bool operator==(const Pixelmasse&) const = default;
};

// Die Außenmaße in Pixeln, auf die das Fenster zurückgesetzt wird; nullopt, wenn es bleiben darf.
inline std::optional<Pixelmasse> FesteAussenmasse(const Text& Systembreite, Pixelmasse aussen,
                                                  double dpiX, double dpiY) {
    const auto neu = FestgelegteFenstergroesse(Systembreite, TwipsAusPixel(aussen.breite, dpiX),
                                               TwipsAusPixel(aussen.hoehe, dpiY));
    if (!neu)
        return std::nullopt;
    return Pixelmasse{PixelAusTwips(neu->breite, dpiX), PixelAusTwips(neu->hoehe, dpiY)};
}
