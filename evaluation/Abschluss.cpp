#include "evaluation/Abschluss.h"

#include "evaluation/Auswertung.h"
#include "run/Antennenschalter.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"
#include "shell/Fehlerbericht.h"
#include "station/modKestrav.h"

namespace {

constexpr TextSicht kKeineGleichzeitigkeit = u"VEXLO-error: no simultaneous observations";
constexpr int kWarnungsgrenze = 30000;

void LoeschenWennVorhanden(Dateisystem& ds, const Text& muster) {
    if (!ds.Auflisten(muster).empty())
        ds.Loeschen(muster);
}

Text Fehlerdateitext(Dateisystem& ds) {
    Text text;
    for (const Text& name : ds.Auflisten(u"*.err")) {
        ds.ZeilenLesen(name, [&](const Text& zeile) {
            text += u"\n" + Trimmen(zeile);
            return true;
        });
    }
    return text;
}

void EditorOeffnenWenn(Basisformular& form, const Kontrollkaestchen& schalter) {
    if (schalter.Wert() == 1)
        form.umgebung.prozesse.TexteditorOeffnen(Minidatei(form));
}

} // namespace

Abschlussmeldung AbschlussmeldungFuer(int neupunkte, int warnungen, const Text& minidatei) {
    if (warnungen <= 0)
        return {ZahlText(neupunkte) + u" Neupunktkoordinaten ohne Warnungen berechnet!",
                u"Kestrav"};
    return {ZahlText(neupunkte) + u" Neupunktkoordinaten mit " + ZahlText(warnungen) +
                u" Warnungen berechnet!\nSiehe Datei <" + minidatei + u">!",
            u"Achtung Warnungen!"};
}

void LaufAbschliessen(Basisformular& form) {
    form.TimerAbbruch.SetzeAktiviert(false);
    const Text mini = Minidatei(form);
    form.bitteWarten.fenster.Schliessen();

    const int warnungen = form.zustand.Warnungsanzahl;
    const Abschlussmeldung meldung = AbschlussmeldungFuer(form.Neupunkte.Anzahl(), warnungen, mini);
    form.umgebung.dialoge.Zeigen(
        Meldung{meldung.text, meldung.titel, Knoepfe::OK, Symbol::Information, 1});
    EditorOeffnenWenn(form, warnungen <= 0 ? form.ErgebnisAnzeigen : form.FehlerAnzeigen);

    AntennenschalterEntfernen(form);
    Dateisystem& ds = form.umgebung.datei;
    LoeschenWennVorhanden(ds, u"_ergebnis_" + Tagescode(form) + u"0.erg");
    LoeschenWennVorhanden(ds, u"Kestrav.bat");
    if (DateiExistiert(ds, form.zustand.AntexSammeldatei))
        ds.Loeschen(form.zustand.AntexSammeldatei);
    LoeschenWennVorhanden(ds, u"virt*.*");
    FensterFreigeben(form);
}

namespace {

// Meldet den Fehler und beendet den Lauf.
void LaufMitFehlerBeenden(Basisformular& form, int nummer) {
    Fehlerbericht(form, nummer);
    AntennenschalterEntfernen(form);
    FensterFreigeben(form);
    form.RegisterkarteKestrav.SetzeAktiviert(true);
    form.RegisterkarteKestrav.SetzeReiter(0);
}

// Nur fehlende gleichzeitige Beobachtungen lassen den Lauf weitergehen.
bool KeineGleichzeitigkeitVermerken(Basisformular& form) {
    Dateisystem& ds = form.umgebung.datei;
    ds.AlleSchliessen();
    DateiAnhaengen(ds, Infodatei(form),
                   u"Vexlo-Fehler: no simultaneous observations für den Punkt " +
                       form.lauf.AktuellerNeupunkt + u"! Keine Berechnung möglich! ***");
    WarnungZaehlen(form);
    return form.zustand.Warnungsanzahl < kWarnungsgrenze;
}

} // namespace

bool Fehlerpfad(Basisformular& form, const Laufzeitfehler& fehler, bool punktInArbeit) {
    int nummer = fehler.nummer();
    try {
        form.umgebung.schleife.Ereignisse();
        // Vorher leeren: scheitert das Lesen, darf kein Text eines früheren Laufs gemeldet werden.
        form.zustand.Fehlerdateitext.clear();
        form.zustand.Fehlerdateitext = Fehlerdateitext(form.umgebung.datei);
        // Eine alte Fehlerdatei vor dem ersten Punkt gehört zu keinem Punkt dieses Laufs.
        if (punktInArbeit && Enthaelt(form.zustand.Fehlerdateitext, kKeineGleichzeitigkeit) &&
            KeineGleichzeitigkeitVermerken(form))
            return true;
    } catch (const Laufzeitfehler& weiterer) {
        // Ein Fehler im Fehlerpfad selbst wird gemeldet statt das Programm zu beenden.
        nummer = weiterer.nummer();
    }
    try {
        LaufMitFehlerBeenden(form, nummer);
    } catch (const Laufzeitfehler&) {
        // Das Fenster soll auch dann wieder bedienbar sein.
        FensterFreigeben(form);
    }
    return false;
}
