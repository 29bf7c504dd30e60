#include "Qel.h"

#include "Antex.h"
#include "Formatiert.h"
#include "Koordinaten.h"
#include "Modullauf.h"
#include "Referenzdateien.h"
#include "RinexLeser.h"
#include "RinexSchreiber.h"
#include "Schalter.h"
#include "Textdatei.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <set>

namespace {

constexpr std::size_t kMindestReferenzen = 3;

struct Station {
    std::string datei;
    std::string kennung;
    RinexDatei daten;
};

std::string Uhrzeit(Zeitpunkt t) {
    const Kalenderzeit k = KalenderAusZeit(t);
    return Formatiert("%02d:%02d:%02d", k.stunde, k.minute, static_cast<int>(k.sekunde));
}

const Epoche* EpocheZu(const RinexDatei& d, Zeitpunkt t) {
    auto it = std::lower_bound(d.epochen.begin(), d.epochen.end(), t - kGleichzeitigkeit + 1,
                               [](const Epoche& e, Zeitpunkt z) { return e.zeit < z; });
    return it != d.epochen.end() && Gleichzeitig(it->zeit, t) ? &*it : nullptr;
}

std::vector<Satellit> Nutzbar(const Epoche& e, const std::set<char>& ausgeschlossen) {
    std::vector<Satellit> s;
    for (const Satellit& sat : e.satelliten)
        if (!ausgeschlossen.count(sat.system))
            s.push_back(sat);
    std::sort(s.begin(), s.end());
    s.erase(std::unique(s.begin(), s.end()), s.end());
    return s;
}

class QelLauf : public QelModullauf {
public:
    using QelModullauf::QelModullauf;

private:
    Station neupunkt_;
    std::vector<Station> referenzen_;

    bool Rechnen() override {
        SchalterProtokollieren();
        if (a_.neupunkt.empty() || a_.kennungen.empty()) {
            Fatal("missing arguments (new point file and reference identifiers expected)");
            return false;
        }
        if (!NeupunktLesen())
            return false;
        ReferenzenLesen();
        AntennenPruefen();
        if (referenzen_.size() < kMindestReferenzen) {
            Fatal(Formatiert("only %zu usable reference stations, at least %zu are required",
                             referenzen_.size(), kMindestReferenzen));
            return false;
        }
        return VirtuelleStationSchreiben();
    }

    void SchalterProtokollieren() {
        Info("Neupunkt: " + a_.neupunkt);
        std::string kennungen;
        for (const std::string& k : a_.kennungen)
            kennungen += (kennungen.empty() ? "" : ",") + k;
        Info("Referenzkennungen: " + kennungen);
        for (char system : a_.ausgeschlossen)
            Info("Ohne Beobachtungen von " + SystemName(system));
        if (a_.ohneAntennenkorrektur)
            Info("Ohne Antennenkorrektur (-A)");
        else if (!a_.antex.empty())
            Info("ANTEX-Datei: " + a_.antex);
        for (const std::string& s : a_.uebergangen)
            Info("Angenommen, ohne Wirkung im Simulator: " + s);
    }

    bool NeupunktLesen() {
        neupunkt_.datei = NameAufloesen(a_.neupunkt);
        neupunkt_.kennung = a_.neupunkt.substr(0, 4);
        RinexErgebnis e = RinexDateiLesen(neupunkt_.datei);
        if (!e.fehler.empty()) {
            Fatal("cannot read new point file " + a_.neupunkt + " (" + e.fehler + ")");
            return false;
        }
        if (!e.hinweis.empty())
            Info("Hinweis: " + a_.neupunkt + ": " + e.hinweis);
        neupunkt_.daten = std::move(e.datei);
        if (!NaeherungBrauchbar(neupunkt_.daten.kopf)) {
            Fatal("new point file " + a_.neupunkt + " has no usable APPROX POSITION XYZ");
            return false;
        }
        if (neupunkt_.daten.epochen.empty()) {
            Fatal("new point file " + a_.neupunkt + " holds no observation epochs");
            return false;
        }
        return true;
    }

    void ReferenzenLesen() {
        const Tageskennung tag = TagAusName(a_.neupunkt);
        std::set<Text> gesehen;
        for (const std::string& kennung : a_.kennungen) {
            // Dieselbe Station zweimal ergäbe eine Referenz mehr, als es gibt.
            if (!gesehen.insert(Klein(AusUtf8(kennung))).second) {
                Info("Kennung " + kennung + " doppelt, einmal verwendet");
                continue;
            }
            const auto datei = ReferenzdateiFinden(kennung, tag);
            if (!datei) {
                Fatal("no observation file for reference station " + kennung + " (day " +
                      NachUtf8(tag.tag) + ", year " + NachUtf8(tag.jahr) + ")");
                continue;
            }
            RinexErgebnis e = RinexDateiLesen(*datei);
            if (!e.fehler.empty()) {
                Fatal("cannot read reference file " + *datei + " (" + e.fehler + ")");
                continue;
            }
            Info(Formatiert("Referenz %s: %s, %zu Epochen", kennung.c_str(), datei->c_str(),
                            e.datei.epochen.size()));
            if (!e.hinweis.empty())
                Info("Hinweis: " + *datei + ": " + e.hinweis);
            referenzen_.push_back({*datei, kennung, std::move(e.datei)});
        }
    }

