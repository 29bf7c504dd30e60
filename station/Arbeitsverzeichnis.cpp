#include "station/Arbeitsverzeichnis.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "station/Rinexscan.h"
#include "station/modKestrav.h"

namespace {

Text Startverzeichnis(Basisformular& form) {
    const Text& start = form.zustand.Startargument;
    if (start.empty())
        return {};
    try {
        return form.umgebung.datei.NachHostpfad(start);
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

Dateiauswahl DialogVorbereiten(Basisformular& form) {
    Dateiauswahl auswahl;
    auswahl.titel = u"Auswahl Arbeitsverzeichnis mittels Markierung RINEX-Datei";
    auswahl.filter = u"RINEX-Datei (*.??o)|*.??o|";
    auswahl.filterIndex = 1;
    auswahl.startverzeichnis = Startverzeichnis(form);
    return auswahl;
}

Text WindowsForm(Basisformular& form, const Text& hostpfad) {
    if (hostpfad.empty())
        return {};
    try {
        return form.umgebung.datei.AusHostpfad(hostpfad);
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

// Das Vorbild des Dialogs wechselt bei einer Wahl selbst in das Verzeichnis der Datei; der
// Dialogdienst tut das nicht, also geschieht es hier.
void InsVerzeichnisDerDatei(Basisformular& form, const Text& windowsPfad) {
    Dateisystem& ds = form.umgebung.datei;
    try {
        ds.LaufwerkWechseln(Links(windowsPfad, 2));
        ds.VerzeichnisWechseln(VerzeichnisVonPfad(windowsPfad));
    } catch (const Laufzeitfehler&) {
        // Wie jeder Schritt dieses Befehls: weiter mit dem nächsten.
    }
}

} // namespace

void AuswahlArbeitsverzeichnis_Click(Basisformular& form, Dateidialog& CommonDialogLW) {
    form.CommandBerechnen.SetzeAktiviert(false);
    const Text gewaehlt = form.umgebung.dialoge.DateiOeffnen(DialogVorbereiten(form));
    if (!gewaehlt.empty()) {
        CommonDialogLW.dateiname = gewaehlt;
        InsVerzeichnisDerDatei(form, WindowsForm(form, gewaehlt));
    }
    // Auch nach einem Abbrechen: der Dialog hält noch den Namen der vorigen Wahl.
    const Text datei = WindowsForm(form, CommonDialogLW.dateiname);
    form.zustand.Arbeitsverzeichnis = PfadNormieren(VerzeichnisVonPfad(datei));
    if (!form.zustand.Arbeitsverzeichnis.empty())
        RinexDateienEinlesen(form);
}
