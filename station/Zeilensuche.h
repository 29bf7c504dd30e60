#pragma once
// Suche der ersten Zeile mit einem Text, ohne lange Zeilen zu halten.
#include "platform/Dateisystem.h"
#include "platform/Text.h"

#include <optional>

// Für RINEX-Dateien: eine Zeile endet an CR LF, an einem einzelnen CR und auch an LF allein.
// Die erste Zeile der Datei, die suchtext enthält (genau, mit Groß-/Kleinschreibung); nullopt,
// wenn keine Zeile ihn enthält oder die Datei nicht lesbar ist. Anders als ZeileSuchen liefert sie
// ohne Treffer nicht die letzte Zeile und hält darum von langen Zeilen ohne suchtext nur so viel,
// wie ein über Stückgrenzen reichender Treffer braucht: eine riesige Datei ohne Zeilenende (etwa
// eine dünn besetzte RINEX-Datei) kostet keinen Speicher. Die Datei wird einmal gelesen, bis zum
// Ende der Trefferzeile; nur wenn der Treffer hinter dem Anfang einer sehr langen Zeile steht,
// holt ein zweiter Durchgang die ganze Zeile.
std::optional<Text> ErsteZeileMit(Dateisystem& ds, const Text& datei, const Text& suchtext);
