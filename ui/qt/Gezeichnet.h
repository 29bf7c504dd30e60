#pragma once
// Wartet, bis ein Fenster auf dem Bildschirm ist, und zeichnet es einmal vollständig. Nur Qt, damit
// die Startmessung dieselbe Bedingung auch für ein leeres Vergleichsprogramm benutzen kann.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

inline void WartenBisGezeichnet(QWidget* fenster) {
    QElapsedTimer uhr;
    uhr.start();
    while ((!fenster->windowHandle() || !fenster->windowHandle()->isExposed()) &&
           uhr.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    fenster->repaint();
}
