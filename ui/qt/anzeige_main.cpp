// kestrav-anzeige DATEI: zeigt eine Textdatei in Windows-1252 zum Lesen.
#include "ui/qt/Anzeige.h"
#include "ui/qt/Sprache.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DeutscheOberflaeche(app);
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() < 2) {
        qWarning("Aufruf: kestrav-anzeige DATEI");
        return 2;
    }
    auto fenster = AnzeigeErstellen(argumente.at(1));
    // Wie der Texteditor, den der Lauf startet: maximiert und mit dem Fokus.
    fenster->showMaximized();
    fenster->activateWindow();
    return app.exec();
}
