#pragma once
#include "platform/Text.h"

class Basisformular;

// Höhentext einer Lösungszeile: Feld 2 am ":", getrimmt.
Text HoeheAusLoesungszeile(const Text& zeile);
// Rechtsbündig in mindestens 8 Zeichen.
Text RechtsBuendig8(const Text& text);

// Kopfzeile der Mini-Datei, solange sie noch nicht geschrieben ist.
void KopfzeileSchreiben(Basisformular& form);
// Koordinatenzeile und Mini-Zeile des Punktes.
void PunktzeilenSchreiben(Basisformular& form, Text punktzeile);
