#pragma once
// Umwandlung zwischen dem Text der Logik (UTF-16) und QString (ebenfalls UTF-16).
#include "platform/Text.h"

#include <QString>

inline QString ZuQString(const Text& text) {
    return QString::fromStdU16String(text);
}

inline Text AusQString(const QString& text) {
    return text.toStdU16String();
}
