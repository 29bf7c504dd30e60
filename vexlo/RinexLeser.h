#pragma once
// Leser für RINEX-Beobachtungsdateien der Versionen 2 und 3. Jede Abweichung vom Format, die den
// Inhalt unsicher macht (abgeschnittene Epoche, unlesbare Zahl, fehlender Kopf), ergibt einen
// Fehlertext mit Zeilennummer statt einer halb gelesenen Datei.
#include "Rinex.h"

#include <string>
#include <string_view>

struct RinexErgebnis {
    RinexDatei datei;
    std::string fehler;  // leer: vollständig gelesen
    std::string hinweis; // etwa eine abgeschnittene letzte Epoche, die verworfen wurde
};

RinexErgebnis RinexLesen(std::string_view inhalt);
RinexErgebnis RinexDateiLesen(const std::string& name);

// Nur druckbares ASCII in Fehlertexten, damit Binärmüll nicht in Protokolle gelangt.
std::string Druckbar(std::string_view text, std::size_t hoechstens = 40);
