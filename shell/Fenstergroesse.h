#pragma once
// Feste Größe des Hauptfensters je nach Systembreite. Alle Maße sind Außenmaße in Twips.
#include "platform/Text.h"

#include <optional>

struct Fenstergroesse {
    int breite = 0;
    int hoehe = 0;
    bool operator==(const Fenstergroesse&) const = default;
};

// Die Größe, auf die das Fenster nach einer Größenänderung zurückgesetzt wird; nullopt, wenn es
// bleiben darf, wie es ist (kleiner in beiden Richtungen oder unbekannte Systembreite).
std::optional<Fenstergroesse> FestgelegteFenstergroesse(const Text& Systembreite, int W, int H);
