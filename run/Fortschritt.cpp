#include "run/Fortschritt.h"

#include "run/Jobdatei.h"
#include "run/Lauf.h"
#include "run/Vorbereitung.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

Text Zeitanzeige(long sekunden) {
    return u"Berechnungzeit " + ZeitFormatieren(sekunden) + u" ...";
}

Text Punktanzeige(int position, int anzahl, const Text& neupunkt) {
    const Text v = ZahlText(position);
    return u"rechne " + v + u".Punkt (" + v + u"/" + ZahlText(anzahl) + u"), MARKER NAME: " +
           Entfernen(Links(neupunkt, 4), u"_");
}

// Keiner der Schritte kann scheitern; der Zähler steigt erst nach der Anzeige, daher zeigt der
// erste Tick 00:00:00.
void TimerAbbruch_Timer(Basisformular& form) {
    form.bitteWarten.fenster.SetzeCaption(Zeitanzeige(form.lauf.Sekundenzähler));
    form.bitteWarten.BerechnePunkt.SetzeCaption(Punktanzeige(
        form.ProgressBar.Wert(), form.ProgressBar.Maximum(), form.lauf.AktuellerNeupunkt));
    ++form.lauf.Sekundenzähler;
}

void FortschrittStarten(Basisformular& form) {
    form.lauf.Sekundenzähler = 0;
    form.TimerAbbruch.SetzeAktiviert(true);
}

bool Nachgeben(Basisformular& form) {
    form.umgebung.schleife.Ereignisse();
    return !form.lauf.Abgebrochen;
}

bool AufStapelWarten(Basisformular& form) {
    Umgebung& u = form.umgebung;
    const int kennung = form.lauf.Prozesskennung;
    while (u.prozesse.Exitcode(kennung) == NOCH_AKTIV) {
        if (!Nachgeben(form))
            return false;
        u.prozesse.WarteAufEnde(kennung, 100);
    }
    return !form.lauf.Abgebrochen;
}

void LaufAbbrechen(Basisformular& form) {
    Umgebung& u = form.umgebung;
    form.lauf.Abgebrochen = true;
    form.bitteWarten.fenster.Schliessen();
    u.datei.AlleSchliessen();
    u.schleife.Ereignisse();
    u.dialoge.Zeigen({u"Bitte schließen Sie auch die Vexlo-Berechnungsfenster!   ", u"Kestrav",
                      Knoepfe::OK, Symbol::Information, 1});
    AntennenschalterEntfernen(form);
    // Eine Datei, die sich nicht löschen lässt, darf das Freigeben des Fensters nicht verhindern.
    for (const Text& datei :
         {u"_ergebnis_" + Links(form.lauf.Tageskennung, 3) + u"0.erg", Text(Jobdatei)}) {
        try {
            if (DateiExistiert(u.datei, datei))
                u.datei.Loeschen(datei);
        } catch (const Laufzeitfehler&) {
        }
    }
    FensterFreigeben(form);
}
