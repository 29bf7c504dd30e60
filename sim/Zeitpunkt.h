#pragma once
// Zeitpunkte der Beobachtungen in ganzen Millisekunden: Epochen verschiedener Empfänger gelten als
// gleichzeitig, wenn sie auf die Millisekunde übereinstimmen (29.9999999 s und 30.0 s auch).
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

Zeitpunkt ZeitAusKalender(const Kalenderzeit& k);
Kalenderzeit KalenderAusZeit(Zeitpunkt t);
int TagDesJahres(const Kalenderzeit& k);
bool IstGueltig(const Kalenderzeit& k);

// Zweistellige Jahreszahlen der RINEX-2-Epochen: 80 bis 99 sind 19xx, sonst 20xx.
int VierstelligesJahr(int jahr2);

double Sekunden(Zeitpunkt t);
