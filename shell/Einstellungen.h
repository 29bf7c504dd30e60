#pragma once
#include "platform/Dateisystem.h"
#include "platform/Text.h"

class Basisformular;

Text LeseSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner);
void ErsetzeSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner,
                      const Text& Wert);

// Einmal beim Start: füllt den Zustandssatz und die Steuerelemente aus kestrav.ini.
void EinstellungenLaden(Basisformular& form);
// Beim bestätigten Beenden: liest die Steuerelemente und schreibt alle fünfzehn Schlüssel.
void EinstellungenSpeichern(Basisformular& form);
