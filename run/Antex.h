#pragma once
#include "platform/Text.h"

class Basisformular;

// Die drei festen Kopfzeilen der Sammeldatei (je 80 Zeichen, jede mit CR LF).
Text AntexKopf();

// Der Teil einer ANTEX-Datei hinter dem ersten "END OF HEADER" bis zu einem zweiten oder zum Ende,
// außen von Leerzeichen befreit (Zeilenumbrüche bleiben). Ohne Marke: Laufzeitfehler 9.
Text AntexRumpf(const Text& inhalt);

// Führt alle "*.atx" des Arbeitsverzeichnisses zur Sammeldatei zusammen.
void AntexDateienSammeln(Basisformular& form);
