#include "ui/win32/Win32Ereignisschleife.h"

void NachrichtVerteilen(MSG& nachricht) {
    HWND oben = nachricht.hwnd ? GetAncestor(nachricht.hwnd, GA_ROOT) : nullptr;
    if (oben && IsDialogMessageW(oben, &nachricht))
        return;
    TranslateMessage(&nachricht);
    DispatchMessageW(&nachricht);
}

void Win32Ereignisschleife::Ereignisse() {
    // Fällige Zeitgeber kommen als WM_TIMER, sobald die Warteschlange sonst leer ist.
    MSG nachricht;
    while (PeekMessageW(&nachricht, nullptr, 0, 0, PM_REMOVE)) {
        if (nachricht.message == WM_QUIT) {
            // Das Ende gehört der äußeren Schleife; sie soll es noch sehen.
            PostQuitMessage(static_cast<int>(nachricht.wParam));
            return;
        }
        NachrichtVerteilen(nachricht);
    }
}

void Win32Ereignisschleife::Schlafen(int ms) {
    if (ms > 0)
        Sleep(static_cast<DWORD>(ms));
}
