#include "platform/posix/PosixProzesse.h"

#include "platform/Laufzeitfehler.h"
#include "platform/posix/PosixSperren.h"
#include "platform/posix/Prozessumgebung.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Uhr = std::chrono::steady_clock;

bool IstGewoehnlicheDatei(const std::string& pfad) {
    struct stat angaben {};
    return stat(pfad.c_str(), &angaben) == 0 && S_ISREG(angaben.st_mode);
}

bool IstAusfuehrbar(const std::string& pfad) {
    return IstGewoehnlicheDatei(pfad) && access(pfad.c_str(), X_OK) == 0;
}

// Namen ohne "/" im PATH suchen; "" wenn es kein solches Programm gibt.
std::string ImSuchpfad(const std::string& name) {
    if (name.empty())
        return "";
    if (name.find('/') != std::string::npos)
        return IstAusfuehrbar(name) ? name : "";
    std::string suchpfad = Umgebungswert("PATH");
    std::size_t anfang = 0;
    while (anfang <= suchpfad.size()) {
        std::size_t ende = suchpfad.find(':', anfang);
        if (ende == std::string::npos)
            ende = suchpfad.size();
        std::string verzeichnis = suchpfad.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (!verzeichnis.empty() && IstAusfuehrbar(verzeichnis + "/" + name))
            return verzeichnis + "/" + name;
    }
    return "";
}

