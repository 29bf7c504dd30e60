// kestrav.exe: baut die Dienste, das Basisformular und seine Fenster, führt den Start aus und zeigt
// das Hauptfenster, wie das Programm unter Linux.
#include "platform/Umgebung.h"
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Programm.h"
#include "platform/win32/Win32Prozesse.h"
#include "platform/win32/Win32Sperren.h"
#include "platform/win32/Win32Systeminfo.h"
#include "shell/Basisformular.h"
#include "shell/Start.h"
#include "shell/Systembeschreibung.h"
#include "ui/win32/Win32Dialoge.h"
#include "ui/win32/Win32Ereignisschleife.h"
#include "ui/win32/Win32Hauptfenster.h"

#include <cstdlib>

namespace {

// Für Messung und Installationstest: endet, sobald das Hauptfenster gezeichnet ist.
bool NurStartmessung() {
    return GetEnvironmentVariableW(L"KESTRAV_STARTMESSUNG", nullptr, 0) > 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Win32Dateisystem datei;
    Win32Prozesse prozesse;
    Win32Ereignisschleife schleife;
    Win32Dialoge dialoge;
    Win32Programm programm;
    Win32Systeminfo system(Systembeschreibung);
    Win32Papierkorb papierkorb;
    Win32Sperren sperren;
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};

    Basisformular form(umgebung);
    Win32Hauptfenster fenster(form);

    FormularLaden(form);
    form.fenster.Zeigen();
    if (NurStartmessung()) {
        UpdateWindow(fenster.Handle());
        schleife.Ereignisse();
        return IsWindowVisible(fenster.Handle()) ? 0 : 1;
    }
    MSG nachricht;
    while (GetMessageW(&nachricht, nullptr, 0, 0) > 0)
        NachrichtVerteilen(nachricht);
    return static_cast<int>(nachricht.wParam);
}
