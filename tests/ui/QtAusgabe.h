#pragma once
// Lesbare Ausgabe von Qt-Werten in Meldungen von GoogleTest.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}
