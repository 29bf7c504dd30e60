#pragma once
#include "platform/Dateisystem.h"
#include "platform/Dialoge.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Text.h"

class Basisformular;

// Wert der ersten Zeile, deren Schlüssel genau (mit Groß-/Kleinschreibung) gleich ist; "" ohne
// Treffer oder Datei.
Text LeseSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner);
// Jede Zeile, die den Schlüssel irgendwo enthält (ohne Rücksicht auf Groß-/Kleinschreibung), wird
// zu "Schlüssel Trenner Wert"; es kommt keine Zeile hinzu. Wirft Laufzeitfehler, wenn die Datei
// nicht gelesen oder geschrieben werden kann; die alte Datei bleibt dann unverändert.
void ErsetzeSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner,
                      const Text& Wert);

// Einmal beim Start: füllt den Zustandssatz und die Steuerelemente aus kestrav.ini. Weist ein
// Steuerelement einen Wert zurück, endet das Laden dort, ohne Fehler nach außen.
void EinstellungenLaden(Basisformular& form);
// Programmverzeichnis + IniDatei, im Stapelbetrieb die auf der Befehlszeile genannte Datei.
Text Einstellungsdatei(const Basisformular& form);
// Beim bestätigten Beenden: liest die Steuerelemente und schreibt alle fünfzehn Schlüssel.
// Wirft Laufzeitfehler, wenn die Datei nicht geschrieben werden kann; sie bleibt dann unverändert.
void EinstellungenSpeichern(Basisformular& form);
// Meldung für den Beenden-Befehl, wenn EinstellungenSpeichern scheitert; nennt die Datei.
Meldung EinstellungenFehlermeldung(const Basisformular& form, const Laufzeitfehler& fehler);
