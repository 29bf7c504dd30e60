#include "Himmel.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace {

constexpr double kGM = 3.986004418e14;
constexpr double kErddrehung = 7.2921151467e-5;
constexpr double kGrad = std::numbers::pi / 180.0;

struct Konstellation {
    int hoechsteNummer;
    double halbachse;
    double neigungGrad;
    int ebenen;
    double ebenenVersatzGrad;
};

// Werte in der Größenordnung der echten Systeme; die Aufteilung auf Bahnebenen ist erfunden.
std::optional<Konstellation> KonstellationVon(char system) {
    switch (system) {
    case 'G':
        return Konstellation{32, 26'559'700.0, 55.0, 6, 0.0};
    case 'R':
        return Konstellation{24, 25'510'000.0, 64.8, 3, 15.0};
    case 'E':
        return Konstellation{36, 29'600'000.0, 56.0, 3, 40.0};
    default:
        return std::nullopt;
    }
}

Vektor3 Erdfest(const Vektor3& inertial, double sekunden) {
    const double theta = std::fmod(kErddrehung * sekunden, 2 * std::numbers::pi);
    return {std::cos(theta) * inertial[0] + std::sin(theta) * inertial[1],
            -std::sin(theta) * inertial[0] + std::cos(theta) * inertial[1], inertial[2]};
}

// SBAS: geostationär über einer aus der Nummer abgeleiteten Länge.
Vektor3 GeostationaererOrt(int nummer) {
    const double laenge = (-40.0 + 9.0 * (nummer % 20)) * kGrad;
    constexpr double r = 42'164'000.0;
    return {r * std::cos(laenge), r * std::sin(laenge), 0.0};
}

} // namespace

std::optional<Vektor3> SatellitenOrt(Satellit s, Zeitpunkt t) {
    if (s.system == 'S')
        return GeostationaererOrt(s.nummer);
    const auto k = KonstellationVon(s.system);
    if (!k || s.nummer < 1 || s.nummer > k->hoechsteNummer)
        return std::nullopt;
    const int ebene = (s.nummer - 1) % k->ebenen;
    const int platz = (s.nummer - 1) / k->ebenen;
    const int plaetze = (k->hoechsteNummer + k->ebenen - 1) / k->ebenen;
    const double knoten = (ebene * 360.0 / k->ebenen + k->ebenenVersatzGrad) * kGrad;
    const double neigung = k->neigungGrad * kGrad;
    const double sekunden = Sekunden(t);
    const double bewegung = std::sqrt(kGM / (k->halbachse * k->halbachse * k->halbachse));
    const double u = std::fmod(bewegung * sekunden, 2 * std::numbers::pi) +
                     (platz * 360.0 / plaetze + ebene * 360.0 / (k->ebenen * plaetze)) * kGrad;
    const double a = k->halbachse;
    const Vektor3 inertial{
        a * (std::cos(u) * std::cos(knoten) - std::sin(u) * std::cos(neigung) * std::sin(knoten)),
        a * (std::cos(u) * std::sin(knoten) + std::sin(u) * std::cos(neigung) * std::cos(knoten)),
        a * std::sin(u) * std::sin(neigung)};
    return Erdfest(inertial, sekunden);
}
