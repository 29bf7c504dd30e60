#pragma once
#include "platform/Laufzeitfehler.h"

class Basisformular;

// Klick auf "Start Berechnung": der ganze Berechnungslauf in einem Aufruf.
void CommandBerechnen_Click(Basisformular& form);
// Gibt das Fenster aus dem Laufzustand frei (jedes Ende eines Laufs).
void FensterFreigeben(Basisformular& form);
// Abbruch während eines Laufs (Klick auf EndeFrame mit der Beschriftung "Abbruch").
void LaufAbbrechen(Basisformular& form);

// Die drei Schritte der Auswertung, die der Lauf aufruft.
// Nach dem Warten auf den Stapel eines Punktes: Logprüfung, Tests, Ausgabezeilen.
void PunktAuswerten(Basisformular& form);
// Nach dem letzten Punkt: Abschlussmeldung, Aufräumen, Fenster freigeben.
void LaufAbschliessen(Basisformular& form);
// Ein Laufzeitfehler im Lauf. true: der Lauf geht mit dem nächsten Punkt weiter. Das gibt es nur
// mit einem Punkt in Arbeit; vor dem ersten und nach dem letzten wird jeder Fehler gemeldet.
bool Fehlerpfad(Basisformular& form, const Laufzeitfehler& fehler, bool punktInArbeit);
