#pragma once
// Modul Qel: virtuelle Referenzstation am Neupunkt aus den Referenzstationen.
#include <string>
#include <vector>

// Arbeitet im aktuellen Verzeichnis; schreibt qellog.txt, die virtuelle Station oder qel.err.
// Rückgabe 0 mit virtueller Station, sonst 1.
int QelAusfuehren(const std::string& aufrufname, const std::vector<std::string>& argumente);
