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
#include "ui/qt/Sprache.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const Aufruf = "Aufruf: kestrav [RINEX-DATEI]  (ohne Bildschirm: kestrav-stapel)\n";

[[noreturn]] void OhneBildschirm() {
    std::fputs("kestrav: Kein Bildschirm erreichbar. Einen Beobachtungstag ohne Fenster rechnet "
               "kestrav-stapel (kestrav-stapel --help zeigt den Aufruf).\n",
               stderr);
    _exit(1);
}

bool Gesetzt(const char* name) {
    const char* wert = std::getenv(name);
    return wert && *wert;
}

// Qt bricht ohne Bildschirm mit einer englischen Meldung und abort() ab; vorher prüfen, und was
// Qt beim Anlegen trotzdem nicht verbinden kann, endet ebenso mit der deutschen Meldung.
void BildschirmPruefen() {
    if (!Gesetzt("DISPLAY") && !Gesetzt("WAYLAND_DISPLAY") && !Gesetzt("QT_QPA_PLATFORM"))
        OhneBildschirm();
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext& ort, const QString& text) {
        if (art == QtFatalMsg)
            OhneBildschirm();
        // Die englischen Einzelheiten der Plattform ersetzt die Meldung oben.
        if (ort.category && std::strncmp(ort.category, "qt.qpa", 6) == 0)
            return;
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Aufruf, stdout);
            return 0;
        }
    }
    BildschirmPruefen();
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    DeutscheOberflaeche(app);

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
