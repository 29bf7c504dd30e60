#pragma once
// Ein erfundener Himmel: Kreisbahnen je Satellitensystem, fest aus der Satellitennummer
// abgeleitet. Keine Bahndaten, keine Ephemeriden; das Modell liefert nur plausible Richtungen
// für das PDOP und für die Sichtbarkeit in den Demodaten.
#include "Geometrie.h"
#include "Rinex.h"
#include "Zeitpunkt.h"

#include <optional>
#include <vector>

// Erdfester Ort des Satelliten; nullopt für Systeme oder Nummern, die das Modell nicht kennt.
std::optional<Vektor3> SatellitenOrt(Satellit s, Zeitpunkt t);
