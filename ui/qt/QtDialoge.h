#pragma once
// Meldungen mit QMessageBox (deutsche Knöpfe) und die Dateiauswahl mit QFileDialog.
#include "platform/Dialoge.h"

#include <QStringList>

class QMessageBox;

class QtDialoge : public Dialoge {
public:
    Antwort Zeigen(const Meldung& meldung) override;
    Text DateiOeffnen(const Dateiauswahl& auswahl) override;
};

// Baut die Meldung auf, ohne sie zu zeigen (die Tests prüfen sie so).
void MeldungAufbauen(QMessageBox& box, const Meldung& meldung);
// "Beschreibung|Muster|..." in die Filter von Qt; Muster gelten wie unter Windows ohne Rücksicht
// auf Groß-/Kleinschreibung, die Beschreibung erscheint unverändert.
QStringList QtFilter(const Text& filter);
