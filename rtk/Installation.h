#pragma once
// Installiert vexlo-rtk als Engine-Verzeichnis: die Modulnamen und, nur wenn gegeben, das amtliche
// Höhenbezugsgitter als *.bog (ohne dieses meldet Kestrav "Geoidfeld Datei fehlt!").
#include <string>

// gitter leer: keine Geoiddatei. Rückgabe 0 bei Erfolg.
int Installieren(const std::string& verzeichnis, const std::string& gitter);
