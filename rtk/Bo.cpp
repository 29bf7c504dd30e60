#include "Bo.h"

#include "Antex.h"
#include "Bewertung.h"
#include "Boausgabe.h"
#include "Formatiert.h"
#include "Koordinaten.h"
#include "Modulinstallation.h"
#include "Modullauf.h"
#include "Referenzdateien.h"
#include "Referenzkoordinaten.h"
#include "RinexLeser.h"
#include "Rnx2rtkp.h"
#include "Schalter.h"
#include "Stationswahl.h"
#include "Textdatei.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

struct Basislinie {
    GewaehlteStation station;
    std::optional<Basislinienloesung> loesung;
    double laenge = 0;
};

bool EndetAuf(const std::string& name, const std::string& endung) {
    return name.size() >= endung.size() &&
           KennungKlein(name.substr(name.size() - endung.size())) == endung;
}

// Navigationsdateien des Tages: "*.JJn", "*.JJg" und "*_MN.rnx" (RINEX 3), nach Namen.
std::vector<std::string> Navigationsdateien(const std::string& jahr) {
    std::vector<std::string> dateien;
    std::error_code fehler;
    for (fs::directory_iterator it(".", fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        std::error_code f2;
        if (it->is_regular_file(f2) &&
            (EndetAuf(name, "." + jahr + "n") || EndetAuf(name, "." + jahr + "g") ||
             EndetAuf(name, "_mn.rnx")))
            dateien.push_back(name);
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

// Das Höhenbezugsgitter, das --installieren als *.bog neben das Programm gelegt hat.
std::optional<std::string> Hoehengitter() {
    std::error_code fehler;
    for (fs::directory_iterator it(Programmverzeichnis(), fehler), ende; !fehler && it != ende;
         it.increment(fehler))
        if (EndetAuf(it->path().filename().string(), ".bog")) {
            // PROJ erkennt das Format am Namen des Ziels (etwa .gtx), nicht an ".bog".
            const fs::path ziel = fs::canonical(it->path(), fehler);
            return (fehler ? it->path() : ziel).string();
        }
    return std::nullopt;
}

class BoLauf : public BoModullauf {
public:
    using BoModullauf::BoModullauf;

private:
    std::vector<std::string> fatal_;
    Stationswahl wahl_;
    RinexDatei neupunkt_;
    std::vector<Basislinie> linien_;
    int zone_ = 0;

    bool Fehler(const std::string& text) override {
        fatal_.push_back("FATAL ERROR: Bo: " + text);
        return BoModullauf::Fehler(text);
    }
    // Kestrav liest nach dem Lauf nur das Qel-Protokoll auf "FATAL ERROR:".
    void DateienSchreiben(bool erfolg) override {
        BoModullauf::DateienSchreiben(erfolg);
        if (!fatal_.empty())
            TextdateiAnhaengen(kQelProtokoll, fatal_);
    }
    void Warnung(const std::string& text) {
        log_.push_back("Warnung: " + text);
        fatal_.push_back("FATAL ERROR: Bo: " + text);
    }

    bool Rechnen() override {
        if (a_.virtuell.empty() || a_.neupunkt.empty())
            return Fehler("missing arguments (virtual station file and new point file expected)");
        log_.push_back("Virtuelle Station: " + a_.virtuell + ", Neupunkt: " + a_.neupunkt);
        std::string fehler;
        const auto wahl = StationswahlLesen(BegleitdateiName(NameAufloesen(a_.virtuell)), fehler);
        if (!wahl)
            return Fehler(fehler);
        wahl_ = *wahl;
        zone_ = a_.zone != 0 ? a_.zone : wahl_.zone;
        RinexErgebnis e = RinexDateiLesen(NameAufloesen(a_.neupunkt));
        if (!e.fehler.empty())
            return Fehler("cannot read new point file " + a_.neupunkt + " (" + e.fehler + ")");
        neupunkt_ = std::move(e.datei);
        const auto navigation = Navigationsdateien(NachUtf8(TagAusName(a_.neupunkt).jahr));
        if (navigation.empty())
            return Fehler("no navigation files (*.YYn, *.YYg, *_MN.rnx) in the working directory");
        AntennenPruefen();
        for (std::size_t i = 0; i < wahl_.stationen.size(); ++i)
            linien_.push_back(BasislinieRechnen(i, navigation));
        const Basislinie* ergebnis = Ergebnis();
        if (!ergebnis)
            return Fehler("no baseline could be computed");
        Koordinatenrechner rechner;
        BasislinienProtokollieren(rechner, *ergebnis);
        StreuungPruefen(*ergebnis);
        const auto lage = rechner.Utm(ergebnis->loesung->punkt, zone_);
        if (!lage)
            return Fehler(rechner.Fehler());
        return ListeSchreiben(*ergebnis, *lage) && LoesungSchreiben(rechner, *ergebnis, *lage);
    }

    // RTKLIB rechnet eine fehlende Antenne stillschweigend ohne Korrektur.
    void AntennenPruefen() {
        if (a_.antex.empty())
            return;
        const auto antennen = AntexAntennenLesen(NameAufloesen(a_.antex));
        if (!antennen) {
            Warnung("cannot read ANTEX file " + a_.antex);
            return;
        }
        std::vector<std::pair<std::string, std::string>> typen{
            {a_.neupunkt, neupunkt_.kopf.antennentyp}};
        for (const GewaehlteStation& s : wahl_.stationen) {
            const RinexErgebnis r = RinexDateiLesen(s.datei);
            typen.emplace_back(s.datei, r.datei.kopf.antennentyp);
        }
        for (const auto& [datei, typ] : typen)
            if (!antennen->count(AntennentypMitRadom(typ)))
                Warnung("antenna type '" + Druckbar(AntennentypMitRadom(typ)) + "' of " + datei +
                        " not in ANTEX file " + a_.antex + ", computed without correction");
    }

    Basislinie BasislinieRechnen(std::size_t i, const std::vector<std::string>& navigation) {
        Basislinie b{wahl_.stationen[i], std::nullopt, 0};
        Basislinienauftrag auftrag;
        auftrag.neupunkt = NameAufloesen(a_.neupunkt);
        auftrag.referenz = i == 0 ? NameAufloesen(a_.virtuell) : b.station.datei;
        auftrag.referenzkoordinate = b.station.koordinate;
        auftrag.navigation = navigation;
        auftrag.antex = a_.antex.empty() ? "" : NameAufloesen(a_.antex);
        auftrag.elevationsmaske = a_.elevationsmaske;
        auftrag.ausgeschlossen = wahl_.ausgeschlossen;
        const std::string basis = NameAufloesen(a_.virtuell) + "." + b.station.kennung;
        auftrag.konfiguration = basis + ".conf";
        auftrag.ausgabe = basis + ".pos";
        std::error_code fehler;
        fs::remove(auftrag.ausgabe, fehler);
        fs::remove(auftrag.ausgabe + ".stat", fehler);
        if (!TextdateiSchreiben(auftrag.konfiguration, Konfiguration(auftrag))) {
            Warnung("cannot write " + auftrag.konfiguration);
            return b;
        }
        const Programmlauf lauf = Rnx2rtkpAusfuehren(auftrag);
        const std::string gemeldet = GemeldeterFehler(lauf.ausgabe);
        if (!lauf.gestartet || lauf.exitcode != 0 || !gemeldet.empty()) {
            Warnung("rnx2rtkp for station " + b.station.kennung + " failed" +
                    Formatiert(" (exit code %d", lauf.exitcode) +
                    (gemeldet.empty() ? ")" : ": " + Druckbar(gemeldet, 120) + ")"));
            return b;
        }
        const Dateiinhalt pos(auftrag.ausgabe);
        const Dateiinhalt stat(auftrag.ausgabe + ".stat");
        b.loesung = PosdateiLesen(pos.Inhalt(), stat.Inhalt());
        if (!b.loesung)
            Warnung("rnx2rtkp gave no solution for station " + b.station.kennung);
        else
            b.laenge = Betrag(Differenz(b.loesung->punkt, b.station.koordinate));
        return b;
    }

    // Die nächste gelöste Basislinie, sonst die nächste mit Gleitkommalösung.
    const Basislinie* Ergebnis() const {
        for (const Basislinie& b : linien_)
            if (b.loesung && b.loesung->Geloest())
                return &b;
        for (const Basislinie& b : linien_)
            if (b.loesung)
                return &b;
        return nullptr;
    }

    void BasislinienProtokollieren(Koordinatenrechner& rechner, const Basislinie& ergebnis) {
        for (const Basislinie& b : linien_) {
            if (!b.loesung) {
                log_.push_back("Basislinie " + b.station.kennung + ": keine Lösung");
                continue;
            }
            const auto lage = rechner.Utm(b.loesung->punkt, zone_);
            const Basislinienloesung& l = *b.loesung;
            log_.push_back(Formatiert("Basislinie %s: %.3f m, %s, %d von %d Epochen gelöst, ",
                                      b.station.kennung.c_str(), b.laenge,
                                      l.Geloest() ? "fest" : "float", l.geloesteEpochen,
                                      l.epochen) +
                           (lage ? Formatiert("Y %.4f X %.4f h %.4f", lage->rechtswert,
                                              lage->hochwert, lage->hoehe)
                                 : "nicht in Zone " + std::to_string(zone_)) +
                           (&b == &ergebnis ? " (Ergebnis)" : ""));
        }
    }

    void StreuungPruefen(const Basislinie& ergebnis) {
        for (const Basislinie& b : linien_) {
            if (&b == &ergebnis || !b.loesung)
                continue;
            const Abweichung a = Streuung(ergebnis.loesung->punkt, b.loesung->punkt, b.laenge);
            if (a.Zuviel())
                Warnung(Formatiert("station %s deviates from the result by %.3f m in position "
                                   "and %.3f m in height (limits %.3f m, %.3f m)",
                                   b.station.kennung.c_str(), a.lage, a.hoehe, a.grenzeLage,
                                   a.grenzeHoehe));
        }
    }

    bool ListeSchreiben(const Basislinie& b, const Lagekoordinaten& lage) {
        const Basislinienloesung& l = *b.loesung;
        const Ergebniswerte werte{Punktname(neupunkt_.kopf, a_.neupunkt),
                                  lage,
                                  Qualitaetswort(l),
                                  l.epochen,
                                  l.FixProzent(),
                                  l.zeitMinuten,
                                  l.mittlereSatelliten,
                                  l.pdop};
        if (!ErgebnislisteSchreiben(a_.liste, werte))
            return Fehler("cannot write result list " + a_.liste);
        return true;
    }

    bool LoesungSchreiben(Koordinatenrechner& rechner, const Basislinie& b,
                          const Lagekoordinaten& lage) {
        const Vektor3& x = b.loesung->punkt;
        std::vector<std::string> z{
            "vexlo-rtk Bo (" + aufrufname_ + ") - Basislinienlösung mit rnx2rtkp",
            "Neupunkt = " + a_.neupunkt,
            "Punkt = " + Punktname(neupunkt_.kopf, a_.neupunkt),
            "Referenz = " + b.station.kennung + Formatiert(", Basislinie %.3f m", b.laenge),
            Formatiert("XYZ [m] = %.4f %.4f %.4f", x[0], x[1], x[2]),
            Formatiert("Koordinatensystem = UTM Zone %d auf GRS80 im Rahmen der Referenzen", zone_),
            Formatiert("Rechtswert Y [m]: %.3f", lage.rechtswert),
            Formatiert("Hochwert X [m]: %.3f", lage.hochwert),
            Formatiert("Ellipsoidische Höhe [m]: %.3f", lage.hoehe)};
        if (a_.normalhoehen)
            NormalhoeheAnfuegen(rechner, x, z);
        if (!LoesungsdateiSchreiben(a_.loesung, std::move(z)))
            return Fehler("cannot write solution file " + a_.loesung);
        return true;
    }

    // Nur aus dem amtlichen Gitter, das installiert wurde; nie stillschweigend aus EGM96.
    void NormalhoeheAnfuegen(Koordinatenrechner& rechner, const Vektor3& x,
                             std::vector<std::string>& z) {
        const auto gitter = Hoehengitter();
        if (!gitter) {
            Fehler("no height reference grid (*.bog) installed, no normal height");
            return;
        }
        if (const auto h = rechner.Normalhoehe(x, *gitter)) {
            z.push_back("Höhenbezugsgitter = " + fs::path(*gitter).filename().string());
            z.push_back(Formatiert("NHN-Höhe [m]: %.3f", *h));
        } else {
            Fehler(rechner.Fehler());
        }
    }
};

} // namespace

int BoAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente) {
    return BoLauf(aufrufname, BoAuftragLesen(argumente))
        .Ausfuehren("vexlo-rtk Bo (" + aufrufname + "): Basislinien mit rnx2rtkp (RTKLIB)");
}
