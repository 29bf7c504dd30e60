#pragma once
// Inhalt einer RINEX-2.11-Beobachtungsdatei, soweit Qel und Bo ihn brauchen.
#include "Zeitpunkt.h"

#include <array>
#include <compare>
#include <string>
#include <vector>

// Satellit als Systemkennung (G, R, E, S, ...) und Nummer; " 5" steht in RINEX 2 für G05.
struct Satellit {
    char system = 'G';
    int nummer = 0;
    auto operator<=>(const Satellit&) const = default;
};

std::string SatellitText(Satellit s);

struct Epoche {
    Zeitpunkt zeit = 0;
    int kennung = 0; // Epochenkennung 0 oder 1 (Stromausfall davor); Ereignisse werden übergangen
    std::vector<Satellit> satelliten;
    // Je Satellit so viele Werte wie Beobachtungstypen, Satellit für Satellit; NaN = leer.
    std::vector<double> werte;
    // Je Wert zwei Zeichen: Verlustkennung (LLI) und Signalstärke, Leerzeichen = keine Angabe.
    std::string merker;
};

struct RinexKopf {
    double version = 2.11;
    char system = 'M';
    std::string markername;
    std::string markernummer;
    std::string beobachter;
    std::string agentur;
    std::string empfaengernummer;
    std::string empfaengertyp;
    std::string empfaengerversion;
    std::string antennennummer;
    std::string antennentyp;
    std::array<double, 3> naeherung{0, 0, 0};       // APPROX POSITION XYZ
    std::array<double, 3> antennenversatz{0, 0, 0}; // ANTENNA: DELTA H/E/N
    std::vector<std::string> typen;                 // # / TYPES OF OBSERV
    double intervall = 0;
    Zeitpunkt ersteBeobachtung = 0;
    bool hatErsteBeobachtung = false;
    std::string zeitsystem = "GPS";
    std::vector<std::string> kommentare;
};

struct RinexDatei {
    RinexKopf kopf;
    std::vector<Epoche> epochen; // nach Zeit sortiert
};

// APPROX POSITION XYZ nahe der Erdoberfläche (0 0 0 heißt in RINEX: unbekannt).
bool NaeherungBrauchbar(const RinexKopf& kopf);
