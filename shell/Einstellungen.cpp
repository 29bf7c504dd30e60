#include "shell/Einstellungen.h"

#include "shell/Basisformular.h"

// Platzhalter, bis die Einstellungsdatei gelesen und geschrieben wird.
Text LeseSchlüssel(Dateisystem&, const Text&, const Text&, const Text&) {
    return Text();
}
void ErsetzeSchlüssel(Dateisystem&, const Text&, const Text&, const Text&, const Text&) {}
void EinstellungenLaden(Basisformular&) {}
void EinstellungenSpeichern(Basisformular&) {}
