#include "shell/Fehlerbericht.h"

#include "shell/Basisformular.h"
#include "shell/Fehlertabelle.h"

void Fehlerbericht(Basisformular& form, int fehlernummer) {
    form.zustand.Fehlerbeschreibung = FehlerbeschreibungZuNummer(fehlernummer);
    form.umgebung.dialoge.Zeigen(
        Meldung{FehlerberichtText(form.zustand.Fehlerbeschreibung, form.zustand.Fehlerdateitext),
                u"Achtung Fehler!", Knoepfe::OK, Symbol::Ausrufezeichen, 1});
    form.bitteWarten.fenster.Schliessen();
    form.umgebung.datei.AlleSchliessen();

    form.FrameBenutzereinstellungen.SetzeAktiviert(true);
    form.FrameFehler.SetzeAktiviert(true);
    form.cmdBerechnen.SetzeAktiviert(true);
    form.ProgressBar.SetzeWert(0);
    form.EndeMenü.SetzeCaption(u"Ende");
    form.EndeFrame.SetzeCaption(u"Ende");
}
