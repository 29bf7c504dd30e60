#pragma once
// Regeln des Adapters für das Qualitätswort und für die Streuung der Basislinien eines Punkts.
#include "Posdatei.h"

#include <string>

// Formale Genauigkeit, bis zu der eine gelöste Lösung "high" heißt (3D, eine Standardabweichung).
constexpr double kHoheGenauigkeit = 0.02;
constexpr int kHoherFixanteil = 90;

// "high": letzte Epoche gelöst, mindestens 90 % gelöste Epochen und formal höchstens 2 cm;
// "mittel": letzte Epoche gelöst, sonst; "niedrig": letzte Epoche nicht gelöst.
std::string Qualitaetswort(const Basislinienloesung& l);

struct Abweichung {
    double lage = 0;  // waagerecht, in Metern
    double hoehe = 0; // senkrecht, Betrag
    double grenzeLage = 0;
    double grenzeHoehe = 0;
    bool Zuviel() const { return lage > grenzeLage || hoehe > grenzeHoehe; }
};

// Lösung punkt gegen das Ergebnis: Grenze 1 cm + 1 ppm der Basislinienlänge in der Lage,
// doppelt so viel in der Höhe.
Abweichung Streuung(const Vektor3& ergebnis, const Vektor3& punkt, double basislinie);
