#pragma once
#include "platform/Text.h"

#include <memory>

// Eine gehaltene Sperre eines Arbeitsverzeichnisses; das Zerstören gibt sie frei. Es ist eine
// Sperre des Betriebssystems: sie stirbt mit dem Prozess, ein Absturz lässt nichts zurück.
// Ein Stapel, den Prozesse::StapelStarten startet, solange sie gehalten wird, erbt sie und hält
// sie bis zu seinem Ende: so bleibt das Verzeichnis nach einem Abbruch gesperrt, solange der
// Rechenkern noch schreibt. Andere gestartete Programme (Betrachter, Editor) erben sie nicht.
class Laufsperre {
public:
    virtual ~Laufsperre() = default;
};

class Sperren {
public:
    virtual ~Sperren() = default;
    // Sperrt das Arbeitsverzeichnis (Windows-Pfad) über eine versteckte Sperrdatei darin.
    // nullptr, wenn ein anderer Lauf (auch desselben Prozesses) sie hält; Laufzeitfehler, wenn
    // die Sperrdatei nicht angelegt werden kann.
    virtual std::unique_ptr<Laufsperre> Nehmen(const Text& verzeichnis) = 0;
};
