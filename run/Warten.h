#pragma once
#include "platform/Umgebung.h"

// Wartet, bis der Prozess nicht mehr läuft: Exitcode abfragen, solange er NOCH_AKTIV meldet
// Ereignisse abarbeiten und bis zu 100 ms schlafen. Der Schlaf endet früher, wenn der Prozess
// endet; ein verschwundener Prozess beendet das Warten nach der ersten Abfrage.
void WarteAufProzess(Umgebung& umgebung, int& Prozesskennung);
