#pragma once
// Meldungen und die Dateiauswahl mit den Standarddialogen von Windows.
#include "platform/Dialoge.h"

class Win32Dialoge : public Dialoge {
public:
    // Die Knöpfe heißen "Ja", "Nein" und "OK", auch auf einem Windows in anderer Sprache.
    Antwort Zeigen(const Meldung& meldung) override;
    Text DateiOeffnen(const Dateiauswahl& auswahl) override;
};
