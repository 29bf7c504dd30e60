#pragma once
// Der Text eines Fensters als breite Zeichenkette; die Umwandlung zum Text der Logik liegt bei den
// Diensten.
#include "platform/win32/Breit.h"

#include <windows.h>

#include <string>

inline std::wstring Fenstertext(HWND fenster) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(fenster)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(fenster, text.data(), static_cast<int>(text.size()))));
    return text;
}
