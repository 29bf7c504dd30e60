#pragma once
#include "platform/Prozesse.h"

#include <chrono>
#include <functional>
#include <string>

// Ohne Bildschirm läuft der Rechenkern immer ohne Fenster, und der Editor öffnet sich nur auf
// Wunsch; alles andere reicht der Dienst an die Plattform weiter. Die Standardausgabe gehört den
// Meldungen: was die Engine (und "pause") ausgibt, landet im Protokoll neben den Ergebnissen,
// das der Lauf zu Beginn leert, oder ohne Protokollnamen nirgends.
class StapelProzesse : public Prozesse {
public:
    StapelProzesse(Prozesse& plattform, bool editorOeffnen)
        : plattform_(plattform), editorOeffnen_(editorOeffnen) {}

    // Hostname des Engine-Protokolls relativ zum aktuellen Verzeichnis; "" heißt nirgends.
    void EngineprotokollNach(std::function<std::string()> name) { protokoll_ = std::move(name); }

    int StapelStarten(const Text& stapeldatei, Fensterstil) override;
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
    std::function<std::string()> protokoll_;
    bool protokollBegonnen_ = false;
};
