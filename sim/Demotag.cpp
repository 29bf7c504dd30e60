#include "Demotag.h"

#include "Antex.h"
#include "Geometrie.h"
#include "Himmel.h"
#include "RinexSchreiber.h"
#include "Textdatei.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>

namespace fs = std::filesystem;

namespace {

constexpr double kLichtgeschwindigkeit = 299'792'458.0;
constexpr double kWellenlaengeL1 = kLichtgeschwindigkeit / 1575.42e6;
constexpr double kWellenlaengeL2 = kLichtgeschwindigkeit / 1227.60e6;
constexpr double kIntervall = 30.0;

using Sichtmaske = std::function<bool(double azimut, double elevation)>;

struct Demostation {
    std::string datei;
    std::string marker;
    bool referenz;
    Ellipsoidisch ort;
    std::string antenne;
    double antennenhoehe;
    Kalenderzeit anfang;
    Kalenderzeit ende;
    std::string systeme;
    std::vector<std::string> typen;
    Sichtmaske sicht;
};

bool FreierHimmel(double, double elevation) {
    return elevation >= 10.0;
}

// Neupunkt an einer Hauswand: frei ist nur der Südosten bis Südwesten ab 28 Grad Höhe.
bool Hauswand(double azimut, double elevation) {
    return elevation >= 28.0 && azimut >= 100.0 && azimut <= 240.0;
}

Kalenderzeit Um(int stunde, int minute, int sekunde = 0) {
    return {2023, 10, 10, stunde, minute, static_cast<double>(sekunde)};
}

std::vector<Demostation> Stationen() {
    const std::vector<std::string> referenztypen{"C1", "L1", "L2", "P2", "S1", "S2"};
    const std::vector<std::string> rovertypen{"C1", "L1", "L2", "P2", "S1"};
    return {
        {"refa2830.23o",
         "REFA",
         true,
         {50.80, 9.20, 212.40},
         "VXS-CHOKE-1     NONE",
         0.0,
         Um(8, 0),
         Um(8, 59, 30),
         "GRE",
         referenztypen,
         FreierHimmel},
        {"refb2830.23o",
         "REFB",
         true,
         {50.85, 9.95, 181.75},
         "VXS-CHOKE-1     NONE",
         0.0,
         Um(8, 0),
         Um(8, 59, 30),
         "GRE",
         referenztypen,
         FreierHimmel},
        {"refc2830.23o",
         "REFC",
         true,
         {51.28, 9.25, 321.10},
         "VXS-GEO-3       NONE",
         0.0,
         Um(8, 0),
         Um(8, 59, 30),
         "GRE",
         referenztypen,
         FreierHimmel},
        {"refd2830.23o",
         "REFD",
         true,
         {51.22, 9.90, 262.05},
         "VXS-GEO-3       NONE",
         0.0,
         Um(8, 0),
         Um(8, 59, 30),
         "GRE",
         referenztypen,
         FreierHimmel},
        // sauber: knapp eine Stunde unter freiem Himmel
        {"np012830.23o",
         "NP01",
         false,
         {51.0312345, 9.5523456, 245.312},
         "VXS-ROVER-2     NONE",
         1.500,
         Um(8, 2),
         Um(8, 56, 30),
         "GRE",
         rovertypen,
         FreierHimmel},
        // kurz und abgeschattet: zieht Warnungen auf sich
        {"np022830.23o",
         "NP02",
         false,
         {51.0634567, 9.6123456, 198.745},
         "VXS-ROVER-2     NONE",
         1.753,
         Um(8, 40),
         Um(8, 43),
         "GR",
         rovertypen,
         Hauswand},
        // nach dem Ende der Referenzdaten: keine gleichzeitigen Beobachtungen
        {"np032830.23o",
         "NP03",
         false,
         {50.9812345, 9.4823456, 301.204},
         "VXS-ROVER-2     NONE",
         1.620,
         Um(10, 15),
         Um(10, 44, 30),
         "GRE",
         rovertypen,
         FreierHimmel},
    };
}

// Reproduzierbares Rauschen in [-1, 1] (splitmix64).
double Rauschen(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    std::uint64_t z = a * 0x9E3779B97F4A7C15ULL ^ b * 0xBF58476D1CE4E5B9ULL ^ c;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(1ULL << 52) - 1.0;
}

std::uint64_t Schluessel(const std::string& text) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : text)
        h = (h ^ c) * 1099511628211ULL;
    return h;
}

int HoechsteNummer(char system) {
    return system == 'R' ? 24 : system == 'E' ? 36 : 32;
}

