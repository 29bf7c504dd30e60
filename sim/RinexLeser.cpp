#include "RinexLeser.h"

#include "Felder.h"
#include "Textdatei.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Mehr Beobachtungstypen kennt RINEX 2 nicht; schützt vor unsinnigen Zählern in Müll.
constexpr long kHoechstensTypen = 60;

class RinexLeser {
public:
    explicit RinexLeser(std::string_view inhalt) : zeilen_(inhalt) {}

    RinexErgebnis Lesen() {
        RinexErgebnis e;
        if (KopfLesen() && EpochenLesen())
            Ordnen();
        e.datei = std::move(datei_);
        e.fehler = std::move(fehler_);
        return e;
    }

private:
    Zeilenleser zeilen_;
    RinexDatei datei_;
    std::string fehler_;
    std::size_t erwarteteTypen_ = 0;

    bool Fehler(const std::string& text) {
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "line %ld: ", zeilen_.Zeilennummer());
        fehler_ = puffer + text;
        return false;
    }

    bool KopfLesen() {
        std::string_view z;
        if (!zeilen_.Naechste(z)) {
            fehler_ = "file is empty";
            return false;
        }
        if (Beschriftung(z) != "RINEX VERSION / TYPE")
            return Fehler("not a RINEX file (no RINEX VERSION / TYPE in the first line)");
        const FeldZahl version = ZahlLesen(Feld(z, 1, 9));
        if (version.leer || !version.gueltig || version.wert < 2 || version.wert >= 3)
            return Fehler("RINEX version '" + Druckbar(Feld(z, 1, 9)) + "' not supported (2.xx)");
        if (Feld(z, 21, 1) != "O")
            return Fehler("not an observation file (type '" + Druckbar(Feld(z, 21, 1)) + "')");
        datei_.kopf.version = version.wert;
        const std::string_view system = Feld(z, 41, 1);
        datei_.kopf.system = system.empty() || system == " " ? 'G' : system.front();
        while (zeilen_.Naechste(z)) {
            const std::string_view beschriftung = Beschriftung(z);
            if (beschriftung == "END OF HEADER")
                return KopfPruefen();
            if (!KopfzeileLesen(beschriftung, z))
                return false;
        }
        return Fehler("header has no END OF HEADER");
    }

    bool KopfPruefen() {
        if (datei_.kopf.typen.empty())
            return Fehler("header has no # / TYPES OF OBSERV");
        if (datei_.kopf.typen.size() != erwarteteTypen_)
            return Fehler("# / TYPES OF OBSERV names fewer types than it counts");
        return true;
    }

    bool Vektor(std::string_view z, std::array<double, 3>& ziel, const char* was) {
        for (std::size_t i = 0; i < 3; ++i) {
            const FeldZahl wert = ZahlLesen(Feld(z, 1 + 14 * i, 14));
            if (!wert.gueltig)
                return Fehler(std::string("unreadable ") + was);
            ziel[i] = wert.wert;
        }
        return true;
    }

    bool KopfzeileLesen(std::string_view beschriftung, std::string_view z) {
        RinexKopf& k = datei_.kopf;
        auto text = [](std::string_view f) { return std::string(OhneRand(f)); };
        if (beschriftung == "MARKER NAME") {
            k.markername = text(Feld(z, 1, 60));
        } else if (beschriftung == "MARKER NUMBER") {
            k.markernummer = text(Feld(z, 1, 20));
        } else if (beschriftung == "OBSERVER / AGENCY") {
            k.beobachter = text(Feld(z, 1, 20));
            k.agentur = text(Feld(z, 21, 40));
        } else if (beschriftung == "REC # / TYPE / VERS") {
            k.empfaengernummer = text(Feld(z, 1, 20));
            k.empfaengertyp = text(Feld(z, 21, 20));
            k.empfaengerversion = text(Feld(z, 41, 20));
        } else if (beschriftung == "ANT # / TYPE") {
            k.antennennummer = text(Feld(z, 1, 20));
            // Typ und Radom (Spalten 37 bis 40) bleiben zusammen, wie ANTEX sie vergleicht.
            k.antennentyp = std::string(Feld(z, 21, 20));
            while (!k.antennentyp.empty() && k.antennentyp.back() == ' ')
                k.antennentyp.pop_back();
        } else if (beschriftung == "APPROX POSITION XYZ") {
            return Vektor(z, k.naeherung, "APPROX POSITION XYZ");
        } else if (beschriftung == "ANTENNA: DELTA H/E/N") {
            return Vektor(z, k.antennenversatz, "ANTENNA: DELTA H/E/N");
        } else if (beschriftung == "# / TYPES OF OBSERV") {
            return TypenLesen(z);
        } else if (beschriftung == "INTERVAL") {
            const FeldZahl wert = ZahlLesen(Feld(z, 1, 10));
            if (!wert.gueltig || wert.wert < 0)
                return Fehler("unreadable INTERVAL");
            k.intervall = wert.wert;
        } else if (beschriftung == "TIME OF FIRST OBS") {
            return ErsteBeobachtungLesen(z);
        } else if (beschriftung == "COMMENT") {
            k.kommentare.push_back(text(Feld(z, 1, 60)));
        }
        return true;
    }

    bool TypenLesen(std::string_view z) {
        std::vector<std::string>& typen = datei_.kopf.typen;
        const std::string_view zaehler = OhneRand(Feld(z, 1, 6));
        if (!zaehler.empty()) {
            const auto n = GanzzahlLesen(zaehler);
            if (!n || *n < 1 || *n > kHoechstensTypen || !typen.empty())
                return Fehler("invalid # / TYPES OF OBSERV");
            erwarteteTypen_ = static_cast<std::size_t>(*n);
        } else if (typen.empty()) {
            return Fehler("# / TYPES OF OBSERV continues without a count");
        }
        for (std::size_t i = 0; i < 9 && typen.size() < erwarteteTypen_; ++i) {
            const std::string_view typ = OhneRand(Feld(z, 11 + 6 * i, 2));
            if (typ.empty())
                break;
            typen.emplace_back(typ);
        }
        return true;
    }

    bool ErsteBeobachtungLesen(std::string_view z) {
        Kalenderzeit k;
        const auto j = GanzzahlLesen(Feld(z, 1, 6));
        const auto mo = GanzzahlLesen(Feld(z, 7, 6));
        const auto t = GanzzahlLesen(Feld(z, 13, 6));
        const auto h = GanzzahlLesen(Feld(z, 19, 6));
        const auto mi = GanzzahlLesen(Feld(z, 25, 6));
        const FeldZahl s = ZahlLesen(Feld(z, 31, 13));
        if (!j || !mo || !t || !h || !mi || s.leer || !s.gueltig)
            return Fehler("unreadable TIME OF FIRST OBS");
        k = {static_cast<int>(*j), static_cast<int>(*mo), static_cast<int>(*t),
             static_cast<int>(*h), static_cast<int>(*mi), s.wert};
        if (!IstGueltig(k))
            return Fehler("invalid TIME OF FIRST OBS");
        datei_.kopf.ersteBeobachtung = ZeitAusKalender(k);
        datei_.kopf.hatErsteBeobachtung = true;
        const std::string_view system = OhneRand(Feld(z, 49, 3));
        if (!system.empty())
            datei_.kopf.zeitsystem = std::string(system);
        return true;
    }

    bool EpochenLesen() {
        std::string_view z;
        while (zeilen_.Naechste(z)) {
            if (OhneRand(z).empty())
                continue;
            if (!EpocheLesen(z))
                return false;
        }
        return true;
    }

    bool ZeileVerlangen(std::string_view& z, const char* wo) {
        if (zeilen_.Naechste(z))
            return true;
        return Fehler(std::string("file ends within ") + wo);
    }

    bool EpocheLesen(std::string_view z) {
        const auto kennung = GanzzahlLesen(Feld(z, 29, 1));
        const auto anzahl = GanzzahlLesen(Feld(z, 30, 3));
        if (!kennung || !anzahl || *kennung < 0 || *kennung > 6 || *anzahl < 0)
            return Fehler("invalid epoch record '" + Druckbar(z) + "'");
        if (*kennung >= 2 && *kennung <= 5) {
            // Ereignis: die angekündigten Sonderzeilen (etwa Kopfangaben) werden übergangen.
            for (long i = 0; i < *anzahl; ++i)
                if (!ZeileVerlangen(z, "an event record"))
                    return false;
            return true;
        }
        Epoche e;
        e.kennung = static_cast<int>(*kennung);
        if (!EpochenzeitLesen(z, e.zeit) || !SatellitenLesen(z, *anzahl, e) ||
            !BeobachtungenLesen(e))
            return false;
        if (e.kennung != 6) // Zeilen mit Phasensprüngen wiederholen nur Werte
            datei_.epochen.push_back(std::move(e));
        return true;
    }

    bool EpochenzeitLesen(std::string_view z, Zeitpunkt& zeit) {
        const auto j = GanzzahlLesen(Feld(z, 2, 2));
        const auto mo = GanzzahlLesen(Feld(z, 5, 2));
        const auto t = GanzzahlLesen(Feld(z, 8, 2));
        const auto h = GanzzahlLesen(Feld(z, 11, 2));
        const auto mi = GanzzahlLesen(Feld(z, 14, 2));
        const FeldZahl s = ZahlLesen(Feld(z, 16, 11));
        if (!j || !mo || !t || !h || !mi || s.leer || !s.gueltig || *j < 0 || *j > 99)
            return Fehler("invalid epoch time '" + Druckbar(z) + "'");
        const Kalenderzeit k{VierstelligesJahr(static_cast<int>(*j)),
                             static_cast<int>(*mo),
                             static_cast<int>(*t),
                             static_cast<int>(*h),
                             static_cast<int>(*mi),
                             s.wert};
        if (!IstGueltig(k))
            return Fehler("invalid epoch time '" + Druckbar(z) + "'");
        zeit = ZeitAusKalender(k);
        return true;
    }

    bool SatellitenLesen(std::string_view z, long anzahl, Epoche& e) {
        e.satelliten.reserve(static_cast<std::size_t>(anzahl));
        for (long i = 0; i < anzahl; ++i) {
            if (i > 0 && i % 12 == 0 && !ZeileVerlangen(z, "a satellite list"))
                return false;
            const std::string_view feld = Feld(z, 33 + 3 * static_cast<std::size_t>(i % 12), 3);
            Satellit s;
            if (!SatellitLesen(feld, s))
                return Fehler("invalid satellite '" + Druckbar(feld) + "' in the epoch record");
            e.satelliten.push_back(s);
        }
        return true;
    }

    static bool SatellitLesen(std::string_view feld, Satellit& s) {
        if (feld.size() != 3)
            return false;
        const char system = feld[0] == ' ' ? 'G' : feld[0];
        const auto nummer = GanzzahlLesen(feld.substr(1));
        if (system < 'A' || system > 'Z' || !nummer || *nummer < 0 || *nummer > 99)
            return false;
        s = {system, static_cast<int>(*nummer)};
        return true;
    }

    bool BeobachtungenLesen(Epoche& e) {
        const std::size_t typen = datei_.kopf.typen.size();
        const std::size_t zeilenJeSatellit = (typen + 4) / 5;
        e.werte.assign(e.satelliten.size() * typen, std::numeric_limits<double>::quiet_NaN());
        e.merker.assign(e.werte.size() * 2, ' ');
        std::string_view z;
        for (std::size_t s = 0; s < e.satelliten.size(); ++s) {
            for (std::size_t l = 0; l < zeilenJeSatellit; ++l) {
                if (!ZeileVerlangen(z, "the observations of an epoch"))
                    return false;
                for (std::size_t f = 0; f < 5 && l * 5 + f < typen; ++f) {
                    const std::size_t index = s * typen + l * 5 + f;
                    const FeldZahl wert = ZahlLesen(Feld(z, 1 + 16 * f, 14));
                    if (!wert.gueltig)
                        return Fehler("invalid observation '" + Druckbar(Feld(z, 1 + 16 * f, 14)) +
                                      "'");
                    if (!wert.leer)
                        e.werte[index] = wert.wert;
                    MerkerSetzen(Feld(z, 15 + 16 * f, 2), e.merker, index * 2);
                }
            }
        }
        return true;
    }

    static void MerkerSetzen(std::string_view feld, std::string& merker, std::size_t stelle) {
        for (std::size_t i = 0; i < feld.size() && i < 2; ++i)
            if (feld[i] >= '0' && feld[i] <= '9')
                merker[stelle + i] = feld[i];
    }

    // Epochen nach Zeit; doppelte Zeitpunkte zählen einmal (die erste Epoche gilt).
    void Ordnen() {
        std::vector<Epoche>& e = datei_.epochen;
        std::stable_sort(e.begin(), e.end(),
                         [](const Epoche& a, const Epoche& b) { return a.zeit < b.zeit; });
        e.erase(std::unique(e.begin(), e.end(),
                            [](const Epoche& a, const Epoche& b) { return a.zeit == b.zeit; }),
                e.end());
    }
};

} // namespace

std::string Druckbar(std::string_view text, std::size_t hoechstens) {
    std::string s;
    for (char c : text.substr(0, hoechstens))
        s += c >= ' ' && c <= '~' ? c : '?';
    if (text.size() > hoechstens)
        s += "...";
    return s;
}

RinexErgebnis RinexLesen(std::string_view inhalt) {
    return RinexLeser(inhalt).Lesen();
}

RinexErgebnis RinexDateiLesen(const std::string& name) {
    const Dateiinhalt datei(name);
    if (!datei.Gelesen()) {
        RinexErgebnis e;
        e.fehler = "file not found or not readable";
        return e;
    }
    return RinexLesen(datei.Inhalt());
}
