#include "RinexLeser.h"

#include "Felder.h"
#include "Textdatei.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>

namespace {

// Mehr Beobachtungstypen kennt RINEX 2 nicht; schützt vor unsinnigen Zählern in Müll.
constexpr long kHoechstensTypen = 60;

struct Feldlage {
    std::size_t von1, laenge;
};
// Jahr, Monat, Tag, Stunde, Minute, Sekunde.
using Zeitfelder = std::array<Feldlage, 6>;

constexpr Zeitfelder kErsteBeobachtung{{{1, 6}, {7, 6}, {13, 6}, {19, 6}, {25, 6}, {31, 13}}};
// RINEX 3 fasst das Jahr vierstellig hinter ">"; alle Felder danach rücken um drei Spalten.
constexpr Zeitfelder kEpochenzeit2{{{2, 2}, {5, 2}, {8, 2}, {11, 2}, {14, 2}, {16, 11}}};
constexpr Zeitfelder kEpochenzeit3{{{3, 4}, {8, 2}, {11, 2}, {14, 2}, {17, 2}, {19, 11}}};

// nullopt, wenn ein Feld fehlt oder keine Zahl ist; ob die Zeit gültig ist, prüft der Aufrufer.
std::optional<Kalenderzeit> ZeitLesen(std::string_view z, const Zeitfelder& felder) {
    std::array<int, 5> ganz{};
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        const auto wert = GanzzahlLesen(Feld(z, felder[i].von1, felder[i].laenge));
        if (!wert)
            return std::nullopt;
        ganz[i] = static_cast<int>(*wert); // höchstens sechs Ziffern
    }
    const FeldZahl s = ZahlLesen(Feld(z, felder[5].von1, felder[5].laenge));
    if (s.leer || !s.gueltig)
        return std::nullopt;
    return Kalenderzeit{ganz[0], ganz[1], ganz[2], ganz[3], ganz[4], s.wert};
}

class RinexLeser {
public:
    explicit RinexLeser(std::string_view inhalt) : zeilen_(inhalt) {}

    RinexErgebnis Lesen() {
        RinexErgebnis e;
        if (KopfLesen() && EpochenLesen())
            Ordnen();
        e.datei = std::move(datei_);
        e.fehler = std::move(fehler_);
        e.hinweis = std::move(hinweis_);
        return e;
    }

private:
    Zeilenleser zeilen_;
    RinexDatei datei_;
    std::string fehler_;
    std::string hinweis_;
    bool abgeschnitten_ = false;
    std::size_t erwarteteTypen_ = 0;
    // RINEX 3: je System die Stelle jedes Beobachtungstyps in datei_.kopf.typen (-1: übergangen).
    std::map<char, std::vector<int>> typenstellen_;
    char letztesSystem_ = 0;

