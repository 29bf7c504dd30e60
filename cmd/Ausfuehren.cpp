#include "cmd/Ausfuehren.h"

#include "cmd/Befehlssuche.h"
#include "cmd/Stapelzeile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace {

volatile sig_atomic_t elternBeendet = 0;
bool elternwacheAktiv = false;

std::string EigenesProgramm() {
    char puffer[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", puffer, PATH_MAX);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string("kestrav-cmd");
}

std::string Umgebungswert(const char* name) {
    const char* wert = std::getenv(name);
    return wert ? wert : "";
}

void Fehlermeldung(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
}

int StartFehler(const std::string& programm, int fehler) {
    if (fehler == ENOENT) {
        Fehlermeldung("Das Programm \"" + programm + "\" wurde nicht gefunden.");
        return NICHT_GEFUNDEN;
    }
    if (fehler == EACCES || fehler == EPERM) {
        Fehlermeldung("Zugriff verweigert: \"" + programm + "\".");
        return NICHT_AUSFUEHRBAR;
    }
    Fehlermeldung("\"" + programm + "\" kann nicht ausgeführt werden: " + std::strerror(fehler));
    return NICHT_AUSFUEHRBAR;
}

// Startet ohne Shell und wartet. posix_spawnp sucht nur Namen ohne "/" im PATH (der Starter).
int StartenUndWarten(const std::vector<std::string>& argumente) {
    std::vector<char*> argv;
    for (const auto& a : argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    std::fflush(stdout);
    std::fflush(stderr);
    pid_t pid = 0;
    int fehler = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (fehler != 0)
        return StartFehler(argumente.front(), fehler);

    // Mit Elternwache in kurzen Schritten: ein Signal zwischen Prüfung und Warten ginge sonst
    // verloren, solange der Rechenkern hängt.
    const int art = elternwacheAktiv ? WNOHANG : 0;
    int status = 0;
    for (;;) {
        if (ElternprozessBeendet())
            EigeneGruppeBeenden();
        const pid_t ergebnis = waitpid(pid, &status, art);
        if (ergebnis == pid)
            break;
        if (ergebnis < 0 && errno != EINTR)
            return NICHT_AUSFUEHRBAR;
        if (ergebnis == 0)
            usleep(20 * 1000);
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

} // namespace

namespace {

void ElternsignalEmpfangen(int) {
    elternBeendet = 1;
}

} // namespace

bool ElternbindungAnlegen(long elternprozess) {
#ifdef __linux__
    struct sigaction aktion {};
    aktion.sa_handler = ElternsignalEmpfangen;
    // Ohne SA_RESTART kehrt das Warten auf den Rechenkern mit EINTR zurück.
    sigaction(ELTERNSIGNAL, &aktion, nullptr);
    if (prctl(PR_SET_PDEATHSIG, ELTERNSIGNAL) != 0)
        return false;
    elternwacheAktiv = true;
    // Starb der Elternprozess vor dem prctl, kommt kein Signal mehr.
    if (getppid() != static_cast<pid_t>(elternprozess))
        elternBeendet = 1;
    return true;
#else
    (void)elternprozess;
    return false;
#endif
}

bool ElternprozessBeendet() {
    return elternBeendet != 0;
}

// Der Rechenkern ist unser Kind in unserer Prozessgruppe, seine Kinder meist auch: erst SIGTERM an
// alle, nach höchstens 2 s SIGKILL an die ganze Gruppe, uns eingeschlossen.
void EigeneGruppeBeenden() {
    signal(SIGTERM, SIG_IGN);
    kill(0, SIGTERM);
    for (int i = 0; i < 20 && !(waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD); ++i)
        usleep(100 * 1000);
    kill(0, SIGKILL);
    _exit(128 + ELTERNSIGNAL);
}

int BefehlAusfuehren(const Laufwerke& laufwerke, TextSicht basis, const std::vector<Text>& worte) {
    if (!IstErlaubterProgrammpfad(worte.front())) {
        Fehlermeldung("Der Befehl \"" + NachUtf8(worte.front()) +
                      "\" wird nicht ausgeführt: kestrav-cmd startet nur Programme, die mit "
                      "einem Laufwerkspfad (nicht Z:) genannt sind.");
        return NICHT_GEFUNDEN;
    }
    std::optional<GefundenesProgramm> programm = ProgrammSuchen(laufwerke, worte.front(), basis);
    if (!programm) {
        Fehlermeldung("Der Befehl \"" + NachUtf8(worte.front()) +
                      "\" ist entweder falsch geschrieben oder konnte nicht gefunden werden.");
        return NICHT_GEFUNDEN;
    }

    std::vector<std::string> argumente;
    switch (programm->art) {
    case Programmart::Host:
        break;
    case Programmart::Stapel:
        argumente = {EigenesProgramm(), "/c"};
        break;
    case Programmart::Fremd: {
        std::string starter = Umgebungswert("KESTRAV_EXE_STARTER");
        for (const Text& wort : WorteTrennen(AusUtf8(starter)))
            argumente.push_back(NachUtf8(wort));
        if (argumente.empty()) {
            Fehlermeldung("\"" + programm->pfad +
                          "\" ist kein Programm dieses Systems. Setzen Sie KESTRAV_EXE_STARTER auf "
                          "ein Startprogramm für Windows-Programme (etwa wine).");
            return NICHT_AUSFUEHRBAR;
        }
        break;
    }
    }
    argumente.push_back(programm->pfad);
    for (std::size_t i = 1; i < worte.size(); ++i)
        argumente.push_back(NachUtf8(worte[i]));
    return StartenUndWarten(argumente);
}

void Pausieren() {
    std::fputs("Drücken Sie eine beliebige Taste . . .", stdout);
    std::fflush(stdout);
    termios alt{};
    if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &alt) == 0) {
        termios roh = alt;
        roh.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        roh.c_cc[VMIN] = 1;
        roh.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &roh);
        char taste = 0;
        while (read(STDIN_FILENO, &taste, 1) < 0 && errno == EINTR) {
        }
        tcsetattr(STDIN_FILENO, TCSANOW, &alt);
    }
    std::fputs("\n", stdout);
    std::fflush(stdout);
}
