#include "Geometrie.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kA = 6378137.0;
constexpr double kF = 1.0 / 298.257222101;
constexpr double kE2 = kF * (2 - kF);
constexpr double kGrad = std::numbers::pi / 180.0;
} // namespace

Vektor3 Differenz(const Vektor3& a, const Vektor3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double Betrag(const Vektor3& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

Vektor3 GeozentrischAusEllipsoidisch(const Ellipsoidisch& p) {
    const double b = p.breiteGrad * kGrad;
    const double l = p.laengeGrad * kGrad;
    const double n = kA / std::sqrt(1 - kE2 * std::sin(b) * std::sin(b));
    return {(n + p.hoehe) * std::cos(b) * std::cos(l), (n + p.hoehe) * std::cos(b) * std::sin(l),
            (n * (1 - kE2) + p.hoehe) * std::sin(b)};
}

Ellipsoidisch EllipsoidischAusGeozentrisch(const Vektor3& x) {
    const double p = std::hypot(x[0], x[1]);
    double b = std::atan2(x[2], p * (1 - kE2));
    double h = 0;
    for (int i = 0; i < 6; ++i) {
        const double n = kA / std::sqrt(1 - kE2 * std::sin(b) * std::sin(b));
        h = p > 1 ? p / std::cos(b) - n : std::fabs(x[2]) - n * (1 - kE2);
        b = std::atan2(x[2], p * (1 - kE2 * n / (n + h)));
    }
    return {b / kGrad, std::atan2(x[1], x[0]) / kGrad, h};
}

Blickrichtung RichtungZu(const Vektor3& station, const Vektor3& ziel) {
    const Ellipsoidisch s = EllipsoidischAusGeozentrisch(station);
    const double b = s.breiteGrad * kGrad;
    const double l = s.laengeGrad * kGrad;
    const Vektor3 d = Differenz(ziel, station);
    const double abstand = Betrag(d);
    Blickrichtung r;
    if (abstand <= 0)
        return r;
    r.einheit = {d[0] / abstand, d[1] / abstand, d[2] / abstand};
    const Vektor3& u = r.einheit;
    const double ost = -std::sin(l) * u[0] + std::cos(l) * u[1];
    const double nord =
        -std::sin(b) * std::cos(l) * u[0] - std::sin(b) * std::sin(l) * u[1] + std::cos(b) * u[2];
    const double oben =
        std::cos(b) * std::cos(l) * u[0] + std::cos(b) * std::sin(l) * u[1] + std::sin(b) * u[2];
    r.elevationGrad = std::asin(std::fmax(-1.0, std::fmin(1.0, oben))) / kGrad;
    double azimut = std::atan2(ost, nord) / kGrad;
    r.azimutGrad = azimut < 0 ? azimut + 360 : azimut;
    return r;
}

std::optional<double> Pdop(const std::vector<Vektor3>& richtungen) {
    if (richtungen.size() < 4)
        return std::nullopt;
    // Normalgleichungen der Entwurfsmatrix mit Zeilen (-e, 1), daneben die Einheitsmatrix.
    double m[4][8] = {};
    for (const Vektor3& e : richtungen) {
        const double g[4] = {-e[0], -e[1], -e[2], 1.0};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                m[i][j] += g[i] * g[j];
    }
    for (int i = 0; i < 4; ++i)
        m[i][4 + i] = 1.0;
    for (int spalte = 0; spalte < 4; ++spalte) {
        int pivot = spalte;
        for (int i = spalte + 1; i < 4; ++i)
            if (std::fabs(m[i][spalte]) > std::fabs(m[pivot][spalte]))
                pivot = i;
        if (std::fabs(m[pivot][spalte]) < 1e-9)
            return std::nullopt;
        for (int j = 0; j < 8; ++j)
            std::swap(m[spalte][j], m[pivot][j]);
        const double teiler = m[spalte][spalte];
        for (int j = 0; j < 8; ++j)
            m[spalte][j] /= teiler;
        for (int i = 0; i < 4; ++i) {
            if (i == spalte)
                continue;
            const double faktor = m[i][spalte];
            for (int j = 0; j < 8; ++j)
                m[i][j] -= faktor * m[spalte][j];
        }
    }
    const double spur = m[0][4] + m[1][5] + m[2][6];
    if (!(spur > 0) || !std::isfinite(spur))
        return std::nullopt;
    return std::sqrt(spur);
}
