#pragma once
#include "platform/Prozesse.h"

#include <chrono>

// Ohne Bildschirm läuft der Rechenkern immer ohne Fenster, und der Editor öffnet sich nur auf
// Wunsch; alles andere reicht der Dienst an die Plattform weiter.
class StapelProzesse : public Prozesse {
public:
    StapelProzesse(Prozesse& plattform, bool editorOeffnen)
        : plattform_(plattform), editorOeffnen_(editorOeffnen) {}

    int StapelStarten(const Text& stapeldatei, Fensterstil) override {
        stapel_ = plattform_.StapelStarten(stapeldatei, Fensterstil::MinimiertOhneFokus);
        beginn_ = std::chrono::steady_clock::now();
        return stapel_;
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
    bool InStapelzeileSicher(TextSicht name) const override {
        return plattform_.InStapelzeileSicher(name);
    }

    // Der zuletzt gestartete Stapel (0: keiner) und wie lange er schon läuft.
    int Stapel() const { return stapel_; }
    std::chrono::steady_clock::duration StapelDauer() const {
        return std::chrono::steady_clock::now() - beginn_;
    }

private:
    int stapel_ = 0;
    std::chrono::steady_clock::time_point beginn_;
    Prozesse& plattform_;
    bool editorOeffnen_;
};