double Beobachtungswert(const std::string& typ, double strecke, double elevation,
                        std::uint64_t station, Satellit s, Zeitpunkt t) {
    const std::uint64_t sat = static_cast<std::uint64_t>(s.system) * 100 + s.nummer;
    const double mehrdeutigkeit = std::round(Rauschen(station, sat, 7) * 5.0e5);
    if (typ == "C1")
        return strecke + 0.4 * Rauschen(station, sat, static_cast<std::uint64_t>(t));
    if (typ == "P2")
        return strecke + 0.3 * Rauschen(station, sat, static_cast<std::uint64_t>(t) + 1);
    if (typ == "L1")
        return strecke / kWellenlaengeL1 + mehrdeutigkeit;
    if (typ == "L2")
        return strecke / kWellenlaengeL2 + std::round(mehrdeutigkeit * 0.8);
    const double staerke = 32.0 + 18.0 * std::sin(elevation * std::numbers::pi / 180.0);
    return typ == "S2" ? staerke - 6.0 : staerke;
}

Epoche EpocheBilden(const Demostation& d, const Vektor3& antenne, Zeitpunkt t) {
    Epoche e;
    e.zeit = t;
    const std::uint64_t station = Schluessel(d.marker);
    for (char system : d.systeme) {
        for (int nummer = 1; nummer <= HoechsteNummer(system); ++nummer) {
            const Satellit s{system, nummer};
            const auto ort = SatellitenOrt(s, t);
            if (!ort)
                continue;
            const Blickrichtung r = RichtungZu(antenne, *ort);
            if (!d.sicht(r.azimutGrad, r.elevationGrad))
                continue;
            e.satelliten.push_back(s);
            const double strecke = Betrag(Differenz(*ort, antenne));
            for (const std::string& typ : d.typen)
                e.werte.push_back(Beobachtungswert(typ, strecke, r.elevationGrad, station, s, t));
        }
    }
    e.merker.assign(e.werte.size() * 2, ' ');
    return e;
}

RinexDatei DateiBilden(const Demostation& d) {
    RinexDatei r;
    RinexKopf& k = r.kopf;
    k.system = d.systeme.size() == 1 ? d.systeme[0] : 'M';
    k.markername = d.marker;
    k.markernummer = d.referenz ? "DEMO-REF" : "DEMO-NP";
    k.beobachter = d.referenz ? "SAPOS-DEMO" : "MESSTRUPP 1";
    k.agentur = d.referenz ? "KESTRAV-DEMODATEN" : "VERMESSUNGSBUERO DEMO";
    k.empfaengernummer = "1001";
    k.empfaengertyp = "VXS-SIM-RX";
    k.empfaengerversion = "1.0";
    k.antennennummer = "2001";
    k.antennentyp = d.antenne;
    k.naeherung = GeozentrischAusEllipsoidisch(d.ort);
    k.antennenversatz = {d.antennenhoehe, 0.0, 0.0};
    k.typen = d.typen;
    k.intervall = kIntervall;
    k.kommentare = {"SYNTHETISCHE DEMODATEN VON VEXLO-SIM", "KEINE ECHTE MESSUNG"};
    Ellipsoidisch antennenort = d.ort;
    antennenort.hoehe += d.antennenhoehe;
    const Vektor3 antenne = GeozentrischAusEllipsoidisch(antennenort);
    const Zeitpunkt schritt = static_cast<Zeitpunkt>(kIntervall * 1000);
    const Zeitpunkt ende = ZeitAusKalender(d.ende);
    for (Zeitpunkt t = ZeitAusKalender(d.anfang); t <= ende; t += schritt)
        r.epochen.push_back(EpocheBilden(d, antenne, t));
    return r;
}

std::vector<Antennenmodell> DemoAntennen() {
    return {{"VXS-CHOKE-1     NONE", 0.6, -0.4, 88.2, 0.2, -0.1, 119.7},
            {"VXS-GEO-3       NONE", -0.8, 0.5, 61.4, -0.3, 0.9, 57.9},
            {"VXS-ROVER-2     NONE", 1.1, 0.3, 54.6, 0.7, -0.6, 51.3}};
}

} // namespace

int DemotagSchreiben(const std::string& verzeichnis) {
    std::error_code fehler;
    fs::create_directories(verzeichnis, fehler);
    const fs::path ziel(verzeichnis);
    int rueckgabe = 0;
    auto schreiben = [&](const std::string& name, const std::vector<std::string>& zeilen) {
        if (TextdateiSchreiben((ziel / name).string(), zeilen)) {
            std::printf("%s\n", (ziel / name).string().c_str());
        } else {
            std::fprintf(stderr, "vexlo-sim: %s nicht geschrieben\n", (ziel / name).c_str());
            rueckgabe = 1;
        }
    };
    for (const Demostation& d : Stationen())
        schreiben(d.datei, RinexZeilen(DateiBilden(d), {"vexlo-sim", "Demotag"}));
    schreiben("demo.atx", AntexZeilen(DemoAntennen(), "10-OCT-23"));
    return rueckgabe;
}
