#include "ui/qt/Sonderlauf.h"

#include "shell/Basisformular.h"
#include "ui/qt/Gezeichnet.h"
#include "ui/qt/Hauptfenster.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

bool Speichern(QWidget* fenster, const QDir& ziel, const QString& name) {
    WartenBisGezeichnet(fenster);
    const QString datei = ziel.filePath(name);
    const bool ok = fenster->grab().save(datei);
    std::fprintf(stderr, "%s %s\n",
                 ok ? "geschrieben:" : "FEHLER beim Schreiben:", qPrintable(datei));
    return ok;
}

void Bildschirmfotos(Basisformular& form, Hauptfenster& fenster, const QString& verzeichnis) {
    QDir ziel(verzeichnis);
    ziel.mkpath(QStringLiteral("."));
    bool ok = true;
    const char* const namen[] = {"reiter1-referenzpunkte.png", "reiter2-optionen.png",
                                 "reiter3-analyse.png"};
    for (int reiter = 0; reiter < 3; ++reiter) {
        form.RegisterkarteKestrav.SetzeReiter(reiter);
        ok = Speichern(&fenster, ziel, QString::fromLatin1(namen[reiter])) && ok;
    }
    form.RegisterkarteKestrav.SetzeReiter(0);
    form.bitteWarten.fenster.Zeigen();
    ok = Speichern(fenster.BitteWarten(), ziel, QStringLiteral("bitte-warten.png")) && ok;
    std::fflush(nullptr);
    std::_Exit(ok ? 0 : 1);
}

} // namespace

void SonderlaufPlanen(Basisformular& form, Hauptfenster& fenster) {
    const QString bilder = qEnvironmentVariable("KESTRAV_SCREENSHOT");
    if (!bilder.isEmpty()) {
        QTimer::singleShot(0, &fenster,
                           [&form, &fenster, bilder] { Bildschirmfotos(form, fenster, bilder); });
        return;
    }
    if (qEnvironmentVariableIsSet("KESTRAV_STARTMESSUNG")) {
        WartenBisGezeichnet(&fenster);
        std::fflush(nullptr);
        std::_Exit(0);
    }
}
