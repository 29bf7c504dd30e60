#include "RinexSchreiber.h"

#include "Formatiert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

std::string Kopfzeile(std::string inhalt, std::string_view beschriftung) {
    inhalt.resize(60, ' ');
    inhalt += beschriftung;
    inhalt.resize(80, ' ');
    return inhalt;
}

std::string Spalte(std::string_view text, std::size_t breite) {
    std::string s(text.substr(0, breite));
    s.resize(breite, ' ');
    return s;
}

std::string Zeitzeile(Zeitpunkt t, const std::string& zeitsystem) {
    const Kalenderzeit k = KalenderAusZeit(t);
    return Formatiert("%6d%6d%6d%6d%6d%13.7f     %-3s", k.jahr, k.monat, k.tag, k.stunde, k.minute,
                      k.sekunde, zeitsystem.c_str());
}

std::string Systemtext(char system) {
    switch (system) {
    case 'G':
        return "G (GPS)";
    case 'R':
        return "R (GLONASS)";
    case 'E':
        return "E (GALILEO)";
    case 'S':
        return "S (GEO)";
    default:
        return "M (MIXED)";
    }
}

void KopfSchreiben(const RinexDatei& d, const Programmangabe& p, std::vector<std::string>& z) {
    const RinexKopf& k = d.kopf;
    // Geschrieben wird immer im Aufbau von RINEX 2, auch was aus einer RINEX-3-Datei gelesen ist.
    const double version = k.version >= 3 ? 2.11 : k.version;
    z.push_back(Kopfzeile(Formatiert("%9.2f", version) + Spalte("", 11) +
                              Spalte("OBSERVATION DATA", 20) + Systemtext(k.system),
                          "RINEX VERSION / TYPE"));
    std::string datum;
    if (!d.epochen.empty()) {
        const Kalenderzeit e = KalenderAusZeit(d.epochen.front().zeit);
        datum = Formatiert("%04d%02d%02d %02d%02d%02d UTC", e.jahr, e.monat, e.tag, e.stunde,
                           e.minute, static_cast<int>(e.sekunde));
    }
    z.push_back(Kopfzeile(Spalte(p.programm, 20) + Spalte(p.lauf, 20) + Spalte(datum, 20),
                          "PGM / RUN BY / DATE"));
    for (const std::string& kommentar : k.kommentare)
        z.push_back(Kopfzeile(Spalte(kommentar, 60), "COMMENT"));
    z.push_back(Kopfzeile(Spalte(k.markername, 60), "MARKER NAME"));
    if (!k.markernummer.empty())
        z.push_back(Kopfzeile(Spalte(k.markernummer, 20), "MARKER NUMBER"));
    z.push_back(Kopfzeile(Spalte(k.beobachter, 20) + Spalte(k.agentur, 40), "OBSERVER / AGENCY"));
    z.push_back(Kopfzeile(Spalte(k.empfaengernummer, 20) + Spalte(k.empfaengertyp, 20) +
                              Spalte(k.empfaengerversion, 20),
                          "REC # / TYPE / VERS"));
    z.push_back(
        Kopfzeile(Spalte(k.antennennummer, 20) + Spalte(k.antennentyp, 20), "ANT # / TYPE"));
    const auto& n = k.naeherung;
    z.push_back(
        Kopfzeile(Formatiert("%14.4f%14.4f%14.4f", n[0], n[1], n[2]), "APPROX POSITION XYZ"));
    const auto& a = k.antennenversatz;
    z.push_back(
        Kopfzeile(Formatiert("%14.4f%14.4f%14.4f", a[0], a[1], a[2]), "ANTENNA: DELTA H/E/N"));
    z.push_back(Kopfzeile(Formatiert("%6d%6d", 1, 1), "WAVELENGTH FACT L1/2"));
    for (std::size_t i = 0; i < k.typen.size(); i += 9) {
        std::string zeile = i == 0 ? Formatiert("%6zu", k.typen.size()) : Spalte("", 6);
        for (std::size_t j = i; j < k.typen.size() && j < i + 9; ++j)
            zeile += "    " + Spalte(k.typen[j], 2);
        z.push_back(Kopfzeile(zeile, "# / TYPES OF OBSERV"));
    }
    if (k.intervall > 0)
        z.push_back(Kopfzeile(Formatiert("%10.3f", k.intervall), "INTERVAL"));
    if (!d.epochen.empty()) {
        z.push_back(
            Kopfzeile(Zeitzeile(d.epochen.front().zeit, k.zeitsystem), "TIME OF FIRST OBS"));
        z.push_back(Kopfzeile(Zeitzeile(d.epochen.back().zeit, k.zeitsystem), "TIME OF LAST OBS"));
    }
    z.push_back(Kopfzeile("", "END OF HEADER"));
}

// F14.3; was nicht hineinpasst (negativ schon ab 10^9) oder fehlt, bleibt leer.
std::string Wert14(double wert) {
    char puffer[32];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 3);
    const auto laenge = static_cast<std::size_t>(ende - puffer);
    if (!std::isfinite(wert) || fehler != std::errc() || laenge > 14)
        return std::string(14, ' ');
    return std::string(14 - laenge, ' ') + std::string(puffer, laenge);
}

std::string OhneLeerzeichenHinten(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

void EpocheSchreiben(const Epoche& e, std::size_t typen, std::vector<std::string>& z) {
    const Kalenderzeit k = KalenderAusZeit(e.zeit);
    std::string zeile =
        Formatiert(" %02d %2d %2d %2d %2d%11.7f  %d%3zu", k.jahr % 100, k.monat, k.tag, k.stunde,
                   k.minute, k.sekunde, e.kennung, e.satelliten.size());
    for (std::size_t i = 0; i < e.satelliten.size(); ++i) {
        if (i > 0 && i % 12 == 0) {
            z.push_back(zeile);
            zeile = std::string(32, ' ');
        }
        zeile += SatellitText(e.satelliten[i]);
    }
    z.push_back(zeile);
    for (std::size_t s = 0; s < e.satelliten.size(); ++s) {
        for (std::size_t l = 0; l * 5 < typen; ++l) {
            std::string beobachtung;
            for (std::size_t f = l * 5; f < typen && f < l * 5 + 5; ++f) {
                const std::size_t index = s * typen + f;
                const double wert = index < e.werte.size() ? e.werte[index] : NAN;
                beobachtung += Wert14(wert);
                beobachtung += index * 2 + 1 < e.merker.size() ? e.merker.substr(index * 2, 2)
                                                               : std::string("  ");
            }
            z.push_back(OhneLeerzeichenHinten(std::move(beobachtung)));
        }
    }
}

} // namespace

std::vector<std::string> RinexZeilen(const RinexDatei& datei, const Programmangabe& programm) {
    std::vector<std::string> zeilen;
    KopfSchreiben(datei, programm, zeilen);
    for (const Epoche& e : datei.epochen)
        EpocheSchreiben(e, datei.kopf.typen.size(), zeilen);
    return zeilen;
}
