#include "Abbruchwache.h"

#include "shell/Basisformular.h"

#include <csignal>

namespace {

volatile sig_atomic_t empfangen = 0;

void SignalMerken(int signal) {
    empfangen = signal;
}

// So lange darf der Rechenkern nach SIGTERM noch aufräumen, dann folgt SIGKILL.
constexpr int FRIST_MS = 2000;

} // namespace

Abbruchwache::Abbruchwache(Basisformular& form, StapelProzesse& stapel,
                           Plattformprozesse& plattform, long zeitlimit, std::ostream& fehler)
    : form_(form), stapel_(stapel), plattform_(plattform), zeitlimit_(zeitlimit), fehler_(fehler) {
#ifdef _WIN32
    // Strg+C und Strg+Untbr der Konsole; SIGTERM kennt Windows nur dem Namen nach.
    for (int signal : {SIGINT, SIGBREAK, SIGTERM})
        std::signal(signal, SignalMerken);
#else
    struct sigaction aktion {};
    aktion.sa_handler = SignalMerken;
    for (int signal : {SIGINT, SIGTERM})
        sigaction(signal, &aktion, nullptr);
#endif
}

void Abbruchwache::Pruefen() {
    if (abgebrochen_)
        return;
    if (empfangen != 0) {
        Abbrechen(std::string("Der Lauf wurde durch das Signal ") +
                  (empfangen == SIGINT ? "SIGINT" : "SIGTERM") + " abgebrochen.");
        return;
    }
    const int stapel = stapel_.Stapel();
    if (zeitlimit_ > 0 && stapel > 0 && stapel_.StapelDauer() > std::chrono::seconds(zeitlimit_) &&
        plattform_.Exitcode(stapel) == NOCH_AKTIV)
        Abbrechen("Der Punkt " + NachUtf8(form_.lauf.AktuellerNeupunkt) +
                  " rechnet länger als das Zeitlimit von " + std::to_string(zeitlimit_) +
                  " s; der Lauf wurde abgebrochen.");
}

// Erst der Rechenkern, damit er nichts mehr schreibt, während der Abbruch aufräumt; dann die
// Schritte des Knopfes "Abbruch", wenn ein Lauf im Gange ist.
void Abbruchwache::Abbrechen(const std::string& grund) {
    abgebrochen_ = true;
    fehler_ << "kestrav-stapel: " << grund << "\n" << std::flush;
    plattform_.StapelBeenden(stapel_.Stapel(), FRIST_MS);
    if (form_.EndeFrame.Caption() == u"Abbruch")
        form_.EndeFrame.Klicken();
}
