#include "shell/Grenzwerte.h"

#include "platform/Zahlen.h"
#include "shell/Basisformular.h"

namespace {

// Läuft bei jeder Änderung, also auch beim Leeren des Feldes oder der ersten Ziffer: der
// Untergrenzwert steht dann sofort wieder im Feld.
void Untergrenze(TextFeld& feld, double grenze, const Text& grenzText) {
    if (FuehrendeZahl(feld.Wert()) < grenze)
        feld.SetzeText(grenzText);
}

void OccupationTime_Change(Basisformular& form) {
    Untergrenze(form.OccupationTime, 5, u"5");
}

void Satellitenanzahl_Change(Basisformular& form) {
    Untergrenze(form.Satellitenanzahl, 4, u"4");
}

// Die Empfehlungen der Engine, gleich den Entwurfswerten des Fensters.
void Standardwerte(Basisformular& form) {
    form.Satellitenanzahl.SetzeText(u"5");
    form.AmbiguitiesFixedFor.SetzeText(u"90");
    form.PDOP.SetzeText(u"6");
    form.OccupationTime.SetzeText(u"5");
    form.LösungsQu.SetzeText(u"high");
    form.FehlerAnzeigen.SetzeWert(1);
    form.ErgebnisAnzeigen.SetzeWert(1);
    form.VexloBildschirmausgabe.SetzeWert(0);
}

} // namespace

void VerdrahteGrenzwerte(Basisformular& form) {
    form.OccupationTime.beiAenderung = [&form] { OccupationTime_Change(form); };
    form.Satellitenanzahl.beiAenderung = [&form] { Satellitenanzahl_Change(form); };
    form.ButtonStandardwerte.beiKlick = [&form] { Standardwerte(form); };
}