std::string EigenesVerzeichnis() {
    char puffer[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", puffer, PATH_MAX);
    if (n <= 0)
        return ".";
    std::string pfad(puffer, static_cast<std::size_t>(n));
    return pfad.substr(0, pfad.rfind('/'));
}

std::string KestravCmd() {
    std::string gesetzt = Umgebungswert("KESTRAV_CMD");
    return gesetzt.empty() ? EigenesVerzeichnis() + "/kestrav-cmd" : gesetzt;
}

bool AnzeigeVorhanden() {
    return !Umgebungswert("DISPLAY").empty() || !Umgebungswert("WAYLAND_DISPLAY").empty();
}

int FehlernummerAus(int fehler) {
    switch (fehler) {
    case ENOENT:
    case ENOTDIR:
        return 53;
    case EACCES:
    case EPERM:
        return 70;
    default:
        return 5;
    }
}

int ExitcodeAus(int status) {
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

// Meldungen des Kindes über die Rückmeldeleitung; 8 Byte schreiben sich in einem Stück.
enum Meldungsart : int { PROZESSNUMMER = 1, STARTFEHLER = 2 };
struct Rueckmeldung {
    int art;
    int wert;
};

void Melden(int fd, int art, int wert) {
    Rueckmeldung m{art, wert};
    ssize_t geschrieben = write(fd, &m, sizeof m);
    (void)geschrieben;
}

enum class Startart {
    Kind,        // bleibt unser Kind, wird über Exitcode eingesammelt
    Abgekoppelt, // Enkel ohne Elternbindung: kein Zombie, niemand wartet
};

// Nur async-signal-sichere Aufrufe zwischen fork und exec (das Programm kann Threads haben).
[[noreturn]] void KindAusfuehren(char* const* argv, int rueckmeldung, int ausgabe,
                                 const std::vector<int>& vererben) {
    for (int fd : vererben)
        fcntl(fd, F_SETFD, 0);
    sigset_t alle;
    sigemptyset(&alle);
    sigprocmask(SIG_SETMASK, &alle, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGCHLD, SIGHUP})
        sigaction(signal, &standard, nullptr);

    int nichts = open("/dev/null", O_RDWR);
    if (nichts >= 0) {
        dup2(nichts, STDIN_FILENO);
        if (ausgabe >= 0)
            dup2(nichts, STDERR_FILENO);
    }
    if (ausgabe >= 0)
        dup2(ausgabe, STDOUT_FILENO);
    execv(argv[0], argv);
    Melden(rueckmeldung, STARTFEHLER, errno);
    _exit(127);
}

// Startet argumente (erstes Wort: voller Pfad) und gibt die Prozessnummer zurück. ausgabe >= 0
// leitet die Standardausgabe dorthin und verwirft die Fehlerausgabe.
// vererben: Dateikennungen, die das Programm offen behält (die Sperren des Laufs).
int Starten(const std::vector<std::string>& argumente, Startart art, int ausgabe = -1,
            const std::vector<int>& vererben = {}) {
    std::vector<char*> argv;
    for (const auto& a : argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int leitung[2];
    if (pipe2(leitung, O_CLOEXEC) != 0)
        throw Laufzeitfehler(5, "pipe");
    pid_t kind = fork();
    if (kind < 0) {
        close(leitung[0]);
        close(leitung[1]);
        throw Laufzeitfehler(5, "fork");
    }
    if (kind == 0) {
        close(leitung[0]);
        // Eigene Sitzung: ein Strg+C im Terminal von Kestrav trifft die Engine nicht.
        setsid();
        if (art == Startart::Abgekoppelt) {
            pid_t enkel = fork();
            if (enkel < 0) {
                Melden(leitung[1], STARTFEHLER, errno);
                _exit(127);
            }
            if (enkel > 0)
                _exit(0);
            Melden(leitung[1], PROZESSNUMMER, static_cast<int>(getpid()));
            // Ein abgekoppeltes Programm (Betrachter, Editor) hält keine Ausgabekanäle von
            // Kestrav offen: wer auf deren Ende wartet, etwa ein Skript, wartet sonst ewig.
            int nichts = open("/dev/null", O_WRONLY);
            if (nichts >= 0) {
                dup2(nichts, STDOUT_FILENO);
                dup2(nichts, STDERR_FILENO);
            }
        }
        KindAusfuehren(argv.data(), leitung[1], ausgabe, vererben);
    }
    close(leitung[1]);

    int prozess = art == Startart::Kind ? kind : -1;
    int fehler = 0;
    Rueckmeldung m{};
    ssize_t n;
    while ((n = read(leitung[0], &m, sizeof m)) != 0) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (n != sizeof m)
            continue;
        if (m.art == PROZESSNUMMER)
            prozess = m.wert;
        else if (m.art == STARTFEHLER)
            fehler = m.wert;
    }
    close(leitung[0]);
    if (art == Startart::Abgekoppelt || fehler != 0) {
        int status = 0;
        while (waitpid(kind, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (fehler != 0)
        throw Laufzeitfehler(FehlernummerAus(fehler), argumente.front());
    if (prozess <= 0)
        throw Laufzeitfehler(5, argumente.front());
    return prozess;
}

// Standardausgabe eines kurzen Hilfsprogramms, ohne Zeilenende am Schluss.
std::string Ausgabe(const std::vector<std::string>& argumente) {
    int leitung[2];
    if (pipe2(leitung, O_CLOEXEC) != 0)
        return "";
    int pid = -1;
    try {
        pid = Starten(argumente, Startart::Kind, leitung[1]);
    } catch (const Laufzeitfehler&) {
    }
    close(leitung[1]);
    std::string text;
    char puffer[512];
    ssize_t n;
    while ((n = read(leitung[0], puffer, sizeof puffer)) != 0) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        text.append(puffer, static_cast<std::size_t>(n));
    }
    close(leitung[0]);
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

bool IstTrenner(char16_t z) {
    return z == u' ' || z == u'\t';
}

// Trennung wie die Befehlszeile unter Windows: Leerzeichen trennen, "..." fasst zusammen.
std::vector<Text> ArgumenteTrennen(TextSicht zeile) {
    std::vector<Text> worte;
    Text wort;
    bool imWort = false, inAnfuehrung = false;
    for (char16_t z : zeile) {
        if (z == u'"') {
            inAnfuehrung = !inAnfuehrung;
            imWort = true;
        } else if (IstTrenner(z) && !inAnfuehrung) {
            if (imWort)
                worte.push_back(std::move(wort));
            wort.clear();
            imWort = false;
        } else {
            wort.push_back(z);
            imWort = true;
        }
    }
    if (imWort)
        worte.push_back(std::move(wort));
    return worte;
}

bool IstBuchstabe(char16_t z) {
    return (z >= u'a' && z <= u'z') || (z >= u'A' && z <= u'Z');
}

// "c:\..." oder "c:/..." (auch nur "c:").
bool BeginntMitLaufwerk(TextSicht t) {
    return t.size() >= 2 && IstBuchstabe(t[0]) && t[1] == u':' &&
           (t.size() == 2 || t[2] == u'\\' || t[2] == u'/');
}

} // namespace

std::vector<std::string> TerminalVorspann(const std::string& einstellung) {
    std::vector<std::string> vorspann;
    for (const Text& wort : ArgumenteTrennen(AusUtf8(einstellung)))
        vorspann.push_back(NachUtf8(wort));
    if (vorspann.empty())
        vorspann.push_back("xterm");
    if (vorspann.size() == 1)
        vorspann.push_back("-e");
    return vorspann;
}

PosixProzesse::PosixProzesse(Laufwerke laufwerke) : laufwerke_(std::move(laufwerke)) {}

std::string PosixProzesse::NachHost(const Text& pfad) const {
    Text basis = laufwerke_.AusHost(HostArbeitsverzeichnis());
    std::optional<std::string> host = laufwerke_.NachHost(pfad, basis);
    return host ? *host : NachUtf8(pfad);
}

std::vector<std::string> PosixProzesse::ArgumenteAbbilden(const Text& argumente) const {
    std::vector<std::string> ergebnis;
    for (const Text& wort : ArgumenteTrennen(argumente)) {
        TextSicht rest = wort;
        bool adresse = false;
        for (TextSicht vorsatz : {TextSicht(u"file:///"), TextSicht(u"file://")}) {
            if (rest.size() > vorsatz.size() &&
                GleichOhneGross(rest.substr(0, vorsatz.size()), vorsatz) &&
                BeginntMitLaufwerk(rest.substr(vorsatz.size()))) {
                rest.remove_prefix(vorsatz.size());
                adresse = true;
                break;
            }
        }
        std::optional<std::string> host;
        if (adresse || BeginntMitLaufwerk(rest))
            host = laufwerke_.NachHost(rest);
        ergebnis.push_back(host ? *host : NachUtf8(wort));
    }
    return ergebnis;
}

int PosixProzesse::StapelStarten(const Text& stapeldatei, Fensterstil stil) {
    std::string datei = NachHost(stapeldatei);
    if (!IstGewoehnlicheDatei(datei))
        throw Laufzeitfehler(53, datei);
    std::string interpreter = KestravCmd();
    if (!IstGewoehnlicheDatei(interpreter))
        throw Laufzeitfehler(53, interpreter);

    // Im aktuellen Verzeichnis genügt der Name: "kestrav-cmd /c Kestrav.bat" im Terminaltitel.
    std::string verzeichnis = HostArbeitsverzeichnis();
    if (datei.size() > verzeichnis.size() + 1 &&
        datei.compare(0, verzeichnis.size(), verzeichnis) == 0 &&
        datei[verzeichnis.size()] == '/' &&
        datei.find('/', verzeichnis.size() + 1) == std::string::npos)
        datei.erase(0, verzeichnis.size() + 1);
    std::vector<std::string> argumente = {interpreter, "/c", datei};
    if (elternwache_)
        argumente.insert(argumente.begin() + 1, {"--elternwache", std::to_string(getpid())});
    if (stil != Fensterstil::MinimiertOhneFokus && AnzeigeVorhanden()) {
        std::string einstellung = Umgebungswert("KESTRAV_TERMINAL");
        std::vector<std::string> vorspann = TerminalVorspann(einstellung);
        std::string terminal = ImSuchpfad(vorspann.front());
        // Ohne xterm bleibt es beim Lauf ohne Fenster; ein ausdrücklich genanntes Terminal muss da
        // sein.
        if (terminal.empty() && !einstellung.empty())
            throw Laufzeitfehler(53, vorspann.front());
        if (!terminal.empty()) {
            vorspann.front() = terminal;
            argumente.insert(argumente.begin(), vorspann.begin(), vorspann.end());
        }
    }
    int pid = Starten(argumente, Startart::Kind, -1, VererbbareSperren());
    exitcodes_.erase(pid); // eine wiederverwendete Prozessnummer
    return pid;
}

int PosixProzesse::ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil) {
    std::string pfad;
    if (!programm.empty() && programm.front() == u'/')
        pfad = NachUtf8(programm);
    else if (programm.find_first_of(u"\\/:") != Text::npos)
        pfad = NachHost(programm);
    else
        pfad = ImSuchpfad(NachUtf8(programm));
    if (pfad.empty() || !IstGewoehnlicheDatei(pfad))
        throw Laufzeitfehler(53, NachUtf8(programm));
    std::vector<std::string> aufruf = {pfad};
    for (std::string& argument : ArgumenteAbbilden(argumente))
        aufruf.push_back(std::move(argument));
    return Starten(aufruf, Startart::Abgekoppelt);
}

bool PosixProzesse::Einsammeln(int pid) {
    if (pid <= 0 || exitcodes_.count(pid))
        return true;
    int status = 0;
    pid_t ergebnis = waitpid(pid, &status, WNOHANG);
    if (ergebnis == 0)
        return false;
    if (ergebnis == pid)
        exitcodes_[pid] = ExitcodeAus(status);
    // Sonst nicht (mehr) unser Kind: abfragen lässt es sich nicht, es zählt als beendet.
    return true;
}

int PosixProzesse::Exitcode(int taskId) {
    if (!Einsammeln(taskId))
        return NOCH_AKTIV;
    auto gefunden = exitcodes_.find(taskId);
    // 0 wie unter Windows, wenn sich der Prozess nicht öffnen lässt.
    return gefunden != exitcodes_.end() ? gefunden->second : 0;
}

void PosixProzesse::WarteAufEnde(int taskId, int maxMs) {
    if (maxMs <= 0 || taskId <= 0 || exitcodes_.count(taskId))
        return;
#ifdef SYS_pidfd_open
    int fd = static_cast<int>(syscall(SYS_pidfd_open, taskId, 0));
    if (fd < 0) {
        if (errno == ESRCH)
            return;
        WarteAufEndeInSchritten(taskId, maxMs);
        return;
    }
    const Uhr::time_point ende = Uhr::now() + std::chrono::milliseconds(maxMs);
    for (;;) {
        auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now());
        if (rest.count() <= 0)
            break;
        pollfd beobachtet{fd, POLLIN, 0};
        int bereit = poll(&beobachtet, 1, static_cast<int>(rest.count()));
        if (bereit != 0 && !(bereit < 0 && errno == EINTR))
            break;
    }
    close(fd);
#else
    WarteAufEndeInSchritten(taskId, maxMs);
#endif
}

void PosixProzesse::WarteAufEndeInSchritten(int taskId, int maxMs) {
    const Uhr::time_point ende = Uhr::now() + std::chrono::milliseconds(maxMs);
    const auto schritt = std::chrono::milliseconds(2);
    while (!Einsammeln(taskId)) {
        auto jetzt = Uhr::now();
        if (jetzt >= ende)
            return;
        std::this_thread::sleep_for(std::min<Uhr::duration>(schritt, ende - jetzt));
    }
}

void PosixProzesse::StapelBeenden(int taskId, int fristMs) {
    if (taskId <= 0 || Einsammeln(taskId))
        return;
    // Der Stapel ist Sitzungs- und Gruppenführer (setsid beim Start): die Gruppe trifft auch den
    // Rechenkern und dessen Kinder.
    kill(-taskId, SIGTERM);
    WarteAufEnde(taskId, fristMs);
    kill(-taskId, SIGKILL);
    int status = 0;
    if (waitpid(taskId, &status, 0) == taskId)
        exitcodes_[taskId] = ExitcodeAus(status);
}

Text PosixProzesse::ZugeordnetesProgramm(const Text& datei) {
    std::string pfad = NachHost(datei);
    if (!IstGewoehnlicheDatei(pfad))
        return Text();
    std::string xdgMime = ImSuchpfad("xdg-mime");
    std::string xdgOpen = ImSuchpfad("xdg-open");
    if (xdgMime.empty() || xdgOpen.empty())
        return Text();
    std::string dateityp = Ausgabe({xdgMime, "query", "filetype", pfad});
    if (dateityp.empty())
        return Text();
    if (Ausgabe({xdgMime, "query", "default", dateityp}).empty())
        return Text();
    return AusUtf8(xdgOpen);
}

void PosixProzesse::TexteditorOeffnen(const Text& datei) {
    std::string pfad = NachHost(datei);
    std::string anzeige = Umgebungswert("KESTRAV_ANZEIGE");
    if (anzeige.empty())
        anzeige = EigenesVerzeichnis() + "/kestrav-anzeige";
    if (!IstAusfuehrbar(anzeige))
        anzeige = ImSuchpfad("xdg-open");
    if (anzeige.empty())
        throw Laufzeitfehler(53, "xdg-open");
    Starten({anzeige, pfad}, Startart::Abgekoppelt);
}
