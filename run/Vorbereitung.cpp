#include "run/Vorbereitung.h"

#include "run/Antennenschalter.h"
#include "run/Antex.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

namespace {

void FensterSperren(Basisformular& form) {
    form.RegisterkarteKestrav.SetzeReiter(0);
    form.RegisterkarteKestrav.SetzeAktiviert(false);
    form.EndeFrame.SetzeCaption(u"Abbruch");
    form.cmdBerechnen.SetzeAktiviert(false);
    form.CommandBerechnen.SetzeAktiviert(false);
    form.KestravHilfeMenü.SetzeAktiviert(false);
    form.QelHilfeMenü.SetzeAktiviert(false);
    form.Info.SetzeAktiviert(false);
}

// Ein zweiter Lauf im selben Verzeichnis (ein anderes Fenster, kestrav-stapel oder der Stapel
// eines abgebrochenen Laufs) vermischte seine Dateien mit denen des ersten.
bool VerzeichnisSperren(Basisformular& form) {
    Umgebung& u = form.umgebung;
    form.lauf.Sperre = u.sperren.Nehmen(u.datei.AktuellesVerzeichnis());
    if (form.lauf.Sperre)
        return true;
    u.dialoge.Zeigen({Text(LaufsperreText), u"Kestrav", Knoepfe::OK, Symbol::Ausrufezeichen, 1});
    return false;
}

bool Ueberschreiben(Basisformular& form) {
    return form.umgebung.dialoge.Zeigen({u"Alle Ergebnisdateien werden jetzt überschrieben!   ",
                                         u"Vexlo Neuberechnung", Knoepfe::JaNein, Symbol::Frage,
                                         1}) == Antwort::Ja;
}

void VersionAblehnen(Basisformular& form) {
    form.umgebung.dialoge.Zeigen({u"Die Vexlo-Version <" + form.zustand.Versionskennung +
                                      u"> wird nicht unterstützt!\nErlaubt sind 1 und 2.",
                                  u"Kestrav", Knoepfe::OK, Symbol::Ausrufezeichen, 1});
}

bool OhneKorrekturRechnen(Basisformular& form) {
    return form.umgebung.dialoge.Zeigen(
               {u"Die Korrektur der Antennenphasenzentren wurde nicht ausgelöst!\n"
                u"Bitte beachten Sie, daß bei unterschiedlich genutzten Antenntypen,\n"
                u"Korrekturen der Antennenphasenzentren angebracht werden müssen!\n"
                u"Berechnung trotzdem starten ?",
                u"Vexlo Neuberechnung", Knoepfe::JaNein, Symbol::Frage, 2}) == Antwort::Ja;
}

bool OhneAntexdatenRechnen(Basisformular& form) {
    return form.umgebung.dialoge.Zeigen(
               {u"ANTEX-Antennendaten wurden nicht im Arbeitsverzeichnis vorgefunden.\n"
                u"Es wird ohne Korrektur der Antennenphasenzentren gerechnet.\n"
                u"Dadurch sind Ungenauigkeiten in der Lage unter 1cm und bis zu einigen cm in "
                u"der Höhe möglich!\n"
                u"Berechnung starten?",
                u"Korrektur Antennenphasenzentren", Knoepfe::JaNein, Symbol::Frage, 2}) ==
           Antwort::Ja;
}

// Die mitgelieferte antex.atx gelangt ins Arbeitsverzeichnis, wenn dort keine liegt; die Kopie
// bleibt, wie auch immer der Benutzer danach antwortet.
void MitgelieferteAntexKopieren(Basisformular& form) {
    Dateisystem& ds = form.umgebung.datei;
    const Text quelle = form.zustand.Programmverzeichnis + u"antex.atx";
    const Text ziel = form.zustand.Arbeitsverzeichnis + u"antex.atx";
    if (DateiExistiert(ds, quelle) && !DateiExistiert(ds, ziel))
        DateiSchreiben(ds, ziel, DateiLesen(ds, quelle));
}

void SchalterAnhaengenWennFehlt(TextFeld& feld, const Text& schalter) {
    if (!Enthaelt(feld.Wert(), schalter))
        feld.SetzeText(feld.Wert() + schalter);
}

// false: der Benutzer hat abgelehnt oder der Lauf wurde beim Sammeln abgebrochen.
bool AntennenEntscheiden(Basisformular& form) {
    Kontrollkaestchen& korrektur = form.QelKorrAntenne;
    if (korrektur.Wert() == 0) {
        if (!OhneKorrekturRechnen(form))
            return false;
        AntennenschalterEntfernen(form);
        return true;
    }

    MitgelieferteAntexKopieren(form);
    const bool antexVorhanden = !form.umgebung.datei.Auflisten(u"*.atx").empty();
    if (!antexVorhanden && korrektur.Wert() == 1) {
        if (!OhneAntexdatenRechnen(form))
            return false;
        AntennenschalterEntfernen(form);
        // Die Regel des Kästchens hängt " -A" an; auch spätere Läufe rechnen ohne Korrektur.
        korrektur.SetzeWert(0);
    } else if (antexVorhanden && korrektur.Wert() == 1) {
        AntexDateienSammeln(form);
        // Der Abbruch hat die Schalter schon entfernt; sie dürfen nicht zurückkommen.
        if (form.lauf.Abgebrochen)
            return false;
        korrektur.SetzeWert(1);
        SchalterAnhaengenWennFehlt(form.QelWeitereParameter, QelAntennenschalter(form.zustand));
        SchalterAnhaengenWennFehlt(form.BoWeitereParameter, BoAntennenschalter(form.zustand));
    }
    return true;
}

} // namespace

