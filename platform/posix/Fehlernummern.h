#pragma once
// errno -> Nummer der Fehlertabelle, für alle POSIX-Dienste.
#include <string>

// Fehlt eine Datei (ENOENT), zählt, ob ihr Verzeichnis da ist: sonst "Pfad nicht gefunden" (76).
int FehlernummerAusErrno(int fehler, const std::string& hostpfad = {});
[[noreturn]] void FehlerWerfen(int fehler, const std::string& hostpfad);
