#include "Posdatei.h"

#include "Textdatei.h"

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <vector>

namespace {

struct Posepoche {
    double sekunde = 0; // Woche * 604800 + Sekunde der Woche
    Vektor3 x{};
    int status = 0;
    int satelliten = 0;
    Vektor3 sigma{};
};

std::optional<Posepoche> PoszeileLesen(std::string_view z) {
    std::istringstream felder{std::string(z)};
    double woche = 0, sekunde = 0;
    Posepoche e;
    if (!(felder >> woche >> sekunde >> e.x[0] >> e.x[1] >> e.x[2] >> e.status >> e.satelliten >>
          e.sigma[0] >> e.sigma[1] >> e.sigma[2]))
        return std::nullopt;
    e.sekunde = woche * 604800.0 + sekunde;
    return e;
}

// Felder einer Satellitenzeile "$SAT,Woche,Sekunde,Sat,Frequenz,Azimut,Elevation,...,gültig,...".
std::vector<std::string_view> Kommafelder(std::string_view z) {
    std::vector<std::string_view> felder;
    for (std::size_t anfang = 0;;) {
        const std::size_t komma = z.find(',', anfang);
        felder.push_back(z.substr(anfang, komma - anfang));
        if (komma == std::string_view::npos)
            return felder;
        anfang = komma + 1;
    }
}

double Zahl(std::string_view feld) {
    double wert = NAN;
    std::from_chars(feld.data(), feld.data() + feld.size(), wert);
    return wert;
}

// Örtliche Einheitsvektoren der gültigen Satelliten je Epoche (erste Frequenz).
std::map<std::string, std::vector<Vektor3>> Richtungen(std::string_view stat) {
    std::map<std::string, std::vector<Vektor3>> je;
    Zeilenleser zeilen(stat);
    std::string_view z;
    while (zeilen.Naechste(z)) {
        if (z.substr(0, 5) != "$SAT,")
            continue;
        const auto f = Kommafelder(z);
        if (f.size() < 10 || f[4] != "1" || f[9] != "1")
            continue;
        const double az = Zahl(f[5]) * std::numbers::pi / 180.0;
        const double el = Zahl(f[6]) * std::numbers::pi / 180.0;
        if (!std::isfinite(az) || !std::isfinite(el))
            continue;
        je[std::string(f[1]) + "," + std::string(f[2])].push_back(
            {std::cos(el) * std::sin(az), std::cos(el) * std::cos(az), std::sin(el)});
    }
    return je;
}

void PdopMitteln(std::string_view stat, Basislinienloesung& l) {
    double summe = 0;
    for (const auto& [zeit, richtungen] : Richtungen(stat))
        if (const auto p = Pdop(richtungen)) {
            summe += *p;
            ++l.pdopEpochen;
        }
    if (l.pdopEpochen > 0)
        l.pdop = std::min(99.9, summe / l.pdopEpochen);
}

} // namespace

int Basislinienloesung::FixProzent() const {
    return epochen > 0 ? static_cast<int>(std::floor(100.0 * geloesteEpochen / epochen)) : 0;
}

std::optional<Basislinienloesung> PosdateiLesen(std::string_view pos, std::string_view stat) {
    std::vector<Posepoche> epochen;
    Zeilenleser zeilen(pos);
    std::string_view z;
    while (zeilen.Naechste(z))
        if (!z.empty() && z.front() != '%')
            if (const auto e = PoszeileLesen(z))
                epochen.push_back(*e);
    if (epochen.empty())
        return std::nullopt;
    Basislinienloesung l;
    l.punkt = epochen.back().x;
    l.sigma = epochen.back().sigma;
    l.letzterStatus = epochen.back().status;
    l.epochen = static_cast<int>(epochen.size());
    double intervall = 0, satelliten = 0;
    for (std::size_t i = 0; i < epochen.size(); ++i) {
        l.geloesteEpochen += epochen[i].status == 1;
        satelliten += epochen[i].satelliten;
        const double d = i > 0 ? epochen[i].sekunde - epochen[i - 1].sekunde : 0;
        if (d > 0 && (intervall == 0 || d < intervall))
            intervall = d;
    }
    l.zeitMinuten = (epochen.back().sekunde - epochen.front().sekunde + intervall) / 60.0;
    l.mittlereSatelliten = satelliten / static_cast<double>(epochen.size());
    PdopMitteln(stat, l);
    return l;
}
