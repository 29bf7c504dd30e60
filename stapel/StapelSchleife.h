#pragma once
#include "platform/Ereignisschleife.h"

#include <chrono>
#include <functional>
#include <vector>

// Ereignisschleife ohne Fenster: Zeitgeber ticken nach der echten Uhr, wenn Ereignisse() läuft.
class StapelSchleife : public Ereignisschleife {
public:
    void Ereignisse() override;
    void Schlafen(int ms) override;
    void ZeitgeberAnmelden(Zeitgeber& zeitgeber) override;
    // Läuft bei jedem Nachgeben vor den Zeitgebern (Signale, Zeitlimit).
    std::function<void()> beiEreignissen;

private:
    using Uhr = std::chrono::steady_clock;
    struct Eintrag {
        Zeitgeber* zeitgeber;
        Uhr::time_point faellig;
        bool an;
    };
    std::vector<Eintrag> zeitgeber_;
};
