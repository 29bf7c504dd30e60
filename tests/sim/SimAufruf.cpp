#include "SimAufruf.h"

#include "hilfen/TempVerzeichnis.h"

#include <csignal>
#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

std::filesystem::path SimProgramm() {
    return std::filesystem::path(KESTRAV_BIN_DIR) / "vexlo-sim";
}

SimErgebnis SimAusfuehren(const std::filesystem::path& programm, const std::string& argv0,
                          const std::vector<std::string>& argumente,
                          const std::filesystem::path& arbeitsverzeichnis, int sekunden) {
    TempVerzeichnis ausgaben;
    const std::string aus = (ausgaben / "aus").string();
    const std::string fehler = (ausgaben / "fehler").string();
    std::vector<std::string> worte{argv0};
    worte.insert(worte.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (std::string& w : worte)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    const pid_t kind = fork();
    if (kind == 0) {
        const int a = open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int f = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (a < 0 || f < 0 || dup2(a, 1) < 0 || dup2(f, 2) < 0 ||
            chdir(arbeitsverzeichnis.c_str()) != 0)
            _exit(126);
        alarm(static_cast<unsigned>(sekunden)); // überdauert exec: ein Hänger endet mit SIGALRM
        execv(programm.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    SimErgebnis e;
    e.zeitUeberschritten = WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM;
    e.beendet = WIFEXITED(status);
    e.rueckgabe = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    e.ausgabe = BytesLesen(aus);
    e.fehlerausgabe = BytesLesen(fehler);
    return e;
}

SimErgebnis JobzeileAusfuehren(const std::filesystem::path& engineVerzeichnis,
                               const std::string& zeile,
                               const std::filesystem::path& arbeitsverzeichnis) {
    std::istringstream worte(zeile);
    std::string befehl;
    worte >> befehl;
    std::vector<std::string> argumente;
    for (std::string wort; worte >> wort;)
        argumente.push_back(wort);
    const std::string name = befehl.substr(befehl.find_last_of("\\/") + 1);
    return SimAusfuehren(engineVerzeichnis / name, befehl, argumente, arbeitsverzeichnis);
}
