#pragma once
// Konsolenprogramme unter Windows: Befehlszeile und Meldungen ohne Verlust von Umlauten.
#include <string>
#include <vector>

// Die Argumente (ohne Programmnamen) aus der Breitzeichen-Befehlszeile als UTF-8: argv käme in
// der ANSI-Codepage und verlöre jeden Namen außerhalb davon.
std::vector<std::string> BefehlsargumenteUtf8();

// std::cout und std::cerr nehmen UTF-8 an und schreiben in die Konsole als Breitzeichen, in eine
// Umleitung in der Codepage der Konsole (wie cmd.exe selbst), damit Umlaute in cmd.exe stimmen.
void KonsolenausgabeEinrichten();
