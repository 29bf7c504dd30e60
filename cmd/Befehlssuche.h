#pragma once
// Das erste Wort einer Stapelzeile als Programm auf dem Host finden.
#include "platform/Text.h"
#include "platform/posix/Laufwerke.h"

#include <optional>
#include <string>

enum class Programmart {
    Host,   // ELF oder Skript mit "#!" und Ausführungsrecht: direkt starten
    Stapel, // .bat/.cmd: durch kestrav-cmd selbst
    Fremd,  // .exe/.com, die der Host nicht ausführen kann: über KESTRAV_EXE_STARTER
};

struct GefundenesProgramm {
    std::string pfad; // Host-Pfad
    Programmart art = Programmart::Host;
};

// Nur ein Laufwerkspfad ("c:\\..." außer Z:) nennt ein Programm: ein bloßes Wort aus einem
// Dateinamen darf nie ein Programm aus PATH starten, und Z: ist das ganze Host-Dateisystem.
bool IstErlaubterProgrammpfad(TextSicht wort);

// Versucht den Namen, dann Name + ".exe", ".bat", ".cmd" über die Laufwerkszuordnung, relativ zu
// basis (aktuelles Verzeichnis in Windows-Form); nullopt für jedes nicht erlaubte Wort.
std::optional<GefundenesProgramm> ProgrammSuchen(const Laufwerke& laufwerke, TextSicht wort,
                                                 TextSicht basis);

// Ausführbar auf diesem Host: Ausführungsrecht und ELF-Kopf oder "#!".
bool IstHostProgramm(const std::string& pfad);
