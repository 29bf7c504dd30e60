#pragma once
#include "platform/Text.h"

// Die fünf Grenzwerte, so wie die Textfelder sie gerade zeigen.
struct Grenzwerte {
    Text loesungsqualitaet;
    Text ambiguities;
    Text beobachtungszeit;
    Text satellitenanzahl;
    Text pdop;
};

struct Pruefergebnis {
    Text punktzeile; // Zeile 2 mit "_" als Leerzeichen und den Marken " *"
    int warnungen = 0;
};

// Prüft Zeile 2 der Ergebnisliste gegen die Grenzwerte (Spalten 5, 7, 8, 9, 10).
Pruefergebnis ErgebniszeilePruefen(const Text& zeile2, const Grenzwerte& grenzen);
