#pragma once
#include "platform/Dateisystem.h"
#include "platform/Dialoge.h"
#include "platform/Ereignisschleife.h"
#include "platform/Laufsperre.h"
#include "platform/Papierkorb.h"
#include "platform/Programm.h"
#include "platform/Prozesse.h"
#include "platform/Systeminfo.h"

// Alle Dienste der Außenwelt, einmal an das Hauptfenster übergeben.
struct Umgebung {
    Dateisystem& datei;
    Prozesse& prozesse;
    Ereignisschleife& schleife;
    Dialoge& dialoge;
    Programm& programm;
    Systeminfo& system;
    Papierkorb& papierkorb;
    Sperren& sperren;
};
