#pragma once
#include "platform/Text.h"

#include <functional>
#include <vector>

// Dateidienst der Logik. Alle Pfade in Windows-Form ("c:\programme\vexlo\bo2.exe",
// "_ergebnis_x.mini" relativ zum aktuellen Verzeichnis). Inhalte werden als Windows-1252 gelesen
// und geschrieben. Fehler werfen Laufzeitfehler mit der Nummer der Fehlertabelle.
class Dateisystem {
public:
    virtual ~Dateisystem() = default;

    // Gewöhnliche Datei vorhanden und zugänglich (auch versteckte). Wirft nie.
    virtual bool Existiert(const Text& pfad) = 0;
    // Ganzer Inhalt, jedes Byte ein Zeichen, Zeilenenden eingeschlossen.
    virtual Text Lesen(const Text& pfad) = 0;
    // Zeile für Zeile, ohne den ganzen Inhalt zu halten: CR LF oder ein einzelnes CR beenden eine
    // Zeile, ein einzelnes LF bleibt im Zeilentext. jeZeile gibt false zurück, um aufzuhören.
    virtual void ZeilenLesen(const Text& pfad, const std::function<bool(const Text&)>& jeZeile) = 0;
    // Dieselben Zeilen in Stücken: jeStueck(stück, zeilenende) bekommt jede Zeile in einem oder
    // mehreren Stücken, das letzte mit zeilenende=true (eine leere Zeile ist ein leeres Stück).
    // So muss eine Suche keine riesige Zeile halten (eine Datei ohne CR ist eine einzige Zeile).
    // Die Vorgabe reicht ganze Zeilen weiter; false hört auf.
    virtual void ZeilenstueckeLesen(const Text& pfad,
                                    const std::function<bool(TextSicht, bool)>& jeStueck) {
        ZeilenLesen(pfad, [&](const Text& zeile) { return jeStueck(zeile, true); });
    }
    // Schreibt den Text genau so (Zeilenenden setzt der Aufrufer); anhaengen=false legt an/leert.
    virtual void Schreiben(const Text& pfad, const Text& inhalt, bool anhaengen) = 0;
    // Ersetzt den Inhalt so, dass nie eine halbe Datei bleibt (temporäre Datei, dann Umbenennen).
    virtual void SicherErsetzen(const Text& pfad, const Text& inhalt) = 0;
    // Name oder Muster mit * und ?: löscht alle passenden gewöhnlichen Dateien; 53 wenn keine
    // passt.
    virtual void Loeschen(const Text& pfadOderMuster) = 0;
    // 58, wenn das Ziel schon existiert; 53, wenn die Quelle fehlt.
    virtual void Umbenennen(const Text& alt, const Text& neu) = 0;
    // Namen (ohne Verzeichnis) der gewöhnlichen, nicht versteckten Dateien, die zum Muster der
    // letzten Pfadkomponente passen, sortiert wie ein NTFS-Verzeichnis (Großformen verglichen,
    // siehe NtfsVorher: "npa", "NPB", "np^", "np_").
    // Ein fehlendes Verzeichnis ergibt eine leere Liste.
    virtual std::vector<Text> Auflisten(const Text& pfadMitMuster) = 0;

    // Aktuelles Verzeichnis des aktuellen Laufwerks, z.B. "z:\home\u" (ohne "\" am Ende, außer
    // "c:\").
    virtual Text AktuellesVerzeichnis() = 0;
    // "d:" oder "d:\irgendwas": macht das Laufwerk zum aktuellen; 68, wenn es nicht zugeordnet ist.
    virtual void LaufwerkWechseln(const Text& laufwerk) = 0;
    // Setzt das aktuelle Verzeichnis seines Laufwerks (nicht das aktuelle Laufwerk) und, wenn es
    // das aktuelle Laufwerk ist, auch das Arbeitsverzeichnis des Prozesses; 76, wenn es fehlt.
    virtual void VerzeichnisWechseln(const Text& pfad) = 0;
    // Schließt alle noch offenen Dateien (Abbruch und Fehlerpfad).
    virtual void AlleSchliessen() = 0;

    // Host-Pfad (Dateidialog, Befehlszeile) in Windows-Form: längste passende Laufwerkswurzel,
    // sonst Z:.
    virtual Text AusHostpfad(const Text& hostpfad) = 0;
    // Windows-Pfad auf den Host abgebildet (Groß-/Kleinschreibung der Komponenten aufgelöst).
    virtual Text NachHostpfad(const Text& pfad) = 0;

protected:
    // Für Dienste, die in Stücken lesen: setzt die Stücke jeder Zeile wieder zusammen.
    void ZeilenAusStueckenLesen(const Text& pfad, const std::function<bool(const Text&)>& jeZeile) {
        Text zeile;
        ZeilenstueckeLesen(pfad, [&](TextSicht stueck, bool zeilenende) {
            zeile.append(stueck);
            if (!zeilenende)
                return true;
            bool weiter = jeZeile(zeile);
            zeile.clear();
            return weiter;
        });
    }
};
