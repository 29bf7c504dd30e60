#pragma once
#include "platform/Text.h"

class Basisformular;
struct Sitzungszustand;

// Die beiden ANTEX-Schalter zeigen Qel und Bo auf die Sammeldatei; sie stehen nur während eines
// Laufs in den Parametertexten.
Text QelAntennenschalter(const Sitzungszustand& zustand);
Text BoAntennenschalter(const Sitzungszustand& zustand);
// Entfernt beide aus den Parametertexten, wo sie stehen (jedes Vorkommen).
void AntennenschalterEntfernen(Basisformular& form);
