#include "station/Rinexscan.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "station/Punktlisten.h"
#include "station/modKestrav.h"

#include <vector>

namespace {

// Virtuelle Referenzstationen schreibt die Engine selbst ins Arbeitsverzeichnis; sie sind
// keine Messungen.
bool IstVirtuelleStation(const Text& name) {
    return Enthaelt(Klein(name), u"virt");
}

std::vector<Text> Beobachtungsdateien(Basisformular& form) {
    try {
        return form.umgebung.datei.Auflisten(u"*.??o");
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

void NeupunkteFuellen(Basisformular& form) {
    for (const Text& name : Beobachtungsdateien(form)) {
        if (IstVirtuelleStation(name))
            continue;
        form.Neupunkte.Hinzufuegen(name);
        // Die Meldung kommt erst über den Zeitgeber, wenn die Liste vollständig ist.
        if (TagAusName(form.Neupunkte.Eintrag(0)) != TagAusName(name))
            form.TimerErrFormLoad.SetzeAktiviert(true);
    }
}

Text AktuellesVerzeichnis(Basisformular& form) {
    try {
        return form.umgebung.datei.AktuellesVerzeichnis();
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

} // namespace

Text VerzeichnisKurzform(const Text& verzeichnis) {
    return Links(verzeichnis, 3) + u"..." + Teil(Rechts(verzeichnis, 35), 4, 35);
}

void RinexDateienEinlesen(Basisformular& form) {
    form.Referenzpunkte.Leeren();
    form.Neupunkte.Leeren();
    NeupunkteFuellen(form);
    NeupunkteZaehlen(form);
    ReferenzpunkteZaehlen(form);
    const Text ersterTag =
        form.Neupunkte.Anzahl() > 0 ? TagAusName(form.Neupunkte.Eintrag(0)) : u"";
    form.Beobachtungstag.SetzeText(ersterTag + u"*");
    form.VerzeichnisNeupunkte.SetzeText(
        VerzeichnisKurzform(PfadNormieren(AktuellesVerzeichnis(form))));
}

void ResetRINEX_Click(Basisformular& form) {
    RinexDateienEinlesen(form);
}
