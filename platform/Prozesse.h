#pragma once
#include "platform/Text.h"

enum class Fensterstil { NormalMitFokus, MinimiertOhneFokus, MaximiertMitFokus };

// Den Wert meldet die Abfrage des Exitcodes, solange ein Prozess läuft.
inline constexpr int NOCH_AKTIV = 259;

class Prozesse {
public:
    virtual ~Prozesse() = default;

    // Startet die Stapeldatei (Name relativ zum aktuellen Verzeichnis) über den Befehlsinterpreter
    // und gibt die Task-ID zurück; Laufzeitfehler, wenn der Start misslingt.
    virtual int StapelStarten(const Text& stapeldatei, Fensterstil stil) = 0;
    // Startet ein Programm mit einer Befehlszeile "Programm Argumente" ohne zu warten.
    // Windows-Pfade in den Argumenten bildet die Plattform ab.
    virtual int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) = 0;
    // Exitcode; NOCH_AKTIV solange der Prozess läuft; ein verschwundener Prozess liefert etwas
    // anderes.
    virtual int Exitcode(int taskId) = 0;
    // Wartet höchstens maxMs, kehrt früher zurück, wenn der Prozess endet.
    virtual void WarteAufEnde(int taskId, int maxMs) = 0;
    // Programm, das das System der Datei zuordnet ("" wenn keines), wie FindExecutable.
    virtual Text ZugeordnetesProgramm(const Text& datei) = 0;
    // Öffnet eine Textdatei im Editor des Systems, ohne zu warten (Windows: notepad).
    virtual void TexteditorOeffnen(const Text& datei) = 0;
    // Darf der Dateiname in einer Zeile der Stapeldatei stehen, ohne dass der Befehlsinterpreter
    // daraus einen weiteren Befehl macht? Überall nicht mit einem Steuerzeichen (unter 0x20, 0x7F);
    // cmd.exe liest zusätzlich & | < > ^ % ! ( ).
    virtual bool InStapelzeileSicher(TextSicht name) const {
        for (char16_t z : name)
            if (z < 0x20 || z == 0x7F)
                return false;
        return true;
    }
};
