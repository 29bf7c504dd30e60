#include "platform/win32/Win32Programm.h"

#include <windows.h>

void Win32Programm::ZeigerSetzen(Mauszeiger zeiger) {
    SetCursor(LoadCursorW(nullptr, zeiger == Mauszeiger::Sanduhr ? IDC_WAIT : IDC_ARROW));
}

void Win32Programm::SofortBeenden() {
    ExitProcess(0);
}
