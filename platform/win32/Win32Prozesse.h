#pragma once
// Prozesse auf Windows. Die Task-ID ist die Prozess-ID; die Kennung jedes gestarteten Prozesses
// bleibt offen, damit sein Exitcode auch nach dem Ende abfragbar ist und keine wiederverwendete
// ID einen fremden Prozess meint.
//
// Stapeldateien laufen als "cmd.exe /c NAME" im aktuellen Verzeichnis, mit dem Fensterstil als
// Anzeigewert der STARTUPINFO. Die gehaltenen Laufsperren erbt nur der Stapel.
#include "platform/Prozesse.h"

#include <map>

class Win32Prozesse : public Prozesse {
public:
    Win32Prozesse() = default;
    ~Win32Prozesse() override;
    Win32Prozesse(const Win32Prozesse&) = delete;
    Win32Prozesse& operator=(const Win32Prozesse&) = delete;

    int StapelStarten(const Text& stapeldatei, Fensterstil stil) override;
    int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) override;
    int Exitcode(int taskId) override;
    void WarteAufEnde(int taskId, int maxMs) override;
    Text ZugeordnetesProgramm(const Text& datei) override;
    void TexteditorOeffnen(const Text& datei) override;
    // cmd.exe liest in einer Zeile auch & | < > ^ % ! ( ) als Befehlszeichen.
    bool InStapelzeileSicher(TextSicht name) const override;

    // Ein Stapel, den kestrav-stapel startet, endet mit ihm: cmd.exe und alles, was es startet,
    // liegen in einem Auftragsobjekt, das beim Schließen seine Prozesse beendet.
    void ElternwacheSetzen(bool an);
    // Beendet den Stapel samt seiner Kinder (das Auftragsobjekt, sonst nur cmd.exe); fristMs gilt
    // für das Warten auf das Ende.
    void StapelBeenden(int taskId, int fristMs);

private:
    int Starten(const Text& befehlszeile, Fensterstil stil, bool stapel);

    std::map<int, void*> prozesse_; // Task-ID -> Prozesskennung
    void* auftrag_ = nullptr;       // Auftragsobjekt der Stapel, solange die Elternwache gilt
};
