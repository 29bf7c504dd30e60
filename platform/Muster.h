#pragma once
#include "platform/Text.h"

// Windows-Platzhalter: "*" beliebig viele Zeichen, "?" genau ein Zeichen, ohne Rücksicht auf
// Groß-/Kleinschreibung. "*.*" passt auch auf Namen ohne Punkt (wie unter Windows).
bool PasstZuMuster(TextSicht name, TextSicht muster);
bool HatPlatzhalter(TextSicht pfad);
