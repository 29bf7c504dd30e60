#include "ui/qt/QtProgramm.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>
#include <cstdlib>

void QtProgramm::ZeigerSetzen(Mauszeiger zeiger) {
    // Unter Windows ist der Zeiger ein Zustand, kein Stapel: Sanduhr einmal, Standard hebt alles
    // auf.
    if (zeiger == Mauszeiger::Sanduhr) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void QtProgramm::SofortBeenden() {
    std::fflush(nullptr);
    std::_Exit(0);
}

bool QtProgramm::Menuefarbe(int modus, unsigned rgb, int index, bool mitUntermenues) {
    // Systemfarben (oberstes Byte gesetzt) hat Qt nicht; die Farbe ist ein Windows-COLORREF.
    if (!leiste_ || (rgb & 0xFF000000u) != 0)
        return false;
    const QString farbe = QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                                 static_cast<int>((rgb >> 16) & 0xFF))
                              .name();
    if (modus == 1 || (modus == 2 && index == 0)) {
        leiste_->setStyleSheet(QStringLiteral("QMenuBar { background-color: %1; }").arg(farbe));
        return true;
    }
    if (modus == 2) {
        const auto eintraege = leiste_->actions();
        if (index < 1 || index > eintraege.size())
            return false;
        QMenu* menue = eintraege[index - 1]->menu();
        if (!menue)
            return false;
        // Ohne Untermenüs nur dieses Menü: die Regel gilt dann allein für seinen Namen.
        if (menue->objectName().isEmpty())
            menue->setObjectName(QStringLiteral("Untermenue%1").arg(index));
        const QString auswahl = mitUntermenues ? QStringLiteral("QMenu")
                                               : QStringLiteral("QMenu#") + menue->objectName();
        menue->setStyleSheet(QStringLiteral("%1 { background-color: %2; }").arg(auswahl, farbe));
        return true;
    }
    return false;
}
