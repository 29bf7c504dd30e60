#pragma once
#include "platform/Text.h"

class Basisformular;

// Dateinamen eines Laufs und eines Punktes im Arbeitsverzeichnis.
Text Tagescode(const Basisformular& form);
Text Minidatei(const Basisformular& form);
Text Koordinatendatei(const Basisformular& form);
Text Infodatei(const Basisformular& form);
Text Ergebnisliste(const Basisformular& form);
Text Loesungsdatei(const Basisformular& form);

// Eine Warnung mehr; der Zähler hat 16 Bit, über 32767 hinaus ist Laufzeitfehler 6.
void WarnungZaehlen(Basisformular& form);
