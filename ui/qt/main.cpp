// kestrav: baut die Dienste, das Basisformular und seine Fenster, führt den Start aus und zeigt
// das Hauptfenster.
#include "platform/Umgebung.h"
#include "platform/posix/Laufwerke.h"
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixProzesse.h"
#include "platform/posix/PosixSperren.h"
#include "platform/posix/PosixSysteminfo.h"
#include "shell/Basisformular.h"
#include "shell/Start.h"
#include "ui/qt/Hauptfenster.h"
#include "ui/qt/QtDialoge.h"
#include "ui/qt/QtEreignisschleife.h"
#include "ui/qt/QtProgramm.h"
#include "ui/qt/Sonderlauf.h"

#include <QApplication>
#include <QStringList>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // Qt hat seine eigenen Schalter schon herausgenommen; der Rest ist die Befehlszeile.
    std::vector<std::string> argumente;
    const QStringList qtArgumente = QApplication::arguments();
    for (qsizetype i = 1; i < qtArgumente.size(); ++i)
        argumente.push_back(qtArgumente[i].toStdString());

    const Laufwerke laufwerke = Laufwerke::AusUmgebung();
    PosixDateisystem datei(laufwerke);
    PosixProzesse prozesse(laufwerke);
    QtEreignisschleife schleife;
    QtDialoge dialoge;
    QtProgramm programm;
    PosixSysteminfo system(argumente);
    PosixPapierkorb papierkorb(laufwerke);
    PosixSperren sperren(laufwerke);
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};

    Basisformular form(umgebung);
    Hauptfenster fenster(form);
    programm.MenueleisteSetzen(fenster.menuBar());

    FormularLaden(form);
    form.fenster.Zeigen();
    SonderlaufPlanen(form, fenster);
    return app.exec();
}
