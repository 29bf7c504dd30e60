#include "station/Punktlisten.h"

#include "shell/Basisformular.h"

void NeupunkteZaehlen(Basisformular& form) {
    form.AnzahlNeupunkteRINEX.SetzeCaption(u"Neupunkte: " + ZahlText(form.Neupunkte.Anzahl()));
}

void ReferenzpunkteZaehlen(Basisformular& form) {
    form.AnzahlReferenzpunkteRINEX.SetzeCaption(u"Referenzpunkte: " +
                                                ZahlText(form.Referenzpunkte.Anzahl()));
}

Text TagAusName(const Text& dateiname) {
    return Teil(dateiname, 5, 3);
}
