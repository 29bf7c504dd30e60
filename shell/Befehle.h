#pragma once
// Befehle des Hauptfensters, die zur Shell gehören: Hilfe, Info, Beenden, Schließwunsch.
#include "platform/Text.h"

class Basisformular;
class Prozesse;

// Programm, das das System der Datei zum Öffnen zuordnet; "" wenn keines oder wenn die Datei
// selbst ein Programm ist.
Text FindeBetrachter(Prozesse& prozesse, const Text& Datei);

// "Wollen Sie Kestrav jetzt wirklich beenden?"; true bei "Ja".
bool BeendenBestaetigen(Basisformular& form);
// Der Befehl "Ende": fragt, wenn noch nicht bestätigt, speichert die Einstellungen und beendet
// den Prozess sofort.
void EndeMenü_Click(Basisformular& form);
// Außerhalb eines Laufs der Befehl "Ende", während eines Laufs der Abbruch.
void EndeFrame_Click(Basisformular& form);
void Info_Click(Basisformular& form);
void QelHilfeMenü_Click(Basisformular& form);
void KestravHilfeMenü_Click(Basisformular& form);
// Schließfeld des Hauptfensters; true bricht das Schließen ab.
bool Schliesswunsch(Basisformular& form);
