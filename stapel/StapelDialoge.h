#pragma once
#include "platform/Dialoge.h"

#include <ostream>

// Meldungen ohne Fenster: jeder Block geht als UTF-8 auf die Standardausgabe; eine Frage bekommt
// ihre Vorgabe oder mit --ja immer "Ja". Der Dateidialog wählt den übergebenen Pfad.
class StapelDialoge : public Dialoge {
public:
    StapelDialoge(std::ostream& aus, bool immerJa, Text gewaehlterPfad)
        : aus_(aus), immerJa_(immerJa), pfad_(std::move(gewaehlterPfad)) {}
    Antwort Zeigen(const Meldung& meldung) override;
    Text DateiOeffnen(const Dateiauswahl& auswahl) override;

    // Hat der Lauf seine Abschlussmeldung gezeigt, und mit Warnungen?
    bool AbschlussGezeigt() const { return abschluss_; }
    bool MitWarnungen() const { return mitWarnungen_; }

private:
    std::ostream& aus_;
    bool immerJa_;
    Text pfad_;
    bool abschluss_ = false;
    bool mitWarnungen_ = false;
};
