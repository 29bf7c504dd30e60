#pragma once
#include "platform/Text.h"

class Basisformular;

// Füllt Neupunkte mit allen Beobachtungsdateien des aktuellen Verzeichnisses, leert
// Referenzpunkte und stellt den Tages-Zeitgeber, wenn zwei Beobachtungstage vorkommen.
void RinexDateienEinlesen(Basisformular& form);
// "Daten neu laden": verwirft jede Zuordnung.
void ResetRINEX_Click(Basisformular& form);

// Verzeichnis für die Anzeige: erste 3 Zeichen, "...", dann die letzten 32 von höchstens 35.
Text VerzeichnisKurzform(const Text& verzeichnis);
