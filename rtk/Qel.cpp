#include "Qel.h"

#include "Formatiert.h"
#include "Koordinaten.h"
#include "Modullauf.h"
#include "Referenzdateien.h"
#include "Referenzkoordinaten.h"
#include "RinexLeser.h"
#include "Schalter.h"
#include "Stationswahl.h"
#include "Textdatei.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHoechstensStationen = 3;

struct Kandidat {
    GewaehlteStation station;
    bool ueberlappt = false;
    bool ausKopf = false; // Näherung des RINEX-Kopfs statt Referenzkoordinaten.txt
};

class QelLauf : public QelModullauf {
public:
    using QelModullauf::QelModullauf;

private:
    RinexDatei neupunkt_;
    std::vector<Kandidat> kandidaten_;
    std::vector<double> laengen_; // aller Referenzen mit Koordinate, für die Zone des Laufs

    bool Rechnen() override {
        if (a_.neupunkt.empty() || a_.kennungen.empty()) {
            Fatal("missing arguments (new point file and reference identifiers expected)");
            return false;
        }
        Info("Neupunkt: " + a_.neupunkt);
        if (!NeupunktLesen())
            return false;
        const Referenzliste liste = ReferenzkoordinatenLesen(kReferenzkoordinaten);
        for (const std::string& f : liste.fehler)
            Fatal("unreadable line in " + f);
        KandidatenLesen(liste);
        return StationenSchreiben();
    }

    bool NeupunktLesen() {
        RinexErgebnis e = RinexDateiLesen(NameAufloesen(a_.neupunkt));
        if (!e.fehler.empty()) {
            Fatal("cannot read new point file " + a_.neupunkt + " (" + e.fehler + ")");
            return false;
        }
        if (!e.hinweis.empty())
            Info("Hinweis: " + a_.neupunkt + ": " + e.hinweis);
        neupunkt_ = std::move(e.datei);
        if (!NaeherungBrauchbar(neupunkt_.kopf) || neupunkt_.epochen.empty()) {
            Fatal("new point file " + a_.neupunkt +
                  " has no usable APPROX POSITION XYZ or no observation epochs");
            return false;
        }
        return true;
    }

    void KandidatenLesen(const Referenzliste& liste) {
        const Tageskennung tag = TagAusName(a_.neupunkt);
        std::set<std::string> gesehen;
        for (const std::string& kennung : a_.kennungen) {
            if (!gesehen.insert(KennungKlein(kennung)).second)
                continue;
            const auto datei = ReferenzdateiFinden(kennung, tag);
            if (!datei) {
                Fatal("no observation file for reference station " + kennung);
                continue;
            }
            RinexErgebnis e = RinexDateiLesen(*datei);
            if (!e.fehler.empty()) {
                Fatal("cannot read reference file " + *datei + " (" + e.fehler + ")");
                continue;
            }
            if (!e.hinweis.empty())
                Info("Hinweis: " + *datei + ": " + e.hinweis);
            Kandidat k;
            k.station.kennung = kennung;
            k.station.datei = *datei;
            if (const auto x = KoordinateZu(liste, kennung)) {
                k.station.koordinate = *x;
            } else if (NaeherungBrauchbar(e.datei.kopf)) {
                k.station.koordinate = e.datei.kopf.naeherung;
                k.ausKopf = true;
            } else {
                Fatal("reference station " + kennung + " has no coordinate");
                continue;
            }
            laengen_.push_back(EllipsoidischAusGeozentrisch(k.station.koordinate).laengeGrad);
            k.station.abstand = Betrag(Differenz(k.station.koordinate, neupunkt_.kopf.naeherung));
            k.ueberlappt = Ueberlappt(e.datei);
            Info(Formatiert("Referenz %s: %s, %zu Epochen, %.0f m, %s", kennung.c_str(),
                            datei->c_str(), e.datei.epochen.size(), k.station.abstand,
                            k.ueberlappt ? "gleichzeitig" : "nicht gleichzeitig"));
            kandidaten_.push_back(std::move(k));
        }
    }

    bool Ueberlappt(const RinexDatei& r) const {
        if (r.epochen.empty())
            return false;
        const auto& n = neupunkt_.epochen;
        return r.epochen.front().zeit <= n.back().zeit + kGleichzeitigkeit &&
               n.front().zeit <= r.epochen.back().zeit + kGleichzeitigkeit;
    }

    int Zone() const {
        if (laengen_.empty())
            return UtmZone(EllipsoidischAusGeozentrisch(neupunkt_.kopf.naeherung).laengeGrad);
        double summe = 0;
        for (double l : laengen_)
            summe += l;
        return UtmZone(summe / static_cast<double>(laengen_.size()));
    }

    bool StationenSchreiben() {
        Stationswahl wahl;
        wahl.ausgeschlossen = a_.ausgeschlossen;
        wahl.zone = Zone();
        std::vector<Kandidat> passend;
        std::copy_if(kandidaten_.begin(), kandidaten_.end(), std::back_inserter(passend),
                     [](const Kandidat& k) { return k.ueberlappt; });
        std::stable_sort(passend.begin(), passend.end(), [](const Kandidat& a, const Kandidat& b) {
            return a.station.abstand < b.station.abstand;
        });
        for (std::size_t i = 0; i < passend.size() && i < kHoechstensStationen; ++i) {
            wahl.stationen.push_back(passend[i].station);
            if (passend[i].ausKopf)
                Fatal("reference station " + passend[i].station.kennung + " not in " +
                      kReferenzkoordinaten +
                      ", approximate header position used (metres off, other frame)");
        }
        if (wahl.stationen.empty()) {
            Info("Keine Referenz beobachtet gleichzeitig mit dem Neupunkt");
            fehlerdatei_.push_back("VEXLO-error: no simultaneous observations");
            return false;
        }
        const std::string virt = VirtuellerName(TagAusName(a_.neupunkt));
        std::error_code fehler;
        fs::remove(virt, fehler);
        if (!fs::copy_file(wahl.stationen.front().datei, virt, fehler)) {
            Fatal("cannot write virtual station file " + virt);
            return false;
        }
        if (!StationswahlSchreiben(BegleitdateiName(virt), wahl)) {
            Fatal("cannot write " + BegleitdateiName(virt));
            return false;
        }
        for (const GewaehlteStation& s : wahl.stationen)
            Info(Formatiert("Gewählt: %s (%.0f m)", s.kennung.c_str(), s.abstand));
        Info(Formatiert("Zone des Laufs: %d; ", wahl.zone) + virt + " = Beobachtungen von " +
             wahl.stationen.front().kennung);
        return true;
    }
};

} // namespace

int QelAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente) {
    QelAuftrag auftrag = QelAuftragLesen(argumente);
    // Die Wahl des vorigen Punkts darf Bo nicht für diesen Punkt lesen, wenn Qel hier scheitert.
    if (!auftrag.neupunkt.empty()) {
        std::error_code fehler;
        const std::string virt = VirtuellerName(TagAusName(auftrag.neupunkt));
        fs::remove(virt, fehler);
        fs::remove(BegleitdateiName(virt), fehler);
    }
    return QelLauf(std::move(auftrag))
        .Ausfuehren("vexlo-rtk Qel (" + aufrufname +
                    "): Wahl der Referenzen, keine virtuelle Station");
}
