#pragma once
// Lesbare Ausgabe von Qt-Werten in Meldungen von GoogleTest.
#include <QSize>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QSize& groesse, std::ostream* aus) {
    *aus << groesse.width() << 'x' << groesse.height();
}
