#pragma once
// Prozesse auf POSIX-Hosts. Die Task-ID ist die Prozessnummer.
//
// Stapeldateien laufen als "kestrav-cmd /c NAME" im aktuellen Verzeichnis; kestrav-cmd liegt neben
// dem laufenden Programm (KESTRAV_CMD setzt einen anderen Pfad). Ein sichtbares Fenster ist ein
// Terminal, das bis zum Ende seines Befehls im Vordergrund bleibt: "xterm -e" oder
// KESTRAV_TERMINAL (ein einzelner Programmname bekommt "-e" angehängt, mehrere Wörter gelten als
// vollständiger Vorspann). Ohne Anzeige (DISPLAY, WAYLAND_DISPLAY) läuft der Stapel ohne Terminal.
// Textdateien zeigt kestrav-anzeige neben dem Programm (KESTRAV_ANZEIGE setzt einen anderen Pfad),
// sonst xdg-open; zugeordnete Programme findet xdg-mime.
#include "platform/Prozesse.h"
#include "platform/posix/Laufwerke.h"

#include <map>
#include <string>
#include <vector>

class PosixProzesse : public Prozesse {
public:
    explicit PosixProzesse(Laufwerke laufwerke = Laufwerke::AusUmgebung());

    int StapelStarten(const Text& stapeldatei, Fensterstil stil) override;
    int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) override;
    int Exitcode(int taskId) override;
    void WarteAufEnde(int taskId, int maxMs) override;
    Text ZugeordnetesProgramm(const Text& datei) override;
    void TexteditorOeffnen(const Text& datei) override;

    // Ein Stapel, den kestrav-stapel startet, endet mit ihm: kestrav-cmd bekommt "--elternwache".
    void ElternwacheSetzen(bool an) { elternwache_ = an; }
    // Beendet die Prozessgruppe des Stapels (SIGTERM, nach fristMs SIGKILL) und sammelt ihn ein.
    void StapelBeenden(int taskId, int fristMs);

    // Ersatz, wenn der Kern kein pidfd kennt: kurze Schlafschritte bis maxMs oder zum Ende.
    void WarteAufEndeInSchritten(int taskId, int maxMs);

private:
    // Host-Pfad einer Datei in Windows-Form (relativ zum aktuellen Verzeichnis).
    std::string NachHost(const Text& pfad) const;
    // Argumente wie Windows sie trennt; Laufwerkspfade und file://-Adressen auf Laufwerken
    // werden Host-Pfade.
    std::vector<std::string> ArgumenteAbbilden(const Text& argumente) const;
    // Vermerkt den Exitcode, wenn das eigene Kind beendet ist; true, wenn es nicht mehr läuft.
    bool Einsammeln(int pid);

    Laufwerke laufwerke_;
    std::map<int, int> exitcodes_; // eingesammelte Kinder
    bool elternwache_ = false;
};

// Vorspann für das sichtbare Fenster aus KESTRAV_TERMINAL ("" = xterm).
std::vector<std::string> TerminalVorspann(const std::string& einstellung);
