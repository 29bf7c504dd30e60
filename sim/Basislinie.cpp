#include "Basislinie.h"

#include "Himmel.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <vector>

namespace {

struct GemeinsameEpoche {
    Zeitpunkt zeit;
    std::vector<Satellit> satelliten;
};

std::vector<Satellit> Sortiert(std::vector<Satellit> s) {
    std::sort(s.begin(), s.end());
    return s;
}

// Beide Epochenlisten sind nach Zeit sortiert; die gemeinsame Epoche trägt die Zeit der ersten.
std::vector<GemeinsameEpoche> GemeinsameEpochen(const RinexDatei& a, const RinexDatei& b) {
    std::vector<GemeinsameEpoche> gemeinsam;
    auto i = a.epochen.begin();
    auto j = b.epochen.begin();
    while (i != a.epochen.end() && j != b.epochen.end()) {
        if (!Gleichzeitig(i->zeit, j->zeit) && i->zeit < j->zeit) {
            ++i;
        } else if (!Gleichzeitig(i->zeit, j->zeit)) {
            ++j;
        } else {
            const std::vector<Satellit> x = Sortiert(i->satelliten);
            const std::vector<Satellit> y = Sortiert(j->satelliten);
            GemeinsameEpoche e{i->zeit, {}};
            std::set_intersection(x.begin(), x.end(), y.begin(), y.end(),
                                  std::back_inserter(e.satelliten));
            e.satelliten.erase(std::unique(e.satelliten.begin(), e.satelliten.end()),
                               e.satelliten.end());
            if (!e.satelliten.empty())
                gemeinsam.push_back(std::move(e));
            ++i;
            ++j;
        }
    }
    return gemeinsam;
}

Zeitpunkt KleinsterAbstand(const std::vector<GemeinsameEpoche>& e, double kopfintervall) {
    Zeitpunkt abstand = 0;
    for (std::size_t i = 1; i < e.size(); ++i) {
        const Zeitpunkt d = e[i].zeit - e[i - 1].zeit;
        if (d > 0 && (abstand == 0 || d < abstand))
            abstand = d;
    }
    return abstand > 0 ? abstand : std::llround(kopfintervall * 1000.0);
}

// Bogen: ununterbrochene Folge gemeinsamer Epochen eines Satelliten. Fehlt er in einer Epoche
// oder klafft zwischen zwei Epochen mehr als anderthalb Intervalle, beginnt ein neuer Bogen.
void BoegenZaehlen(const std::vector<GemeinsameEpoche>& e, Zeitpunkt intervall, Kennzahlen& k) {
    struct Bogen {
        Zeitpunkt anfang;
        Zeitpunkt ende;
        std::size_t letzteEpoche;
    };
    const Zeitpunkt mindestlaenge = std::llround(kMindestbogenMinuten * 60'000.0);
    auto abschliessen = [&](const Bogen& b) {
        ++k.boegen;
        if (b.ende - b.anfang + intervall >= mindestlaenge)
            ++k.geloesteBoegen;
    };
    std::map<Satellit, Bogen> offen;
    for (std::size_t i = 0; i < e.size(); ++i) {
        const bool anschluss = i > 0 && 2 * (e[i].zeit - e[i - 1].zeit) <= 3 * intervall;
        for (const Satellit& s : e[i].satelliten) {
            auto it = offen.find(s);
            if (it != offen.end() && anschluss && it->second.letzteEpoche + 1 == i) {
                it->second.ende = e[i].zeit;
                it->second.letzteEpoche = i;
                continue;
            }
            if (it != offen.end())
                abschliessen(it->second);
            offen[s] = {e[i].zeit, e[i].zeit, i};
        }
    }
    for (const auto& [s, b] : offen)
        abschliessen(b);
    k.mehrdeutigkeitenProzent =
        k.boegen > 0 ? static_cast<int>(std::lround(100.0 * k.geloesteBoegen / k.boegen)) : 0;
}

// Satelliten unter der Elevationsmaske (auch unter dem Horizont) zählen nicht: das Modell kennt
// ihre wahre Stellung nicht und setzte sonst jeden beobachteten Satelliten ein.
void PdopMitteln(const std::vector<GemeinsameEpoche>& e, const Vektor3& station, int maskeGrad,
                 Kennzahlen& k) {
    double summe = 0;
    for (const GemeinsameEpoche& epoche : e) {
        std::vector<Vektor3> richtungen;
        for (const Satellit& s : epoche.satelliten) {
            const auto ort = SatellitenOrt(s, epoche.zeit);
            if (!ort)
                continue;
            const Blickrichtung r = RichtungZu(station, *ort);
            if (r.elevationGrad >= maskeGrad)
                richtungen.push_back(r.einheit);
        }
        if (const auto pdop = Pdop(richtungen)) {
            summe += *pdop;
            ++k.pdopEpochen;
        }
    }
    if (k.pdopEpochen > 0)
        k.pdop = std::min(kPdopOhneLoesung, summe / k.pdopEpochen);
}

} // namespace

std::optional<Kennzahlen> BasislinieAuswerten(const RinexDatei& virtuell,
                                              const RinexDatei& neupunkt, int maskeGrad) {
    const std::vector<GemeinsameEpoche> e = GemeinsameEpochen(virtuell, neupunkt);
    if (e.empty())
        return std::nullopt;
    Kennzahlen k;
    k.epochen = static_cast<int>(e.size());
    k.anfang = e.front().zeit;
    k.ende = e.back().zeit;
    const Zeitpunkt intervall = KleinsterAbstand(e, neupunkt.kopf.intervall);
    k.intervallSekunden = Sekunden(intervall);
    k.zeitMinuten = static_cast<double>(k.ende - k.anfang + intervall) / 60'000.0;
    std::size_t satelliten = 0;
    for (const GemeinsameEpoche& epoche : e)
        satelliten += epoche.satelliten.size();
    k.mittlereSatelliten = static_cast<double>(satelliten) / static_cast<double>(e.size());
    BoegenZaehlen(e, intervall, k);
    PdopMitteln(e, neupunkt.kopf.naeherung, maskeGrad, k);
    return k;
}

std::string Qualitaetswort(const Kennzahlen& k) {
    if (k.mehrdeutigkeitenProzent >= 90 && k.pdop <= 6.0 && k.mittlereSatelliten >= 5.0)
        return "high";
    if (k.mehrdeutigkeitenProzent >= 50 && k.pdop <= 10.0 && k.mittlereSatelliten >= 4.0)
        return "mittel";
    return "niedrig";
}
