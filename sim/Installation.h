#pragma once
// Installiert den Simulator als Engine-Verzeichnis (etwa c:\programme\vexlo\ auf dem Host).
#include <string>

// qel, qel2, bo1, bo2 und dieselben mit .exe als Verweise auf eine Kopie des Programms,
// egm96_15.bog (Verweis auf die Geoiddatei von proj-data), Qel-Manual.pdf, Vexlo_UG_2.pdf.
// Rückgabe 0 bei Erfolg.
int Installieren(const std::string& verzeichnis);
