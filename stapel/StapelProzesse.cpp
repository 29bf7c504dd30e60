#include "StapelProzesse.h"

#ifdef _WIN32
// Unter Windows bekommt cmd.exe eine eigene Konsole (CREATE_NEW_CONSOLE): was der Rechenkern
// ausgibt, erreicht die Meldungen ohnehin nicht.
int StapelProzesse::StapelStarten(const Text& stapeldatei, Fensterstil) {
    stapel_ = plattform_.StapelStarten(stapeldatei, Fensterstil::MinimiertOhneFokus);
    beginn_ = std::chrono::steady_clock::now();
    return stapel_;
}
#else
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

// Lenkt die Standardkanäle für die Dauer eines Starts um: das Kind erbt sie, der eigene Prozess
// bekommt sie danach zurück.
class Umlenkung {
public:
    explicit Umlenkung(int ziel) {
        std::cout.flush();
        std::fflush(nullptr);
        for (int kanal : {STDOUT_FILENO, STDERR_FILENO}) {
            gesichert_[kanal - 1] = fcntl(kanal, F_DUPFD_CLOEXEC, 0);
            if (ziel >= 0)
                dup2(ziel, kanal);
        }
    }
    ~Umlenkung() {
        for (int kanal : {STDOUT_FILENO, STDERR_FILENO}) {
            if (gesichert_[kanal - 1] >= 0) {
                dup2(gesichert_[kanal - 1], kanal);
                close(gesichert_[kanal - 1]);
            }
        }
    }
    Umlenkung(const Umlenkung&) = delete;
    Umlenkung& operator=(const Umlenkung&) = delete;

private:
    int gesichert_[2] = {-1, -1};
};

} // namespace

int StapelProzesse::StapelStarten(const Text& stapeldatei, Fensterstil) {
    const std::string name = protokoll_ ? protokoll_() : std::string();
    int ziel = -1;
    if (!name.empty()) {
        // Der erste Punkt eines Laufs beginnt das Protokoll neu, jeder weitere hängt an.
        const int art = protokollBegonnen_ ? O_APPEND : O_TRUNC;
        ziel = open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | art, 0644);
        protokollBegonnen_ = ziel >= 0;
    }
    // Ohne Protokoll (oder wenn es sich nicht anlegen lässt) geht die Ausgabe verloren, nie auf
    // die Meldungen.
    if (ziel < 0)
        ziel = open("/dev/null", O_WRONLY | O_CLOEXEC);
    Umlenkung umlenkung(ziel);
    if (ziel >= 0)
        close(ziel);
    stapel_ = plattform_.StapelStarten(stapeldatei, Fensterstil::MinimiertOhneFokus);
    beginn_ = std::chrono::steady_clock::now();
    return stapel_;
}
#endif

void StapelProzesse::TexteditorOeffnen(const Text& datei) {
    if (editorOeffnen_)
        plattform_.TexteditorOeffnen(datei);
}
