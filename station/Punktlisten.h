#pragma once
// Gemeinsames der beiden Punktlisten: Zählerbeschriftungen und der Beobachtungstag eines Namens.
#include "platform/Text.h"

class Basisformular;

// "Neupunkte: " bzw. "Referenzpunkte: " mit der Anzahl der Einträge.
void NeupunkteZaehlen(Basisformular& form);
void ReferenzpunkteZaehlen(Basisformular& form);

// Zeichen 5 bis 7 des Dateinamens (ssssdddf.yyo); kürzere Namen liefern, was davon da ist.
Text TagAusName(const Text& dateiname);
