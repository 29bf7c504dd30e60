#pragma once
// Das echte Hauptfenster über der Testumgebung: Attrappen für Meldungen, Programm und (ohne
// "echt") Prozesse und Ereignisschleife, ein echtes Dateisystem, das Schreibzugriffe zählt.
#include "hilfen/FehlerDateisystem.h"
#include "hilfen/TestUmgebung.h"
#include "platform/posix/PosixProzesse.h"
#include "shell/Basisformular.h"
#include "ui/qt/Hauptfenster.h"
#include "ui/qt/QtEreignisschleife.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QWidget>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

#include <memory>

class Fenstertest : public ::testing::Test {
protected:
    explicit Fenstertest(bool echt = false) : form(MitZaehler(echt)) {
        form.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
        form.zustand.IniDatei = u"kestrav.ini";
        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        fenster = std::make_unique<Hauptfenster>(form);
    }
    ~Fenstertest() override {
        fenster.reset();
        QApplication::processEvents();
    }

    // Sucht im Hauptfenster ohne das Wartefenster (dort gibt es auch ein "Label1").
    QObject* ImHauptfenster(const QString& name) {
        for (QObject* bereich : {static_cast<QObject*>(fenster->centralWidget()),
                                 static_cast<QObject*>(fenster->menuBar())})
            if (QObject* o = bereich->findChild<QObject*>(name))
                return o;
        return fenster->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    }

    template <class T = QWidget> T* Widget(const char* name, QWidget* in = nullptr) {
        const QString n = QString::fromUtf8(name);
        T* w = in ? in->findChild<T*>(n) : qobject_cast<T*>(ImHauptfenster(n));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    Basisformular& MitZaehler(bool echt) {
        Prozesse& p = echt ? static_cast<Prozesse&>(prozesse) : env.prozesse;
        Ereignisschleife& s = echt ? static_cast<Ereignisschleife&>(schleife) : env.schleife;
        env.umgebung =
            std::make_unique<Umgebung>(Umgebung{zaehler, p, s, env.dialoge, env.programmdienst,
                                                env.system, *env.papierkorb, *env.sperren});
        return env.Formular();
    }

    TestUmgebung env;
    FehlerDateisystem zaehler{*env.datei}; // scheitert nie, zählt nur
    PosixProzesse prozesse{env.laufwerke};
    QtEreignisschleife schleife;
    Basisformular& form;
    std::unique_ptr<Hauptfenster> fenster;
};
