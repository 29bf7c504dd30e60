#pragma once
// Kleine, gültige PDF-Dateien ohne fremdes Werkzeug: Text in Courier (WinAnsi, also mit
// Umlauten), Seite für Seite, mit korrekter Querverweistabelle.
#include <string>
#include <vector>

// Zeilen in UTF-8; eine leere Zeile ist ein Absatz. Ergebnis: die Bytes der Datei.
std::string PdfErzeugen(const std::string& titel, const std::vector<std::string>& zeilen);
