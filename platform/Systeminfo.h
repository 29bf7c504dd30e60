#pragma once
#include "platform/Text.h"

class Systeminfo {
public:
    virtual ~Systeminfo() = default;
    // Beschreibung des Systems; Laufzeitfehler, wenn das System die Abfrage verweigert.
    virtual Text Beschreibung() = 0;
    // Verzeichnis der eigenen ausführbaren Datei als Host-Pfad.
    virtual Text Programmpfad() = 0;
    // Befehlszeile des Programms (ohne Programmnamen), wie das System sie übergibt.
    virtual Text Befehlszeile() = 0;
};
