#pragma once
// Erdfeste kartesische Koordinaten und ellipsoidische Koordinaten auf GRS80. Nur für das
// Satellitenmodell und die Demodaten; die Ausgabekoordinaten rechnet PROJ.
#include <array>
#include <optional>
#include <vector>

using Vektor3 = std::array<double, 3>;

Vektor3 Differenz(const Vektor3& a, const Vektor3& b);
double Betrag(const Vektor3& v);

struct Ellipsoidisch {
    double breiteGrad = 0;
    double laengeGrad = 0;
    double hoehe = 0;
};

Vektor3 GeozentrischAusEllipsoidisch(const Ellipsoidisch& p);
Ellipsoidisch EllipsoidischAusGeozentrisch(const Vektor3& x);

// Richtung von der Station zum Punkt ziel: Azimut und Höhenwinkel in Grad.
struct Blickrichtung {
    double azimutGrad = 0;
    double elevationGrad = 0;
    Vektor3 einheit{0, 0, 0}; // erdfester Einheitsvektor Station -> Ziel
};
Blickrichtung RichtungZu(const Vektor3& station, const Vektor3& ziel);

// PDOP aus Einheitsvektoren (erdfest oder örtlich) Station -> Satellit, eine Uhr für alle Systeme;
// nullopt bei weniger als vier Satelliten oder entarteter Geometrie.
std::optional<double> Pdop(const std::vector<Vektor3>& richtungen);
