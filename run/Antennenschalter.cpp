#include "run/Antennenschalter.h"

#include "shell/Basisformular.h"

namespace {

void EntfernenWennEnthalten(TextFeld& feld, const Text& schalter) {
    if (Enthaelt(feld.Wert(), schalter))
        feld.SetzeText(Entfernen(feld.Wert(), schalter));
}

} // namespace

Text QelAntennenschalter(const Sitzungszustand& zustand) {
    return u" +A" + zustand.AntexSammeldatei;
}

Text BoAntennenschalter(const Sitzungszustand& zustand) {
    return u" +ACF" + zustand.AntexSammeldatei;
}

void AntennenschalterEntfernen(Basisformular& form) {
    EntfernenWennEnthalten(form.QelWeitereParameter, QelAntennenschalter(form.zustand));
    EntfernenWennEnthalten(form.BoWeitereParameter, BoAntennenschalter(form.zustand));
}
