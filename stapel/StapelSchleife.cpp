#include "StapelSchleife.h"

#include "shell/Steuerelemente.h"

#include <thread>

void StapelSchleife::ZeitgeberAnmelden(Zeitgeber& zeitgeber) {
    zeitgeber_.push_back({&zeitgeber, Uhr::now(), zeitgeber.Aktiviert()});
    std::size_t index = zeitgeber_.size() - 1;
    zeitgeber.Beobachten([this, index] {
        Eintrag& e = zeitgeber_[index];
        bool an = e.zeitgeber->Aktiviert();
        if (an && !e.an)
            e.faellig = Uhr::now() + std::chrono::milliseconds(e.zeitgeber->Intervall());
        e.an = an;
    });
    if (zeitgeber.Aktiviert())
        zeitgeber_[index].faellig = Uhr::now() + std::chrono::milliseconds(zeitgeber.Intervall());
}

void StapelSchleife::Ereignisse() {
    if (beiEreignissen)
        beiEreignissen();
    const auto jetzt = Uhr::now();
    for (std::size_t i = 0; i < zeitgeber_.size(); ++i) {
        Eintrag& e = zeitgeber_[i];
        if (!e.an || jetzt < e.faellig)
            continue;
        // Wie ein Fenster-Zeitgeber: versäumte Ticks fallen zusammen.
        e.faellig = jetzt + std::chrono::milliseconds(std::max(1, e.zeitgeber->Intervall()));
        e.zeitgeber->Ticken();
    }
}

void StapelSchleife::Schlafen(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
