#pragma once
// wchar_t ist unter Windows eine UTF-16-Einheit wie char16_t: die Umwandlung kopiert nur.
#include "platform/Text.h"

#include <windows.h>

#include <string>

inline std::wstring Breit(const Text& text) {
    return std::wstring(text.begin(), text.end());
}

inline Text AusBreit(const std::wstring& text) {
    return Text(text.begin(), text.end());
}

inline std::wstring Fenstertext(HWND fenster) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(fenster)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(fenster, text.data(), static_cast<int>(text.size()))));
    return text;
}
