// Misst vexlo-sim auf dem Demotag: je Aufruf die Wanduhrzeit eines ganzen Prozesses, wie
// Kestrav ihn über die Jobdatei startet. Bezug ist ein Prozess (cp), der dieselben
// Eingabedateien kopiert; so bleibt das Verhältnis auf langsamen wie schnellen Rechnern
// vergleichbar. Aufruf: bench_sim [Wiederholungen]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kGrenzeMs = 50.0;

struct Zeiten {
    double wand = 0;   // Wanduhr vom Start bis zum Ende des Prozesses
    double rechen = 0; // Rechenzeit des Prozesses (Benutzer + System), unabhängig von Last
};

// Startet das Programm ohne Shell im Verzeichnis und wartet.
Zeiten Laufzeit(const std::string& programm, const std::vector<std::string>& argumente,
                const fs::path& verzeichnis) {
    std::vector<std::string> worte{programm};
    worte.insert(worte.end(), argumente.begin(), argumente.end());
    std::vector<char*> argv;
    for (std::string& w : worte)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        if (chdir(verzeichnis.c_str()) != 0)
            _exit(126);
        std::freopen("/dev/null", "w", stdout);
        execv(programm.c_str(), argv.data());
        execvp(programm.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    const auto ende = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s endete mit Status %d\n", programm.c_str(), status);
        std::exit(1);
    }
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {std::chrono::duration<double, std::milli>(ende - anfang).count(),
            ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime)};
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

struct Messung {
    std::string name;
    std::vector<double> wand;
    std::vector<double> rechen;
    void Dazu(const Zeiten& z) {
        wand.push_back(z.wand);
        rechen.push_back(z.rechen);
    }
};

} // namespace

int main(int argc, char** argv) {
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const fs::path ort = fs::temp_directory_path() / ("bench-sim-" + std::to_string(getpid()));
    const fs::path tag = ort / "tag";
    const fs::path engine = ort / "vexlo";
    fs::create_directories(ort / "kopie");
    Laufzeit(VEXLO_SIM, {"--demo", tag.string()}, ort);
    Laufzeit(VEXLO_SIM, {"--installieren", engine.string()}, ort);

    const std::vector<std::string> eingaben{"np012830.23o", "refa2830.23o", "refb2830.23o",
                                            "refc2830.23o", "refd2830.23o"};
    std::vector<std::string> kopieren = eingaben;
    kopieren.push_back((ort / "kopie").string());
    const std::string qel = (engine / "qel2").string();
    const std::string bo = (engine / "bo2").string();
    auto qelArgumente = [](const std::string& np) {
        return std::vector<std::string>{np, "refa,refb,refc,refd", "+PRO", "-e10", "+Ademo.atx"};
    };
    auto boArgumente = [](const std::string& np) {
        return std::vector<std::string>{"virt283.23o", np,     "+FEl.txt", "+FSs.txt",
                                        "+FLp.txt",    "-e10", "+Sb",      "+ACFdemo.atx"};
    };

    Messung bezug{"Bezug: cp der 5 Eingabedateien", {}, {}};
    Messung qel1{"Qel np01 (55 min, 4 Referenzen)", {}, {}};
    Messung bo1{"Bo  np01 (55 min, +Sb)", {}, {}};
    Messung qel2{"Qel np02 (3.5 min)", {}, {}};
    Messung bo2{"Bo  np02 (3.5 min, +Sb)", {}, {}};
    for (int i = 0; i < wiederholungen; ++i) {
        bezug.Dazu(Laufzeit("cp", kopieren, tag));
        qel1.Dazu(Laufzeit(qel, qelArgumente("np012830.23o"), tag));
        bo1.Dazu(Laufzeit(bo, boArgumente("np012830.23o"), tag));
        qel2.Dazu(Laufzeit(qel, qelArgumente("np022830.23o"), tag));
        bo2.Dazu(Laufzeit(bo, boArgumente("np022830.23o"), tag));
    }
    const double b = Median(bezug.wand);
    std::printf("vexlo-sim, Median aus %d Läufen je Prozess\n", wiederholungen);
    std::printf("%-36s %9s %9s %9s\n", "", "Wanduhr", "Rechnen", "Wand/Bezug");
    std::printf("%-36s %6.1f ms %6.1f ms\n", bezug.name.c_str(), b, Median(bezug.rechen));
    bool schnell = true;
    for (Messung* m : {&qel1, &bo1, &qel2, &bo2}) {
        const double t = Median(m->wand);
        schnell = schnell && t < kGrenzeMs;
        std::printf("%-36s %6.1f ms %6.1f ms %8.2f x%s\n", m->name.c_str(), t, Median(m->rechen),
                    t / b, t < kGrenzeMs ? "" : "  (über 50 ms)");
    }
    fs::remove_all(ort);
    return schnell ? 0 : 2;
}
