#pragma once
#include "platform/Text.h"

enum class Knoepfe { OK, JaNein };
enum class Symbol { Keins, Information, Ausrufezeichen, Frage, Kritisch };
enum class Antwort { OK, Ja, Nein, Abbrechen };

struct Meldung {
    Text text;
    Text titel;
    Knoepfe knoepfe = Knoepfe::OK;
    Symbol symbol = Symbol::Keins;
    int standardknopf = 1; // 1 = erster Knopf, 2 = zweiter
};

struct Dateiauswahl {
    Text titel;
    Text filter; // "Beschreibung|Muster|..."
    int filterIndex = 1;
    Text startverzeichnis; // Host-Pfad
};

class Dialoge {
public:
    virtual ~Dialoge() = default;
    virtual Antwort Zeigen(const Meldung& meldung) = 0;
    // Host-Pfad der gewählten Datei; "" beim Abbrechen.
    virtual Text DateiOeffnen(const Dateiauswahl& auswahl) = 0;
};
