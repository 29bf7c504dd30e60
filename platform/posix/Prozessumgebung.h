#pragma once
// Was der eigene Prozess vom Host erbt: Arbeitsverzeichnis und Umgebungsvariablen.
#include <string>

// Arbeitsverzeichnis als Host-Pfad, auch wenn es länger ist als ein fester Puffer; "/", wenn es
// nicht zu ermitteln ist (gelöscht, keine Rechte), damit Pfade trotzdem absolut bleiben.
std::string HostArbeitsverzeichnis();
// Wert einer Umgebungsvariablen; leer, wenn sie fehlt.
std::string Umgebungswert(const char* name);
