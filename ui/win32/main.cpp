// kestrav.exe: baut die Dienste, das Basisformular und seine Fenster, führt den Start aus und zeigt
// das Hauptfenster, wie das Programm unter Linux.
#include "shell/Basisformular.h"
#include "shell/Start.h"
#include "ui/win32/Win32Dialoge.h"
#include "ui/win32/Win32Dienste.h"
#include "ui/win32/Win32Hauptfenster.h"

#include <cstdlib>

namespace {

// Für Messung und Installationstest: endet, sobald das Hauptfenster gezeichnet ist.
bool NurStartmessung() {
    return GetEnvironmentVariableW(L"KESTRAV_STARTMESSUNG", nullptr, 0) > 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Win32Dienste dienste;
    Win32Dialoge dialoge;
    Umgebung umgebung = dienste.MitDialogen(dialoge);

    Basisformular form(umgebung);
    Win32Hauptfenster fenster(form);

    FormularLaden(form);
    form.fenster.Zeigen();
    if (NurStartmessung()) {
        UpdateWindow(fenster.Handle());
        dienste.schleife.Ereignisse();
        return IsWindowVisible(fenster.Handle()) ? 0 : 1;
    }
    MSG nachricht;
    while (GetMessageW(&nachricht, nullptr, 0, 0) > 0)
        NachrichtVerteilen(nachricht);
    return static_cast<int>(nachricht.wParam);
}
