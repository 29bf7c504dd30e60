#pragma once
// Die rohen Versionsangaben eines Windows-Systems, wie die Versionsfunktionen sie liefern.
#include "platform/Text.h"

#include <cstdint>

struct Versionsdaten {
    int plattform = 0; // 0 Windows 3.1, 1 Windows 9x, 2 NT-Familie, 3 CE
    int hauptversion = 0;
    int nebenversion = 0;
    std::uint32_t build = 0;
    Text servicepack{}; // bis zum ersten NUL gilt
    int produkttyp = 0; // 1 Arbeitsplatz, sonst Server
    std::uint32_t suitemaske = 0;
    // Systemmetriken 86 bis 89 (ungleich 0 = gesetzt).
    int tabletPc = 0;
    int mediaCenter = 0;
    int starterEdition = 0;
    int serverR2 = 0;
    // Native Architektur (auch für ein 32-Bit-Programm auf 64-Bit-Windows): 0 x86, 6 Itanium, 9
    // x64.
    int prozessorarchitektur = 0;
    std::uint32_t produktinfo = 0; // Produkttyp von NT 6, erfragt für 6.0 ohne Service Pack
    bool wow64AbfrageVerweigert = false;
};