Text TageskennungAus(const Text& beobachtungstag) {
    Text kennung = Trimmen(beobachtungstag);
    return kennung.empty() ? Text(u"xxxx") : kennung;
}

bool VersionUnterstuetzt(const Text& versionskennung) {
    return versionskennung == u"1" || versionskennung == u"2";
}

void LaufAnhalten(Basisformular& form) {
    form.bitteWarten.fenster.Schliessen();
    FensterFreigeben(form);
}

bool LaufVorbereiten(Basisformular& form) {
    FensterSperren(form);
    if (!VerzeichnisSperren(form) || !Ueberschreiben(form)) {
        LaufAnhalten(form);
        return false;
    }
    // Ohne Aufrufworte für die Version entstünde eine Jobdatei ohne Engine-Aufrufe.
    if (!VersionUnterstuetzt(form.zustand.Versionskennung)) {
        VersionAblehnen(form);
        LaufAnhalten(form);
        return false;
    }
    if (!AntennenEntscheiden(form)) {
        if (!form.lauf.Abgebrochen)
            LaufAnhalten(form);
        return false;
    }

    form.bitteWarten.fenster.Zeigen();
    form.FrameBenutzereinstellungen.SetzeAktiviert(false);
    form.FrameFehler.SetzeAktiviert(false);
    form.lauf.Tageskennung = TageskennungAus(form.Beobachtungstag.Wert());
    return true;
}

void FensterFreigeben(Basisformular& form) {
    form.FrameBenutzereinstellungen.SetzeAktiviert(true);
    form.FrameFehler.SetzeAktiviert(true);
    form.ProgressBar.SetzeWert(0);
    form.TimerAbbruch.SetzeAktiviert(false);
    form.EndeMenü.SetzeCaption(u"Ende");
    form.EndeFrame.SetzeCaption(u"Ende");
    form.RegisterkarteKestrav.SetzeAktiviert(true);
    form.cmdBerechnen.SetzeAktiviert(true);
    form.CommandBerechnen.SetzeAktiviert(true);
    form.KestravHilfeMenü.SetzeAktiviert(true);
    form.QelHilfeMenü.SetzeAktiviert(true);
    form.Info.SetzeAktiviert(true);
}
