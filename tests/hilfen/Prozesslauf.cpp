#include "Prozesslauf.h"

#include "hilfen/TempVerzeichnis.h"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

int ProzessStarten(const Prozessaufruf& aufruf, const std::filesystem::path& ausgabe,
                   const std::filesystem::path& fehler) {
    std::vector<char*> argv;
    for (const auto& a : aufruf.argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork");
    if (pid == 0) {
        for (const auto& [name, wert] : aufruf.umgebung) {
            if (wert.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), wert.c_str(), 1);
        }
        int ein = aufruf.eingabe >= 0 ? aufruf.eingabe : open("/dev/null", O_RDONLY);
        int aus = open(ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (ein < 0 || aus < 0 || err < 0 || chdir(aufruf.verzeichnis.c_str()) != 0)
            _exit(250);
        dup2(ein, 0);
        dup2(aus, 1);
        dup2(err, 2);
        execv(argv[0], argv.data());
        _exit(251);
    }
    return pid;
}

int AufEndeWarten(int pid) {
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

Prozesslauf ProzessAusfuehren(const Prozessaufruf& aufruf) {
    TempVerzeichnis ausgaben;
    int pid = ProzessStarten(aufruf, ausgaben / "aus", ausgaben / "err");
    Prozesslauf lauf;
    lauf.exitcode = AufEndeWarten(pid);
    lauf.ausgabe = BytesLesen(ausgaben / "aus");
    lauf.fehler = BytesLesen(ausgaben / "err");
    return lauf;
}
