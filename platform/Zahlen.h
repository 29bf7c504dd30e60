#pragma once
#include "platform/Text.h"

// Führende Zahl eines Textes: Leerzeichen und Tabulatoren werden überall übergangen, dann
// Vorzeichen, Ziffern mit höchstens einem "." und ein Exponent bis zum ersten fremden Zeichen.
// Ohne führende Zahl 0; "89,9" ergibt 89.
double FuehrendeZahl(TextSicht text);

// Ganzzahl mit Rundung auf die gerade Nachbarzahl bei genau .5 (4.5 -> 4, 5.5 -> 6).
// Werte außerhalb von 32 Bit ergeben nullopt (der Aufrufer entscheidet, was dann gilt).
#include <optional>
std::optional<int> GanzzahlGerundet(double wert);

// Numerische Prüfung wie IsNumeric: ganzer Text (ohne Leerzeichen außen) ist eine Zahl.
bool IstZahl(TextSicht text);
