#pragma once
#include "platform/Dialoge.h"

#include <ostream>

// Meldungen ohne Fenster: jeder Block geht als UTF-8 auf die Standardausgabe; eine Frage bekommt
// ihre Vorgabe oder mit --ja immer "Ja". Der Dateidialog wählt den übergebenen Pfad.
class StapelDialoge : public Dialoge {
public:
    // Der Hinweis auf Dateinamen nach dem Scan geht auf fehler statt auf aus.
    StapelDialoge(std::ostream& aus, std::ostream& fehler, bool immerJa, Text gewaehlterPfad)
        : aus_(aus), fehler_(fehler), immerJa_(immerJa), pfad_(std::move(gewaehlterPfad)) {}
    Antwort Zeigen(const Meldung& meldung) override;
    Text DateiOeffnen(const Dateiauswahl& auswahl) override;

    // Hat der Lauf seine Abschlussmeldung gezeigt, und mit Warnungen?
    bool AbschlussGezeigt() const { return abschluss_; }
    bool MitWarnungen() const { return mitWarnungen_; }
    // "Vexlo fehlt!" beim Start; ein Fehlerbericht, auch nach der Abschlussmeldung.
    bool RechenkernFehlt() const { return rechenkernFehlt_; }
    bool FehlerGemeldet() const { return fehlerGemeldet_; }

private:
    std::ostream& aus_;
    std::ostream& fehler_;
    bool immerJa_;
    Text pfad_;
    bool abschluss_ = false;
    bool mitWarnungen_ = false;
    bool rechenkernFehlt_ = false;
    bool fehlerGemeldet_ = false;
};
