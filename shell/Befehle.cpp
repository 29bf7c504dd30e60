#include "shell/Befehle.h"

#include "platform/Laufzeitfehler.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"
#include "shell/Einstellungen.h"
#include "shell/Verdrahtung.h"

namespace {

constexpr char16_t Titel[] = u"Kestrav";

void EinstellungenSichern(Basisformular& form) {
    try {
        EinstellungenSpeichern(form);
    } catch (const Laufzeitfehler& fehler) {
        // Das Programm endet trotzdem; der Benutzer soll nur wissen, was nicht gesichert ist.
        form.umgebung.dialoge.Zeigen(EinstellungenFehlermeldung(form, fehler));
    }
}

void BetrachterStarten(Prozesse& prozesse, const Text& datei, const Text& argumente) {
    const Text programm = FindeBetrachter(prozesse, datei);
    if (!programm.empty())
        prozesse.ProgrammStarten(programm, argumente, Fensterstil::MaximiertMitFokus);
}

// Die feste Adresse der Hilfe; liegt dort keine Seite (jede Installation außer der unter
// Windows in genau diesem Ordner), die mitgelieferte neben dem Programm.
Text HilfeAdresse(Dateisystem& datei, const Sitzungszustand& z, bool breit64) {
    const Text fest = breit64 ? u"C:/Program Files (x86)/Kestrav/KestravHilfe.htm"
                              : u"C:/Programme/Kestrav/KestravHilfe.htm";
    if (!datei.Existiert(fest))
        return u"\"file://" + z.Programmverzeichnis + u"KestravHilfe.htm\"";
    return breit64 ? u"\"file://" + fest + u"\"" : u"file://" + fest;
}

} // namespace

Text FindeBetrachter(Prozesse& prozesse, const Text& Datei) {
    Text ergebnis;
    try {
        ergebnis = prozesse.ZugeordnetesProgramm(Datei);
    } catch (const Laufzeitfehler&) {
        return Text();
    }
    // Der Puffer der Plattform endet am ersten NUL.
    if (auto nul = ergebnis.find(u'\0'); nul != Text::npos)
        ergebnis.resize(nul);
    if (GleichOhneGross(ergebnis, Datei))
        return Text();
    return ergebnis;
}

bool BeendenBestaetigen(Basisformular& form) {
    return form.umgebung.dialoge.Zeigen(Meldung{u"Wollen Sie Kestrav jetzt wirklich beenden?",
                                                Titel, Knoepfe::JaNein, Symbol::Frage}) ==
           Antwort::Ja;
}

void EndeMenü_Click(Basisformular& form) {
    if (!form.zustand.BeendenBestätigt && !BeendenBestaetigen(form))
        return;
    EinstellungenSichern(form);
    form.umgebung.programm.SofortBeenden();
}

void EndeFrame_Click(Basisformular& form) {
    form.umgebung.programm.ZeigerSetzen(Mauszeiger::Standard);
    form.ProgressBar.SetzeWert(0);
    // Die Beschriftung ist das einzige Zeichen dafür, dass ein Lauf im Gange ist.
    if (form.EndeFrame.Caption() == u"Abbruch")
        LaufAbbrechen(form);
    else
        EndeMenü_Click(form);
}

void Info_Click(Basisformular& form) {
    form.umgebung.dialoge.Zeigen(
        Meldung{u"Oberfläche " + Trimmen(form.fenster.Caption()) +
                    u"\n\nHaben Sie Fragen oder Hinweise? Bitte wenden Sie sich an den Autor!",
                Titel, Knoepfe::OK, Symbol::Information});
}

void QelHilfeMenü_Click(Basisformular& form) {
    const Sitzungszustand& z = form.zustand;
    Text handbuch;
    if (z.Versionskennung == u"1")
        handbuch = z.VexloVerzeichnis + u"Qel-Manual.pdf";
    else if (z.Versionskennung == u"2")
        handbuch = z.VexloVerzeichnis + u"Vexlo_UG_2.pdf";
    else
        return;
    Prozesse& prozesse = form.umgebung.prozesse;
    const Text programm =
        form.umgebung.datei.Existiert(handbuch) ? FindeBetrachter(prozesse, handbuch) : Text();
    if (programm.empty()) {
        form.umgebung.dialoge.Zeigen(Meldung{u"Viewer nicht eingerichtet!", Titel});
        return;
    }
    prozesse.ProgrammStarten(programm, handbuch, Fensterstil::MaximiertMitFokus);
}

void KestravHilfeMenü_Click(Basisformular& form) {
    const Sitzungszustand& z = form.zustand;
    const bool breit64 = z.Systembreite == u"64Bit";
    if (!breit64 && z.Systembreite != u"32Bit")
        return;
    // Die Hilfe ist Beiwerk: was hier scheitert, bleibt ohne Meldung.
    try {
        Prozesse& prozesse = form.umgebung.prozesse;
        if (form.umgebung.datei.Existiert(u"m:/Kestrav/KestravHilfe.html"))
            BetrachterStarten(prozesse, u"m:/Kestrav/KestravHilfe.htm",
                              u"file://m:/Kestrav/KestravHilfe.htm");
        else
            BetrachterStarten(prozesse, z.Programmverzeichnis + u"KestravHilfe.htm",
                              HilfeAdresse(form.umgebung.datei, z, breit64));
    } catch (...) {
    }
}

bool Schliesswunsch(Basisformular& form) {
    form.zustand.BeendenBestätigt = false;
    if (!BeendenBestaetigen(form))
        return true;
    form.zustand.BeendenBestätigt = true;
    EndeMenü_Click(form);
    return false;
}

void VerdrahteShell(Basisformular& form) {
    form.KestravHilfeMenü.beiKlick = [&form] { KestravHilfeMenü_Click(form); };
    form.QelHilfeMenü.beiKlick = [&form] { QelHilfeMenü_Click(form); };
    form.Info.beiKlick = [&form] { Info_Click(form); };
    form.EndeMenü.beiKlick = [&form] { EndeMenü_Click(form); };
    form.EndeFrame.beiKlick = [&form] { EndeFrame_Click(form); };
    form.fenster.beiSchliesswunsch = [&form] { return Schliesswunsch(form); };
    // Geht das Fenster aus anderem Grund zu (Sitzungsende, Ende von außen), endet das Programm
    // ohne Frage und ohne Speichern. Nach bestätigtem Beenden ist es schon beendet.
    form.fenster.Beobachten([&form, warAngezeigt = form.fenster.Angezeigt()]() mutable {
        const bool angezeigt = form.fenster.Angezeigt();
        const bool geschlossen = warAngezeigt && !angezeigt;
        warAngezeigt = angezeigt;
        if (geschlossen && !form.zustand.BeendenBestätigt)
            form.umgebung.programm.SofortBeenden();
    });
}
