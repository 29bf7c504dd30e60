// Fehlerpfad des Laufs mit beliebigen Fehlerdateien der Engine: jede Zeile jeder "*.err" kommt
// getrimmt hinter einem LF in den Fehlerdateitext; mit "VEXLO-error: no simultaneous observations"
// geht der Lauf mit einer Zeile in der Infodatei weiter, sonst meldet die Fehlerbox den Fehler mit
// diesem Text, und das Fenster ist danach frei.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "Zeilenmodell.h"
#include "hilfen/Attrappen.h"
#include "platform/Laufzeitfehler.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"

#include <string>
#include <vector>

namespace {

constexpr TextSicht Marke = u"VEXLO-error: no simultaneous observations";
const Text Anforderung =
    u"Bitte alle Dateien schließen, Daten bereinigen und die Berechnung neu starten!";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    laufwerk.Arbeitsverzeichnis();

    // Bis zu vier Fehlerdateien, dazu eine Datei, die keine ist.
    const std::size_t dateien = eingabe.Byte() % 5;
    Text erwartet;
    for (std::size_t i = 0; i < dateien; ++i) {
        const std::string_view bytes = eingabe.Stueck();
        laufwerk.Ablegen("q" + std::to_string(i) + ".err", bytes);
        for (const Text& zeile : ModellZeilen(AusWindows1252(bytes)))
            erwartet += u"\n" + Trimmen(zeile);
    }
    laufwerk.Ablegen("qellog.txt", eingabe.Rest());

    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programm;
    AttrappeSysteminfo system;
    // Ohne Laufwerke: Papierkorb und Sperren werden hier nie gebraucht.
    PosixPapierkorb papierkorb{Laufwerke{}, ""};
    PosixSperren sperren{Laufwerke{}};
    Umgebung umgebung{laufwerk.Dateien(), prozesse, schleife,   dialoge,
                      programm,           system,   papierkorb, sperren};
    Basisformular form(umgebung);
    form.lauf.AktuellerNeupunkt = u"np012830.23o";
    form.lauf.Tageskennung = u"283*";
    form.EndeFrame.SetzeCaption(u"Abbruch");
    form.CommandBerechnen.SetzeAktiviert(false);

    const bool weiter = Fehlerpfad(form, Laufzeitfehler(57), true);
    Pruefen(form.zustand.Fehlerdateitext == erwartet, "jede Zeile getrimmt hinter einem LF");

    if (Enthaelt(erwartet, Marke)) {
        Pruefen(weiter && dialoge.protokoll.empty(), "ohne gleichzeitige Beobachtungen weiter");
        Pruefen(laufwerk.Dateien().Lesen(u"c:\\_ergebnis_2830.info") ==
                    u"Vexlo-Fehler: no simultaneous observations für den Punkt np012830.23o! "
                    u"Keine Berechnung möglich! ***\r\n",
                "eine Zeile in der Infodatei");
        Pruefen(form.zustand.Warnungsanzahl == 1, "eine Warnung");
        return 0;
    }
    Text text = u"Fehlerart: [Fehler beim Lesen von/Schreiben auf Gerät]!\n\n" + Anforderung;
    if (!Trimmen(erwartet).empty())
        text += u"\n\nVexlo-Fehler:" + erwartet;
    Pruefen(!weiter && dialoge.protokoll.size() == 1, "genau eine Fehlerbox");
    Pruefen(dialoge.protokoll[0].meldung.titel == u"Achtung Fehler!" &&
                dialoge.protokoll[0].meldung.text == text,
            "Fehlerbox mit Beschreibung und den Zeilen der Fehlerdateien");
    Pruefen(form.EndeFrame.Caption() == u"Ende" && form.CommandBerechnen.Aktiviert() &&
                form.FrameBenutzereinstellungen.Aktiviert() && form.FrameFehler.Aktiviert(),
            "Fenster frei");
    return 0;
}
