// Die UI-Tests brauchen eine QApplication; ohne Bildschirm auf der Plattform "offscreen".
// KESTRAV_GEBIETSSCHEMA verlangt ein Gebietsschema: fehlt es, scheitert der Lauf, statt still
// unter "C" zu prüfen, was unter einem deutschen Desktop schiefgeht.
#include "hilfen/TempVerzeichnis.h"
#include "ui/qt/Sprache.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Der Dateidialog merkt sich seinen Zustand in ~/.config/QtProject.conf: Tests schreiben nichts
    // ins echte Heimatverzeichnis.
    const TempVerzeichnis heim;
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(xdg, QByteArray::fromStdString((heim / xdg).string()));
    QApplication app(argc, argv);
    DeutscheOberflaeche(app);
    const QByteArray verlangt = qgetenv("KESTRAV_GEBIETSSCHEMA");
    if (!verlangt.isEmpty() && (!std::setlocale(LC_ALL, verlangt.constData()) ||
                                std::strcmp(std::localeconv()->decimal_point, ",") != 0)) {
        std::fprintf(stderr, "Gebietsschema %s fehlt (locale-gen).\n", verlangt.constData());
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
