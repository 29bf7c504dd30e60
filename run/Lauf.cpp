#include "run/Lauf.h"

#include "shell/Basisformular.h"

// Platzhalter, bis der Berechnungslauf gebaut ist.
void CommandBerechnen_Click(Basisformular&) {}
void FensterFreigeben(Basisformular&) {}
void LaufAbbrechen(Basisformular&) {}
