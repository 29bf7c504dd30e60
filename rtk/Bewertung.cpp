#include "Bewertung.h"

#include <cmath>
#include <numbers>

std::string Qualitaetswort(const Basislinienloesung& l) {
    if (!l.Geloest())
        return "niedrig";
    const double sigma = Betrag(l.sigma);
    return l.FixProzent() >= kHoherFixanteil && sigma <= kHoheGenauigkeit ? "high" : "mittel";
}

Abweichung Streuung(const Vektor3& ergebnis, const Vektor3& punkt, double basislinie) {
    const Ellipsoidisch e = EllipsoidischAusGeozentrisch(ergebnis);
    const double b = e.breiteGrad * std::numbers::pi / 180.0;
    const double l = e.laengeGrad * std::numbers::pi / 180.0;
    const Vektor3 d = Differenz(punkt, ergebnis);
    const double ost = -std::sin(l) * d[0] + std::cos(l) * d[1];
    const double nord =
        -std::sin(b) * std::cos(l) * d[0] - std::sin(b) * std::sin(l) * d[1] + std::cos(b) * d[2];
    const double oben =
        std::cos(b) * std::cos(l) * d[0] + std::cos(b) * std::sin(l) * d[1] + std::sin(b) * d[2];
    Abweichung a;
    a.lage = std::hypot(ost, nord);
    a.hoehe = std::fabs(oben);
    a.grenzeLage = 0.01 + 1e-6 * basislinie;
    a.grenzeHoehe = 2 * a.grenzeLage;
    return a;
}
