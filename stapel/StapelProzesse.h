#pragma once
#include "platform/Prozesse.h"

// Ohne Bildschirm läuft der Rechenkern immer ohne Fenster, und der Editor öffnet sich nur auf
// Wunsch; alles andere reicht der Dienst an die Plattform weiter.
class StapelProzesse : public Prozesse {
public:
    StapelProzesse(Prozesse& plattform, bool editorOeffnen)
        : plattform_(plattform), editorOeffnen_(editorOeffnen) {}

    int StapelStarten(const Text& stapeldatei, Fensterstil) override {
        return plattform_.StapelStarten(stapeldatei, Fensterstil::MinimiertOhneFokus);
    }
    int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) override {
        return plattform_.ProgrammStarten(programm, argumente, stil);
    }
    int Exitcode(int taskId) override { return plattform_.Exitcode(taskId); }
    void WarteAufEnde(int taskId, int maxMs) override { plattform_.WarteAufEnde(taskId, maxMs); }
    Text ZugeordnetesProgramm(const Text& datei) override {
        return plattform_.ZugeordnetesProgramm(datei);
    }
    void TexteditorOeffnen(const Text& datei) override;

private:
    Prozesse& plattform_;
    bool editorOeffnen_;
};
