#pragma once
// Text der Logik (UTF-16) und die breiten Zeichenketten der Win32-API sind dieselben Einheiten.
#include "platform/Text.h"

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring Breit(TextSicht text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

inline Text AusBreit(const wchar_t* text, std::size_t laenge) {
    return Text(reinterpret_cast<const char16_t*>(text), laenge);
}

inline Text AusBreit(const std::wstring& text) {
    return AusBreit(text.data(), text.size());
}
