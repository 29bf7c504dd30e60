#pragma once
// Modul Bo: Basislinie von der virtuellen Station zum Neupunkt.
#include <string>
#include <vector>

// Arbeitet im aktuellen Verzeichnis; schreibt Ergebnisliste, Lösung und Protokoll oder bo.err.
// Rückgabe 0 mit Ergebnisliste, sonst 1.
int BoAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente);
