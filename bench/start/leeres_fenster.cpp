// Vergleichsprogramm der Startmessung: ein leeres Fenster in der Größe des Hauptfensters, sonst
// nichts; endet wie kestrav mit KESTRAV_STARTMESSUNG, sobald es gezeichnet ist.
#include "ui/qt/Gezeichnet.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(369, 403);
    fenster.show();
    WartenBisGezeichnet(&fenster);
    std::_Exit(0);
}
