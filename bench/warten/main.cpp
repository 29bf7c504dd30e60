// bench_warten [a|b]
//  a: Engine rechnet 10 s; gemessen wird die Prozessorzeit der wartenden Seite.
//  b: 100 Punkte mit einer Engine, die sofort zurückkehrt; Start plus Warten je Punkt im
//     Verhältnis zu 100 Starts von kestrav-cmd auf einem leeren Stapel ("ratio X").
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixProzesse.h"
#include "platform/posix/PosixSperren.h"
#include "platform/posix/PosixSysteminfo.h"
#include "run/Warten.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

namespace {

class ZaehlendeSchleife : public Ereignisschleife {
public:
    long aufrufe = 0;
    void Ereignisse() override { ++aufrufe; }
    void Schlafen(int ms) override { usleep(static_cast<useconds_t>(ms) * 1000); }
};

class StummeDialoge : public Dialoge {
public:
    Antwort Zeigen(const Meldung&) override { return Antwort::OK; }
    Text DateiOeffnen(const Dateiauswahl&) override { return Text(); }
};

class StillesProgramm : public Programm {
public:
    void ZeigerSetzen(Mauszeiger) override {}
    void SofortBeenden() override {}
};

double ProzessorSekunden() {
    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return s(verbrauch.ru_utime) + s(verbrauch.ru_stime);
}

double SekundenSeit(Uhr::time_point anfang) {
    return std::chrono::duration<double>(Uhr::now() - anfang).count();
}

void Schreiben(const fs::path& datei, const std::string& inhalt) {
    std::ofstream(datei, std::ios::binary) << inhalt;
}

struct Arbeitsplatz {
    fs::path ordner;
    Laufwerke laufwerke;
    PosixDateisystem datei;
    PosixProzesse prozesse;
    ZaehlendeSchleife schleife;
    StummeDialoge dialoge;
    StillesProgramm programm;
    PosixSysteminfo system;
    PosixPapierkorb papierkorb{laufwerke, ""};
    PosixSperren sperren{laufwerke};
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};

    explicit Arbeitsplatz(const fs::path& o)
        : ordner(o), laufwerke(Laufwerke::AusUmgebung()), datei(laufwerke), prozesse(laufwerke) {}

    // Startet Kestrav.bat wie der Lauf und wartet mit der Warteroutine.
    void Punkt() {
        int Prozesskennung =
            prozesse.StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus);
        WarteAufProzess(umgebung, Prozesskennung);
    }
};

void MessungA(Arbeitsplatz& platz) {
    Schreiben(platz.ordner / "qel2", "#!/bin/sh\nsleep 10\n");
    fs::permissions(platz.ordner / "qel2", fs::perms::owner_all);
    Schreiben(platz.ordner / "Kestrav.bat", "qel2 np012830.23o aaaa,bbbb +PRO\r\n");
    double cpu = ProzessorSekunden();
    auto anfang = Uhr::now();
    platz.schleife.aufrufe = 0;
    platz.Punkt();
    std::printf("a: Engine %.2f s, wartende Seite %.4f Prozessor-Sekunden, %ld Abgaben\n",
                SekundenSeit(anfang), ProzessorSekunden() - cpu, platz.schleife.aufrufe);
}

double LeereStapel(const std::string& kestravCmd, int anzahl) {
    Schreiben("leer.bat", "");
    std::string c = "/c", name = "leer.bat";
    char* argv[] = {const_cast<char*>(kestravCmd.c_str()), c.data(), name.data(), nullptr};
    auto anfang = Uhr::now();
    for (int i = 0; i < anzahl; ++i) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) {
            std::perror("kestrav-cmd");
            std::exit(1);
        }
        waitpid(pid, nullptr, 0);
    }
    return SekundenSeit(anfang);
}

void MessungB(Arbeitsplatz& platz, const std::string& kestravCmd) {
    const int punkte = 100;
    // Beide Engine-Aufrufe eines Punktes kehren sofort zurück.
    Schreiben(platz.ordner / "Kestrav.bat", "z:\\bin\\true np012830.23o aaaa,bbbb +PRO\r\n"
                                            "z:\\bin\\true virt283.23o np012830.23o +FE_x\r\n");
    platz.Punkt(); // Anlauf: Seitencache, Programmdateien
    auto anfang = Uhr::now();
    for (int i = 0; i < punkte; ++i)
        platz.Punkt();
    double mitWarten = SekundenSeit(anfang);
    LeereStapel(kestravCmd, 1);
    double leer = LeereStapel(kestravCmd, punkte);
    std::printf("b: %d Punkte %.1f ms je Punkt, leerer Stapel %.1f ms je Start\n", punkte,
                mitWarten * 1000 / punkte, leer * 1000 / punkte);
    // Darin stecken auch die beiden Engine-Aufrufe: eine obere Schranke für die Verspätung.
    std::printf("Warten endet höchstens %.1f ms nach dem Stapel (Mittel)\n",
                (mitWarten - leer) * 1000 / punkte);
    std::printf("ratio %.2f\n", mitWarten / leer);
}

} // namespace

int main(int argc, char** argv) {
    std::string welche = argc > 1 ? argv[1] : "ab";
    char muster[] = "/tmp/bench_warten-XXXXXX";
    if (!mkdtemp(muster))
        return 1;
    fs::path ordner = muster;
    fs::path vorher = fs::current_path();
    fs::current_path(ordner);

    const char* gesetzt = std::getenv("KESTRAV_CMD");
    std::string kestravCmd =
        gesetzt && *gesetzt
            ? gesetzt
            : (fs::read_symlink("/proc/self/exe").parent_path() / "kestrav-cmd").string();
    {
        Arbeitsplatz platz(ordner);
        if (welche.find('a') != std::string::npos)
            MessungA(platz);
        if (welche.find('b') != std::string::npos)
            MessungB(platz, kestravCmd);
    }
    fs::current_path(vorher);
    fs::remove_all(ordner);
    return 0;
}
