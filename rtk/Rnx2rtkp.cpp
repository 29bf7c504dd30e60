#include "Rnx2rtkp.h"

#include "Formatiert.h"
#include "Textdatei.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Bitmaske von pos1-navsys: GPS 1, SBAS 2, GLONASS 4, Galileo 8, QZSS 16, BeiDou 32.
int Systemmaske(const std::set<char>& ohne) {
    int maske = 0;
    for (const auto& [system, bit] :
         {std::pair{'G', 1}, {'S', 2}, {'R', 4}, {'E', 8}, {'J', 16}, {'C', 32}})
        if (!ohne.count(system))
            maske |= bit;
    return maske;
}

std::string Zeile(const char* schluessel, const std::string& wert) {
    std::string z = schluessel;
    z.resize(19, ' ');
    return z + "=" + wert;
}

void KindStarten(const std::vector<std::string>& argumente, int ausgabe) {
    std::vector<char*> argv;
    for (const std::string& a : argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    dup2(ausgabe, STDOUT_FILENO);
    dup2(ausgabe, STDERR_FILENO);
    const int leer = open("/dev/null", O_RDONLY);
    if (leer >= 0)
        dup2(leer, STDIN_FILENO);
    execvp(argv[0], argv.data());
    const char text[] = "vexlo-rtk: rnx2rtkp cannot be started\n";
    (void)!write(STDERR_FILENO, text, sizeof text - 1);
    _exit(127);
}

} // namespace

std::vector<std::string> Konfiguration(const Basislinienauftrag& a) {
    const Vektor3& x = a.referenzkoordinate;
    std::vector<std::string> z{
        Zeile("pos1-posmode", "static"),
        Zeile("pos1-frequency", "l1+2"), // "l1+l2" lehnt 2.4.3 ab und rechnet mit der Vorgabe
        Zeile("pos1-soltype", "forward"),
        Zeile("pos1-elmask", Formatiert("%d", a.elevationsmaske)),
        Zeile("pos1-navsys", Formatiert("%d", Systemmaske(a.ausgeschlossen))),
        Zeile("pos2-armode", "fix-and-hold"),
        Zeile("ant1-anttype", "*"),
        Zeile("ant2-postype", "xyz"),
        Zeile("ant2-pos1", Formatiert("%.4f", x[0])),
        Zeile("ant2-pos2", Formatiert("%.4f", x[1])),
        Zeile("ant2-pos3", Formatiert("%.4f", x[2])),
        Zeile("ant2-anttype", "*"),
        Zeile("out-solformat", "xyz"),
        Zeile("out-timeform", "tow"),
        Zeile("out-outhead", "on"),
        Zeile("out-outstat", "residual"), // Satellitenzeilen mit Azimut und Elevation fürs PDOP
    };
    if (!a.antex.empty())
        z.push_back(Zeile("file-rcvantfile", a.antex));
    return z;
}

Programmlauf Rnx2rtkpAusfuehren(const Basislinienauftrag& a) {
    Programmlauf lauf;
    const char* programm = std::getenv("VEXLO_RNX2RTKP");
    std::vector<std::string> argumente{programm && *programm ? programm : "rnx2rtkp",
                                       "-k",
                                       a.konfiguration,
                                       "-o",
                                       a.ausgabe,
                                       a.neupunkt,
                                       a.referenz};
    argumente.insert(argumente.end(), a.navigation.begin(), a.navigation.end());
    int rohr[2];
    if (pipe2(rohr, O_CLOEXEC) != 0)
        return lauf;
    const pid_t kind = fork();
    if (kind == 0)
        KindStarten(argumente, rohr[1]);
    close(rohr[1]);
    if (kind < 0) {
        close(rohr[0]);
        return lauf;
    }
    lauf.gestartet = true;
    char puffer[4096];
    for (;;) {
        const ssize_t n = read(rohr[0], puffer, sizeof puffer);
        if (n > 0)
            lauf.ausgabe.append(puffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(rohr[0]);
    int status = 0;
    while (waitpid(kind, &status, 0) < 0 && errno == EINTR) {
    }
    lauf.exitcode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return lauf;
}

std::string GemeldeterFehler(const std::string& ausgabe) {
    for (const char* muster : {"invalid option", "error", "cannot be started", "no obs data"}) {
        const std::size_t stelle = ausgabe.find(muster);
        if (stelle == std::string::npos)
            continue;
        const std::size_t anfang = ausgabe.find_last_of("\r\n", stelle);
        const std::size_t ende = ausgabe.find_first_of("\r\n", stelle);
        const std::size_t von = anfang == std::string::npos ? 0 : anfang + 1;
        return ausgabe.substr(von, ende == std::string::npos ? std::string::npos : ende - von);
    }
    return "";
}
