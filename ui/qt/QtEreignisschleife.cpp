#include "ui/qt/QtEreignisschleife.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

void QtEreignisschleife::Ereignisse() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEreignisschleife::Schlafen(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
