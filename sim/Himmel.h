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

// PDOP aus erdfesten Einheitsvektoren Station -> Satellit, eine Uhr für alle Systeme;
// nullopt bei weniger als vier Satelliten oder entarteter Geometrie.
std::optional<double> Pdop(const std::vector<Vektor3>& richtungen);
