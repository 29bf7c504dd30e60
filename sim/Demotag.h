#pragma once
// Demotag: synthetische RINEX-2.11-Dateien eines Tages (Tag 283 des Jahres 2023) und eine
// ANTEX-1.4-Datei mit den verwendeten Antennen. Alles erfunden, nichts davon ist eine Messung.
#include <string>

// Schreibt die Dateien in das Verzeichnis (wird angelegt). Rückgabe 0 bei Erfolg.
int DemotagSchreiben(const std::string& verzeichnis);
