#include "Kindprozess.h"

#include <cstdio>
#include <new>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Belegter Adressraum in Bytes (erstes Feld von /proc/self/statm, in Seiten).
std::size_t Adressraum() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    unsigned long seiten = 0;
    if (statm) {
        if (std::fscanf(statm, "%lu", &seiten) != 1)
            seiten = 0;
        std::fclose(statm);
    }
    return static_cast<std::size_t>(seiten) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// Unter AddressSanitizer bleiben freigegebene Blöcke bis zu 256 MB in der Quarantäne und belegen
// weiter Adressraum; das gehört nicht zum Prüfling.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t SanitizerZuschlag = std::size_t{512} << 20;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t SanitizerZuschlag = std::size_t{512} << 20;
#else
constexpr std::size_t SanitizerZuschlag = 0;
#endif
#else
constexpr std::size_t SanitizerZuschlag = 0;
#endif

} // namespace

int ImKindprozess(const std::function<int()>& pruefung) {
    std::fflush(nullptr);
    pid_t kind = fork();
    if (kind < 0)
        return -1;
    if (kind == 0) {
        int ergebnis = 97;
        try {
            ergebnis = pruefung();
        } catch (...) {
        }
        // Ohne Aufräumen der Eltern-Objekte (Temp-Verzeichnisse gehören dem Elternprozess).
        _exit(ergebnis);
    }
    int status = 0;
    while (waitpid(kind, &status, 0) < 0) {
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

int MitSpeichergrenze(std::size_t zusatzBytes, const std::function<int()>& pruefung) {
    return ImKindprozess([&] {
        const rlim_t grenze = Adressraum() + zusatzBytes + SanitizerZuschlag;
        rlimit rl{grenze, grenze};
        if (setrlimit(RLIMIT_AS, &rl) != 0)
            return 98;
        std::set_new_handler([] { _exit(SpeicherErschoepft); });
        return pruefung();
    });
}
