#pragma once
// Deutsche Beschreibungen der Laufzeitfehler und der Text des Fehlerberichts eines Laufs.
#include "platform/Text.h"

#include <span>

struct Fehlertabellenzeile {
    int nummer;
    const char16_t* beschreibung;
};

// Alle Zeilen, nach Nummer aufsteigend.
std::span<const Fehlertabellenzeile> Fehlertabelle();

// Beschreibung zur Fehlernummer; "sonstiger Fehler" für jede Nummer ohne Zeile.
Text FehlerbeschreibungZuNummer(long nummer);

// Text des Fehlerberichts: "Fehlerart: [" + Beschreibung + "]!", die Bitte um Neustart und, wenn
// die Fehlerdateien der Engine etwas enthielten, "Vexlo-Fehler:" mit deren Zeilen.
Text FehlerberichtText(const Text& fehlerbeschreibung, const Text& fehlerdateitext);