    // Fehlt ein Antennentyp, wird die Station trotzdem genutzt, nur ohne Korrektur.
    void AntennenPruefen() {
        if (a_.ohneAntennenkorrektur || a_.antex.empty())
            return;
        const auto antennen = AntexAntennenLesen(NameAufloesen(a_.antex));
        if (!antennen) {
            Fatal("cannot read ANTEX file " + a_.antex);
            return;
        }
        std::vector<const Station*> stationen{&neupunkt_};
        for (const Station& r : referenzen_)
            stationen.push_back(&r);
        for (const Station* s : stationen) {
            const std::string typ = AntennentypMitRadom(s->daten.kopf.antennentyp);
            if (!antennen->count(typ))
                Fatal("antenna type '" + Druckbar(typ) + "' of " + s->datei +
                      " not found in ANTEX file " + a_.antex);
        }
    }

    // Epochen, die alle Referenzen im Zeitraum des Neupunkts gemeinsam haben, mit den dort
    // gemeinsam beobachteten Satelliten; die Werte stammen von der ersten Referenz.
    std::vector<Epoche> VirtuelleEpochen() const {
        const RinexDatei& erste = referenzen_.front().daten;
        const Zeitpunkt anfang = neupunkt_.daten.epochen.front().zeit;
        const Zeitpunkt ende = neupunkt_.daten.epochen.back().zeit;
        const std::size_t typen = erste.kopf.typen.size();
        std::vector<Epoche> epochen;
        for (const Epoche& e : erste.epochen) {
            if (e.zeit + kGleichzeitigkeit <= anfang || e.zeit >= ende + kGleichzeitigkeit)
                continue;
            std::vector<Satellit> satelliten = Nutzbar(e, a_.ausgeschlossen);
            for (std::size_t r = 1; r < referenzen_.size() && !satelliten.empty(); ++r) {
                const Epoche* andere = EpocheZu(referenzen_[r].daten, e.zeit);
                std::vector<Satellit> schnitt;
                if (andere) {
                    const std::vector<Satellit> dort = Nutzbar(*andere, a_.ausgeschlossen);
                    std::set_intersection(satelliten.begin(), satelliten.end(), dort.begin(),
                                          dort.end(), std::back_inserter(schnitt));
                }
                satelliten = std::move(schnitt);
            }
            if (satelliten.empty())
                continue;
            Epoche v;
            v.zeit = e.zeit;
            for (const Satellit& s : satelliten) {
                const auto it = std::find(e.satelliten.begin(), e.satelliten.end(), s);
                const std::size_t quelle = static_cast<std::size_t>(it - e.satelliten.begin());
                v.satelliten.push_back(s);
                v.werte.insert(v.werte.end(), e.werte.begin() + quelle * typen,
                               e.werte.begin() + (quelle + 1) * typen);
                v.merker.append(e.merker, quelle * typen * 2, typen * 2);
            }
            epochen.push_back(std::move(v));
        }
        return epochen;
    }

    RinexKopf VirtuellerKopf(const std::vector<Epoche>& epochen) const {
        const RinexKopf& quelle = referenzen_.front().daten.kopf;
        RinexKopf k;
        std::set<char> systeme;
        for (const Epoche& e : epochen)
            for (const Satellit& s : e.satelliten)
                systeme.insert(s.system);
        k.system = systeme.size() == 1 ? *systeme.begin() : 'M';
        k.markername = "VIRT";
        k.beobachter = "VEXLO-SIM";
        k.agentur = "VIRTUELLE REFERENZSTATION";
        k.empfaengertyp = "SIMULIERT";
        k.naeherung = neupunkt_.daten.kopf.naeherung;
        k.typen = quelle.typen;
        k.intervall = quelle.intervall;
        k.zeitsystem = quelle.zeitsystem;
        std::string kennungen;
        for (const Station& r : referenzen_)
            kennungen += (kennungen.empty() ? "" : ",") + r.kennung;
        k.kommentare = {"VIRTUELLE STATION VON VEXLO-SIM, KEIN GNSS-RECHENKERN",
                        "BEOBACHTUNGEN DER REFERENZ " + Druckbar(referenzen_.front().kennung),
                        "REFERENZEN " + Druckbar(kennungen), ZonenKommentar(Zone())};
        return k;
    }

    // Eine Zone für den ganzen Lauf: die der mittleren Länge aller Referenzen, die gleich bleibt,
    // welcher Neupunkt auch gerechnet wird.
    int Zone() const {
        double summe = 0;
        int anzahl = 0;
        for (const Station& r : referenzen_)
            if (NaeherungBrauchbar(r.daten.kopf)) {
                summe += EllipsoidischAusGeozentrisch(r.daten.kopf.naeherung).laengeGrad;
                ++anzahl;
            }
        const Vektor3& n = neupunkt_.daten.kopf.naeherung;
        return UtmZone(anzahl > 0 ? summe / anzahl : EllipsoidischAusGeozentrisch(n).laengeGrad);
    }

    bool VirtuelleStationSchreiben() {
        RinexDatei v;
        v.epochen = VirtuelleEpochen();
        if (v.epochen.empty()) {
            Info("Keine gemeinsamen Epochen von Neupunkt und Referenzstationen");
            fehlerdatei_.push_back("VEXLO-error: no simultaneous observations");
            return false;
        }
        v.kopf = VirtuellerKopf(v.epochen);
        const std::string name = VirtuellerName(TagAusName(a_.neupunkt));
        if (!TextdateiSchreiben(name, RinexZeilen(v, {"vexlo-sim", "Qel"}))) {
            Fatal("cannot write virtual station file " + name);
            return false;
        }
        Info(Formatiert("Virtuelle Station: %s, %zu Epochen, %s bis %s", name.c_str(),
                        v.epochen.size(), Uhrzeit(v.epochen.front().zeit).c_str(),
                        Uhrzeit(v.epochen.back().zeit).c_str()));
        return true;
    }
};

} // namespace

int QelAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente) {
    return QelLauf(QelAuftragLesen(argumente))
        .Ausfuehren("vexlo-sim Qel (" + aufrufname + ") - Simulator, kein GNSS-Rechenkern");
}
