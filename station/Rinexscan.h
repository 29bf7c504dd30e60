#pragma once
#include "platform/Text.h"

#include <vector>

class Basisformular;

// Füllt Neupunkte mit allen Beobachtungsdateien des aktuellen Verzeichnisses, leert
// Referenzpunkte und stellt den Tages-Zeitgeber, wenn zwei Beobachtungstage vorkommen.
void RinexDateienEinlesen(Basisformular& form);
// "Daten neu laden": verwirft jede Zuordnung.
void ResetRINEX_Click(Basisformular& form);

// Kopfzeilen des Hinweises nach dem Scan: ausgelassene Dateien, deren Name in einer Stapelzeile
// zum Befehl würde, und aufgenommene, deren Namen der Rechenkern nicht lesen kann.
inline constexpr TextSicht AusgelassenKopf =
    u"Diese Dateien werden nicht berechnet, weil ihr Name ein Zeichen enthält, das der "
    u"Befehlsinterpreter als Befehl lesen würde:";
inline constexpr TextSicht UnlesbarKopf =
    u"Diese Dateien stehen in der Neupunktliste, aber ihr Name kann vom Rechenkern nicht gelesen "
    u"werden (Leerzeichen, Anführungszeichen, Bindestrich am Anfang oder ein Zeichen außerhalb "
    u"von Windows-1252):";

// Der Rechenkern bekommt den Namen als ein Wort einer Befehlszeile in Windows-1252.
bool VomRechenkernLesbar(TextSicht name);
// Steuerzeichen sichtbar: <LF>, <CR>, <TAB>, <DEL>, sonst <0xNN>.
Text LesbarerName(TextSicht name);
// "" wenn beide Listen leer sind.
Text NamenshinweisText(const std::vector<Text>& ausgelassen, const std::vector<Text>& unlesbar);

// Verzeichnis für die Anzeige: erste 3 Zeichen, "...", dann die letzten 32 von höchstens 35.
Text VerzeichnisKurzform(const Text& verzeichnis);
