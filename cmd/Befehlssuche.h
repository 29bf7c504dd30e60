#pragma once
// Das erste Wort einer Stapelzeile als Programm auf dem Host finden.
#include "platform/Text.h"
#include "platform/posix/Laufwerke.h"

#include <optional>
#include <string>
#include <string_view>

enum class Programmart {
    Host,   // ELF oder Skript mit "#!" und Ausführungsrecht: direkt starten
    Stapel, // .bat/.cmd: durch kestrav-cmd selbst
    Fremd,  // .exe/.com, die der Host nicht ausführen kann: über KESTRAV_EXE_STARTER
};

struct GefundenesProgramm {
    std::string pfad; // Host-Pfad
    Programmart art = Programmart::Host;
};

// Versucht den Namen, dann Name + ".exe", ".bat", ".cmd" über die Laufwerkszuordnung, relativ zu
// basis (aktuelles Verzeichnis in Windows-Form). Ein bloßer Name ohne Pfadangabe wird danach
// noch in den Verzeichnissen von suchpfad (PATH des Hosts) gesucht, wie cmd es tut.
std::optional<GefundenesProgramm> ProgrammSuchen(const Laufwerke& laufwerke, TextSicht wort,
                                                 TextSicht basis, std::string_view suchpfad);

// Ausführbar auf diesem Host: Ausführungsrecht und ELF-Kopf oder "#!".
bool IstHostProgramm(const std::string& pfad);
