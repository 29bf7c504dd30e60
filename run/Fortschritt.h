#pragma once
#include "platform/Text.h"

class Basisformular;

// Beschriftung des Hinweisfensters: "Berechnungzeit hh:mm:ss ...".
Text Zeitanzeige(long sekunden);
// "rechne 3.Punkt (3/5), MARKER NAME: np01"; die Kennung ohne "_".
Text Punktanzeige(int position, int anzahl, const Text& neupunkt);

// Ein Tick von TimerAbbruch (jede Sekunde während der Arbeit an einem Punkt).
void TimerAbbruch_Timer(Basisformular& form);
// Sekundenzähler auf 0, Zeitgeber an.
void FortschrittStarten(Basisformular& form);

// Einmal nachgeben; false, wenn der Lauf dabei abgebrochen wurde.
bool Nachgeben(Basisformular& form);
// Wartet auf den Stapel des Punktes; false, wenn der Lauf währenddessen abgebrochen wurde.
bool AufStapelWarten(Basisformular& form);
