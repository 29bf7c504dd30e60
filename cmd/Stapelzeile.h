#pragma once
// Zerlegung einer Stapeldatei ohne jeden Systemaufruf, damit sie für sich geprüft werden kann.
#include "platform/Text.h"

#include <string>
#include <string_view>
#include <vector>

// Zeilen der Datei (Windows-1252-Bytes): CR LF, ein einzelnes LF oder ein einzelnes CR beenden
// eine Zeile; eine letzte Zeile ohne Zeilenende zählt mit.
std::vector<std::string> StapelZeilen(std::string_view inhalt);

enum class Befehlsart {
    Nichts,   // leer, rem, ::, echo off/on
    Pause,    // pause
    Ausgabe,  // echo mit Text
    Programm, // erstes Wort ist das Programm, die übrigen seine Argumente
};

struct Stapelbefehl {
    Befehlsart art = Befehlsart::Nichts;
    // Programm: alle Wörter; Ausgabe: ein Wort mit dem Text hinter "echo ".
    std::vector<Text> worte;
};

// Deutet eine Zeile (Windows-1252-Bytes). Wörter trennen Leerzeichen und Tabulatoren; doppelte
// Anführungszeichen fassen Leerzeichen ein und fallen weg. Alles andere bleibt, wie es steht:
// $, &, |, %, ; und < > sind gewöhnliche Zeichen.
Stapelbefehl ZeileDeuten(std::string_view zeile);

// Nur die Wortzerlegung (Text bereits umgewandelt).
std::vector<Text> WorteTrennen(TextSicht zeile);
