#include "run/Fortschritt.h"

#include "run/Antennenschalter.h"
#include "run/Jobdatei.h"
#include "run/Lauf.h"
#include "run/Vorbereitung.h"
#include "run/Warten.h"
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

namespace {

// Die Warteroutine kennt nur die Dienste. Nach einem Abbruch meldet diese Hülle den Stapel als
// beendet und schläft nicht mehr, so endet das Warten bei der nächsten Abfrage; die Engine selbst
// läuft weiter.
class AbbruchBeachtendeProzesse : public Prozesse {
public:
    AbbruchBeachtendeProzesse(Prozesse& prozesse, const bool& abgebrochen)
        : prozesse_(prozesse), abgebrochen_(abgebrochen) {}

    int StapelStarten(const Text& stapeldatei, Fensterstil stil) override {
        return prozesse_.StapelStarten(stapeldatei, stil);
    }
    int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) override {
        return prozesse_.ProgrammStarten(programm, argumente, stil);
    }
    int Exitcode(int taskId) override { return abgebrochen_ ? 0 : prozesse_.Exitcode(taskId); }
    void WarteAufEnde(int taskId, int maxMs) override {
        if (!abgebrochen_)
            prozesse_.WarteAufEnde(taskId, maxMs);
    }
    Text ZugeordnetesProgramm(const Text& datei) override {
        return prozesse_.ZugeordnetesProgramm(datei);
    }
    void TexteditorOeffnen(const Text& datei) override { prozesse_.TexteditorOeffnen(datei); }
    bool InStapelzeileSicher(TextSicht name) const override {
        return prozesse_.InStapelzeileSicher(name);
    }

private:
    Prozesse& prozesse_;
    const bool& abgebrochen_;
};

} // namespace

bool AufStapelWarten(Basisformular& form) {
    Umgebung& u = form.umgebung;
    AbbruchBeachtendeProzesse prozesse(u.prozesse, form.lauf.Abgebrochen);
    Umgebung mitAbbruch{u.datei,    prozesse, u.schleife,   u.dialoge,
                        u.programm, u.system, u.papierkorb, u.sperren};
    WarteAufProzess(mitAbbruch, form.lauf.Prozesskennung);
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
