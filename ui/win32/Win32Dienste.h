#pragma once
// Die Dienste von Windows für das Fenster, einmal gebündelt: das Programm und seine Tests bauen
// die Umgebung gleich, Tests nur mit anderen Meldungen.
#include "platform/Umgebung.h"
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Programm.h"
#include "platform/win32/Win32Prozesse.h"
#include "platform/win32/Win32Sperren.h"
#include "platform/win32/Win32Systeminfo.h"
#include "shell/Systembeschreibung.h"
#include "ui/win32/Win32Ereignisschleife.h"

struct Win32Dienste {
    Win32Dateisystem datei;
    Win32Prozesse prozesse;
    Win32Ereignisschleife schleife;
    Win32Programm programm;
    Win32Systeminfo system{Systembeschreibung};
    Win32Papierkorb papierkorb;
    Win32Sperren sperren;

    Umgebung MitDialogen(Dialoge& dialoge) {
        return {datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};
    }
};
