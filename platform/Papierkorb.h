#pragma once
#include "platform/Text.h"

// Papierkorb des Desktops (freedesktop.org unter Linux, Windows' Papierkorb): die Aufräumung vor
// einem Lauf verschiebt dorthin, damit der Benutzer jede Datei wiederherstellen kann.
class Papierkorb {
public:
    virtual ~Papierkorb() = default;
    // true, wenn die Datei (Windows-Pfad) in einen Papierkorb verschoben werden kann. Wirft nie.
    virtual bool Moeglich(const Text& pfad) = 0;
    // Verschiebt die Datei; Laufzeitfehler mit der Nummer der Fehlertabelle, wenn es misslingt.
    virtual void Verschieben(const Text& pfad) = 0;
};