    bool Version3() const { return datei_.kopf.version >= 3; }

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
        if (version.leer || !version.gueltig || version.wert < 2 || version.wert >= 4)
            return Fehler("RINEX version '" + Druckbar(Feld(z, 1, 9)) +
                          "' not supported (2.xx, 3.xx)");
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
            return Fehler(Version3() ? "header has no SYS / # / OBS TYPES"
                                     : "header has no # / TYPES OF OBSERV");
        if (Version3()) {
            for (const auto& [system, stellen] : typenstellen_)
                if (stellen.size() != erwarteteTypen3_[system])
                    return Fehler("SYS / # / OBS TYPES names fewer types than it counts");
            return true;
        }
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
        } else if (beschriftung == "# / TYPES OF OBSERV" && !Version3()) {
            return TypenLesen(z);
        } else if (beschriftung == "SYS / # / OBS TYPES" && Version3()) {
            return Typen3Lesen(z);
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

    std::map<char, std::size_t> erwarteteTypen3_;

    // RINEX 3 nennt Typen je System mit drei Zeichen ("C1C", "L2W"). Sie werden auf die zwei
    // Zeichen von RINEX 2 abgebildet, damit Epochen beider Versionen gleich aussehen; von
    // mehreren Typen eines Systems mit demselben Kürzel gilt der erste.
    static std::string Kuerzel2(std::string_view typ3) {
        const bool pcode = typ3[0] == 'C' && (typ3[1] == '1' || typ3[1] == '2') &&
                           typ3.size() > 2 &&
                           std::string_view("PWYM").find(typ3[2]) != std::string_view::npos;
        return std::string(1, pcode ? 'P' : typ3[0]) + typ3[1];
    }

    bool Typen3Lesen(std::string_view z) {
        const std::string_view kennung = Feld(z, 1, 1);
        if (!kennung.empty() && kennung != " ") {
            const auto n = GanzzahlLesen(Feld(z, 4, 3));
            const char system = kennung.front();
            if (system < 'A' || system > 'Z' || !n || *n < 1 || *n > kHoechstensTypen ||
                typenstellen_.count(system))
                return Fehler("invalid SYS / # / OBS TYPES");
            letztesSystem_ = system;
            erwarteteTypen3_[system] = static_cast<std::size_t>(*n);
            typenstellen_[system];
        } else if (letztesSystem_ == 0) {
            return Fehler("SYS / # / OBS TYPES continues without a system");
        }
        std::vector<int>& stellen = typenstellen_[letztesSystem_];
        std::vector<std::string>& typen = datei_.kopf.typen;
        for (std::size_t i = 0; i < 13 && stellen.size() < erwarteteTypen3_[letztesSystem_]; ++i) {
            const std::string_view typ = OhneRand(Feld(z, 8 + 4 * i, 3));
            if (typ.size() < 2)
                break;
            const std::string kurz = Kuerzel2(typ);
            auto it = std::find(typen.begin(), typen.end(), kurz);
            if (it == typen.end()) {
                if (typen.size() >= static_cast<std::size_t>(kHoechstensTypen))
                    return Fehler("too many observation types");
                it = typen.insert(typen.end(), kurz);
            }
            const int stelle = static_cast<int>(it - typen.begin());
            const bool doppelt = std::find(stellen.begin(), stellen.end(), stelle) != stellen.end();
            stellen.push_back(doppelt ? -1 : stelle);
        }
        return true;
    }

    bool ErsteBeobachtungLesen(std::string_view z) {
        const auto k = ZeitLesen(z, kErsteBeobachtung);
        if (!k)
            return Fehler("unreadable TIME OF FIRST OBS");
        if (!IstGueltig(*k))
            return Fehler("invalid TIME OF FIRST OBS");
        datei_.kopf.ersteBeobachtung = ZeitAusKalender(*k);
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
                return abgeschnitten_;
        }
        return true;
    }

    bool ZeileVerlangen(std::string_view& z, const char* wo) {
        if (zeilen_.Naechste(z))
            return true;
        // Eine beim Kopieren oder Aufzeichnen abgeschnittene letzte Epoche fällt weg; alles davor
        // ist vollständig.
        abgeschnitten_ = true;
        hinweis_ = std::string("file ends within ") + wo + ", last epoch dropped";
        return false;
    }

    // RINEX 2: Zeit, Kennung und Satelliten in der Epochenzeile, dann die Beobachtungen je
    // Satellit. RINEX 3: "> JJJJ MM TT hh mm ss.sssssss  K NNN", dann je Satellit eine Zeile.
    bool EpocheLesen(std::string_view z) {
        const bool v3 = Version3();
        const auto kennung = GanzzahlLesen(Feld(z, v3 ? 32 : 29, 1));
        const auto anzahl = GanzzahlLesen(Feld(z, v3 ? 33 : 30, 3));
        if ((v3 && Feld(z, 1, 1) != ">") || !kennung || !anzahl || *kennung < 0 || *kennung > 6 ||
            *anzahl < 0)
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
        if (!EpochenzeitLesen(z, e.zeit) ||
            !(v3 ? Beobachtungen3Lesen(*anzahl, e)
                 : SatellitenLesen(z, *anzahl, e) && BeobachtungenLesen(e)))
            return false;
        if (e.kennung != 6) // Zeilen mit Phasensprüngen wiederholen nur Werte
            datei_.epochen.push_back(std::move(e));
        return true;
    }

    bool EpochenzeitLesen(std::string_view z, Zeitpunkt& zeit) {
        const bool v3 = Version3();
        auto k = ZeitLesen(z, v3 ? kEpochenzeit3 : kEpochenzeit2);
        // RINEX 3 nur mit den Jahren, die RINEX 2 mit zwei Ziffern fasst; so bleibt die
        // virtuelle Station lesbar.
        if (!k || (v3 ? k->jahr < 1980 || k->jahr > 2079 : k->jahr < 0 || k->jahr > 99))
            return Fehler("invalid epoch time '" + Druckbar(z) + "'");
        if (!v3)
            k->jahr = VierstelligesJahr(k->jahr);
        if (!IstGueltig(*k))
            return Fehler("invalid epoch time '" + Druckbar(z) + "'");
        zeit = ZeitAusKalender(*k);
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

    bool Beobachtungen3Lesen(long anzahl, Epoche& e) {
        const std::size_t typen = datei_.kopf.typen.size();
        std::string_view z;
        for (long i = 0; i < anzahl; ++i) {
            if (!ZeileVerlangen(z, "the observations of an epoch"))
                return false;
            Satellit s;
            const auto stellen = typenstellen_.find(Feld(z, 1, 1).empty() ? ' ' : z[0]);
            if (!SatellitLesen(Feld(z, 1, 3), s) || stellen == typenstellen_.end())
                return Fehler("invalid satellite '" + Druckbar(Feld(z, 1, 3)) + "'");
            const std::size_t basis = e.satelliten.size() * typen;
            e.satelliten.push_back(s);
            e.werte.resize(basis + typen, std::numeric_limits<double>::quiet_NaN());
            e.merker.resize(e.werte.size() * 2, ' ');
            for (std::size_t f = 0; f < stellen->second.size(); ++f) {
                const FeldZahl wert = ZahlLesen(Feld(z, 4 + 16 * f, 14));
                if (!wert.gueltig)
                    return Fehler("invalid observation '" + Druckbar(Feld(z, 4 + 16 * f, 14)) +
                                  "'");
                const int stelle = stellen->second[f];
                if (stelle < 0)
                    continue;
                const std::size_t index = basis + static_cast<std::size_t>(stelle);
                if (!wert.leer)
                    e.werte[index] = wert.wert;
                MerkerSetzen(Feld(z, 18 + 16 * f, 2), e.merker, index * 2);
            }
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
