#pragma once
// Zeitpunkte der Beobachtungen in ganzen Millisekunden. Echte Empfänger versehen dieselbe Epoche
// mit Zeitmarken, die um Millisekunden abweichen (29.998 s gegen 30.004 s); als gleichzeitig
// gilt daher, was weniger als kGleichzeitigkeit auseinanderliegt.
#include <cstdint>
#include <string>

struct Kalenderzeit {
    int jahr = 1980;
    int monat = 1;
    int tag = 6;
    int stunde = 0;
    int minute = 0;
    double sekunde = 0;
};

// Millisekunden seit 1980-01-06 00:00 (Beginn der GPS-Zeit), ohne Schaltsekunden.
using Zeitpunkt = std::int64_t;

constexpr Zeitpunkt kMillisekundenJeTag = 86'400'000;
// Weit unter jedem Beobachtungsintervall (ab 1 s), weit über jeder Uhrabweichung eines Empfängers.
constexpr Zeitpunkt kGleichzeitigkeit = 100;

inline bool Gleichzeitig(Zeitpunkt a, Zeitpunkt b) {
    return (a > b ? a - b : b - a) < kGleichzeitigkeit;
}

Zeitpunkt ZeitAusKalender(const Kalenderzeit& k);
Kalenderzeit KalenderAusZeit(Zeitpunkt t);
int TagDesJahres(const Kalenderzeit& k);
bool IstGueltig(const Kalenderzeit& k);

// Zweistellige Jahreszahlen der RINEX-2-Epochen: 80 bis 99 sind 19xx, sonst 20xx.
int VierstelligesJahr(int jahr2);

double Sekunden(Zeitpunkt t);
