#include "Bo.h"

#include "Antex.h"
#include "Basislinie.h"
#include "Boausgabe.h"
#include "Formatiert.h"
#include "Geometrie.h"
#include "Koordinaten.h"
#include "Modullauf.h"
#include "RinexLeser.h"
#include "Schalter.h"
#include "Textdatei.h"

#include <cstdio>
#include <optional>

namespace {

std::string Zeitangabe(Zeitpunkt t) {
    const Kalenderzeit k = KalenderAusZeit(t);
    return Formatiert("%04d-%02d-%02d %02d:%02d:%02d", k.jahr, k.monat, k.tag, k.stunde, k.minute,
                      static_cast<int>(k.sekunde));
}

class BoLauf : public BoModullauf {
public:
    using BoModullauf::BoModullauf;

private:
    RinexDatei virtuell_;
    RinexDatei neupunkt_;
    Kennzahlen k_;
    Lagekoordinaten lage_;
    int zone_ = 0;

    // "-z" vor der Zone, die Qel für den Lauf festgelegt hat; eine virtuelle Station von anderswo
    // ohne Zone nimmt die des Neupunkts.
    int Zone() const {
        if (a_.zone != 0)
            return a_.zone;
        if (const int zone = ZoneAusKommentaren(virtuell_.kopf.kommentare))
            return zone;
        return UtmZone(EllipsoidischAusGeozentrisch(neupunkt_.kopf.naeherung).laengeGrad);
    }

    bool Rechnen() override {
        log_.push_back("Virtuelle Station: " + a_.virtuell);
        log_.push_back("Neupunkt: " + a_.neupunkt);
        for (const std::string& s : a_.uebergangen)
            log_.push_back("Angenommen, ohne Wirkung im Simulator: " + s);
        if (a_.virtuell.empty() || a_.neupunkt.empty())
            return Fehler("missing arguments (virtual station file and new point file expected)");
        if (!Lesen(a_.virtuell, "virtual station file", virtuell_) ||
            !Lesen(a_.neupunkt, "new point file", neupunkt_))
            return false;
        if (!NaeherungBrauchbar(neupunkt_.kopf))
            return Fehler("new point file " + a_.neupunkt + " has no usable APPROX POSITION XYZ");
        const auto kennzahlen = BasislinieAuswerten(virtuell_, neupunkt_, a_.elevationsmaske);
        if (!kennzahlen)
            return Fehler("no simultaneous observations");
        k_ = *kennzahlen;
        KennzahlenProtokollieren();
        Koordinatenrechner rechner;
        zone_ = Zone();
        const auto lage = rechner.Utm(neupunkt_.kopf.naeherung, zone_);
        if (!lage)
            return Fehler(rechner.Fehler());
        lage_ = *lage;
        AntennePruefen();
        if (!ListeSchreiben())
            return false;
        return LoesungSchreiben(rechner);
    }

    bool Lesen(const std::string& name, const char* was, RinexDatei& ziel) {
        RinexErgebnis e = RinexDateiLesen(NameAufloesen(name));
        if (!e.fehler.empty())
            return Fehler(std::string("cannot read ") + was + " " + name + " (" + e.fehler + ")");
        if (!e.hinweis.empty())
            log_.push_back("Hinweis: " + name + ": " + e.hinweis);
        ziel = std::move(e.datei);
        return true;
    }

    void KennzahlenProtokollieren() {
        log_.push_back(Formatiert("Gemeinsame Epochen: %d, Intervall %.1f s, ", k_.epochen,
                                  k_.intervallSekunden) +
                       Zeitangabe(k_.anfang) + " bis " + Zeitangabe(k_.ende));
        log_.push_back(Formatiert("Bögen: %d, gelöst: %d (ab %.1f min)", k_.boegen,
                                  k_.geloesteBoegen, kMindestbogenMinuten));
        log_.push_back(
            Formatiert("PDOP aus %d Epochen mit mindestens 4 Satelliten", k_.pdopEpochen));
        log_.push_back("Lösungsqualität: " + Qualitaetswort(k_));
    }

    void AntennePruefen() {
        if (a_.antex.empty())
            return;
        const auto antennen = AntexAntennenLesen(NameAufloesen(a_.antex));
        const std::string typ = AntennentypMitRadom(neupunkt_.kopf.antennentyp);
        if (!antennen)
            log_.push_back("Warnung: ANTEX-Datei " + a_.antex + " nicht lesbar, ohne Korrektur");
        else if (!antennen->count(typ))
            log_.push_back("Warnung: Antennentyp '" + Druckbar(typ) + "' fehlt in " + a_.antex +
                           ", ohne Korrektur");
    }

    bool ListeSchreiben() {
        const Ergebniswerte werte{Punktname(neupunkt_.kopf, a_.neupunkt),
                                  lage_,
                                  Qualitaetswort(k_),
                                  k_.epochen,
                                  k_.mehrdeutigkeitenProzent,
                                  k_.zeitMinuten,
                                  k_.mittlereSatelliten,
                                  k_.pdop};
        if (!ErgebnislisteSchreiben(a_.liste, werte))
            return Fehler("cannot write result list " + a_.liste);
        log_.push_back("Ergebnisliste: " + a_.liste);
        return true;
    }

    bool LoesungSchreiben(Koordinatenrechner& rechner) {
        const RinexKopf& k = neupunkt_.kopf;
        std::vector<std::string> z{
            "vexlo-sim Bo (" + aufrufname_ + ") - Basislinienlösung",
            "Simulator, kein GNSS-Rechenkern: Lage aus APPROX POSITION XYZ des Neupunkts",
            "Referenz (virtuell) = " + a_.virtuell,
            "Neupunkt = " + a_.neupunkt,
            "Punkt = " + Punktname(k, a_.neupunkt),
            "Antenne = " + Druckbar(k.antennentyp, 20) +
                Formatiert(", Höhe %.4f m", k.antennenversatz[0]),
            Formatiert("Näherung XYZ [m] = %.4f %.4f %.4f", k.naeherung[0], k.naeherung[1],
                       k.naeherung[2]),
            Formatiert("Koordinatensystem = ETRS89/UTM Zone %d, Höhe über GRS80", zone_),
            Formatiert("Rechtswert Y [m]: %.3f", lage_.rechtswert),
            Formatiert("Hochwert X [m]: %.3f", lage_.hochwert),
            Formatiert("Ellipsoidische Höhe [m]: %.3f", lage_.hoehe)};
        if (a_.normalhoehen) {
            const auto gitter = GeoidGitterFinden();
            if (const auto h = rechner.Normalhoehe(k.naeherung, gitter.value_or(kGeoidGitter))) {
                z.push_back(Formatiert("Geoidundulation EGM96 [m]: %.3f", lage_.hoehe - *h));
                z.push_back(Formatiert("NHN-Höhe [m]: %.3f", *h));
            } else {
                Fehler(rechner.Fehler());
                z.push_back("Normalhöhe nicht berechnet: " + rechner.Fehler());
            }
        }
        if (!LoesungsdateiSchreiben(a_.loesung, std::move(z)))
            return Fehler("cannot write solution file " + a_.loesung);
        log_.push_back("Lösung: " + a_.loesung);
        return true;
    }
};

} // namespace

int BoAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente) {
    return BoLauf(aufrufname, BoAuftragLesen(argumente))
        .Ausfuehren("vexlo-sim Bo (" + aufrufname + ") - Simulator, kein GNSS-Rechenkern");
}
