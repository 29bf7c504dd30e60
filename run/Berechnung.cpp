#include "run/Antennenschalter.h"
#include "run/Fortschritt.h"
#include "run/Jobdatei.h"
#include "run/Lauf.h"
#include "run/Vorbereitung.h"
#include "shell/Basisformular.h"

namespace {

void StapelStarten(Basisformular& form) {
    const Fensterstil stil = form.VexloBildschirmausgabe.Wert() == 1
                                 ? Fensterstil::NormalMitFokus
                                 : Fensterstil::MinimiertOhneFokus;
    form.lauf.Prozesskennung = form.umgebung.prozesse.StapelStarten(Text(Jobdatei), stil);
}

// Ein Punkt vom Schreiben der Stapeldatei bis zu seiner Auswertung; false nach einem Abbruch.
bool PunktRechnen(Basisformular& form, int position) {
    form.lauf.AktuellerNeupunkt = form.Neupunkte.Eintrag(position);
    form.ProgressBar.SetzeWert(position + 1);
    FortschrittStarten(form);
    JobdateiSchreiben(form);
    if (!Nachgeben(form) || !Nachgeben(form))
        return false;
    StapelStarten(form);
    if (!Nachgeben(form) || !AufStapelWarten(form))
        return false;
    PunktAuswerten(form);
    return true;
}

// Auch ein gescheiterter Punkt endet so; false nach einem Abbruch.
bool PunktBeenden(Basisformular& form) {
    form.TimerAbbruch.SetzeAktiviert(false);
    return Nachgeben(form);
}

// Steht das Fenster nach dem letzten Schritt eines Laufs noch im Laufzustand, wird es hier
// freigegeben, damit kein Weg aus dem Lauf ein gesperrtes Fenster hinterlässt.
void LaufzustandBeenden(Basisformular& form) {
    if (form.EndeFrame.Caption() != u"Abbruch")
        return;
    AntennenschalterEntfernen(form);
    LaufAnhalten(form);
}

// Vorbereitung, Aufräumen und Laufwerte; false, wenn der Lauf schon hier endet.
bool LaufBeginnen(Basisformular& form) {
    if (!LaufVorbereiten(form))
        return false;
    if (!ArbeitsbereichAufraeumen(form)) {
        LaufzustandBeenden(form);
        return false;
    }
    if (form.lauf.Abgebrochen)
        return false;
    LaufwerteSetzen(form);
    return true;
}

// Die Sperre endet mit dem Berechnungsbefehl, auf welchem Weg auch immer; ein noch laufender
// Stapel hält sie selbst weiter.
struct SperreFreigeben {
    Laufdaten& lauf;
    ~SperreFreigeben() { lauf.Sperre.reset(); }
};

} // namespace

// Der einzige Fehlerfang des Laufs: jeder Laufzeitfehler geht in den Fehlerpfad, der entweder
// hinter dem Punkt in Arbeit weitermachen lässt oder den Lauf beendet.
void CommandBerechnen_Click(Basisformular& form) {
    SperreFreigeben freigeben{form.lauf};
    form.lauf.Abgebrochen = false;
    constexpr int vorDenPunkten = -1;
    int position = vorDenPunkten;
    int anzahl = 0;
    for (;;) {
        try {
            if (position == vorDenPunkten) {
                if (!LaufBeginnen(form))
                    return;
                anzahl = form.Neupunkte.Anzahl();
                position = 0;
            }
            for (; position < anzahl; ++position)
                if (!PunktRechnen(form, position) || !PunktBeenden(form))
                    return;
            LaufAbschliessen(form);
            LaufzustandBeenden(form);
            return;
        } catch (const Laufzeitfehler& fehler) {
            const bool punktInArbeit = position >= 0 && position < anzahl;
            const bool weiter = Fehlerpfad(form, fehler, punktInArbeit);
            if (form.lauf.Abgebrochen)
                return;
            if (!weiter) {
                LaufzustandBeenden(form);
                return;
            }
            if (!PunktBeenden(form))
                return;
            ++position;
        }
    }
}
