#pragma once
// Ein Lauf ohne Fenster hat niemanden, der "Abbruch" drückt: SIGINT, SIGTERM und das Zeitlimit
// eines Punktes nehmen denselben Weg und beenden dazu den Rechenkern samt seiner Kinder.
#include "Plattform.h"
#include "StapelProzesse.h"

#include <ostream>

class Basisformular;

class Abbruchwache {
public:
    // zeitlimit: Sekunden je Punkt, 0 = keins. Fängt SIGINT und SIGTERM ab.
    Abbruchwache(Basisformular& form, StapelProzesse& stapel, Plattformprozesse& plattform,
                 long zeitlimit, std::ostream& fehler);

    // Bei jedem Nachgeben und zwischen den Schritten des Stapelbetriebs.
    void Pruefen();
    bool Abgebrochen() const { return abgebrochen_; }

private:
    void Abbrechen(const std::string& grund);

    Basisformular& form_;
    StapelProzesse& stapel_;
    Plattformprozesse& plattform_;
    long zeitlimit_;
    std::ostream& fehler_;
    bool abgebrochen_ = false;
};
