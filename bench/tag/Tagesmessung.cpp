// Misst den ganzen Demotag ohne Fenster: kestrav-stapel vom Prozessstart bis zum Ende, mit
// vexlo-sim als Rechenkern. Bezug ist die Summe der Rechenkernaufrufe aus den Jobdateien
// desselben Tages, direkt nacheinander gestartet; der Unterschied ist, was Kestrav um den
// Rechenkern herum kostet (Start, Durchsicht, Jobdateien, kestrav-cmd, Warten im 100-ms-Takt,
// Auswertung). Aufruf: bench_tag [Wiederholungen]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Zeiten {
    double wand = 0;   // Wanduhr vom Start bis zum Ende des Prozesses
    double rechen = 0; // Rechenzeit des Prozesses und seiner Kinder (Benutzer + System)
    Zeiten& operator+=(const Zeiten& z) {
        wand += z.wand;
        rechen += z.rechen;
        return *this;
    }
};

struct Aufruf {
    std::vector<std::string> argumente; // erstes: Programmpfad
    fs::path verzeichnis;
    std::map<std::string, std::string> umgebung; // leerer Wert: Variable entfernen
};

// Startet ohne Shell, wartet und gibt Zeiten und Exitcode zurück (-1 bei einem Signal).
Zeiten Laufzeit(const Aufruf& aufruf, int& exitcode) {
    std::vector<char*> argv;
    for (const std::string& w : aufruf.argumente)
        argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        for (const auto& [name, wert] : aufruf.umgebung) {
            if (wert.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), wert.c_str(), 1);
        }
        if (chdir(aufruf.verzeichnis.c_str()) != 0 || !std::freopen("/dev/null", "w", stdout))
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage verbrauch{};
    wait4(kind, &status, 0, &verbrauch);
    const auto ende = std::chrono::steady_clock::now();
    exitcode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {std::chrono::duration<double, std::milli>(ende - anfang).count(),
            ms(verbrauch.ru_utime) + ms(verbrauch.ru_stime)};
}

Zeiten Pflicht(const Aufruf& aufruf, int erlaubterExitcode = 0) {
    int exitcode = 0;
    const Zeiten z = Laufzeit(aufruf, exitcode);
    if (exitcode != erlaubterExitcode) {
        std::fprintf(stderr, "%s endete mit %d statt %d\n", aufruf.argumente[0].c_str(), exitcode,
                     erlaubterExitcode);
        std::exit(1);
    }
    return z;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

std::string Lesen(const fs::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void Schreiben(const fs::path& datei, const std::string& text) {
    std::ofstream(datei, std::ios::binary) << text;
}

void FrischKopieren(const fs::path& quelle, const fs::path& ziel) {
    fs::remove_all(ziel);
    fs::copy(quelle, ziel);
}

// Eine Zeile der Jobdatei als Aufruf: "c:\programme\vexlo\qel2 ..." liegt im Laufwerk C:.
std::vector<std::string> Rechenkernaufruf(const std::string& zeile, const fs::path& laufwerkC) {
    std::istringstream worte(zeile);
    std::vector<std::string> argumente;
    for (std::string w; worte >> w;)
        argumente.push_back(w);
    if (argumente.empty())
        return argumente;
    std::string programm = argumente[0];
    std::replace(programm.begin(), programm.end(), '\\', '/');
    if (programm.size() > 3 && (programm[0] == 'c' || programm[0] == 'C') && programm[1] == ':')
        argumente[0] = (laufwerkC / programm.substr(3)).string();
    return argumente;
}

struct Messort {
    fs::path wurzel;
    fs::path laufwerkC() const { return wurzel / "c"; }
    fs::path quelle() const { return wurzel / "quelle"; }
    fs::path einstellungen() const { return wurzel / "kestrav.ini"; }
    fs::path fang() const { return wurzel / "fang"; }
};

Aufruf Stapellauf(const Messort& ort, const fs::path& tag, const std::string& kestravCmd) {
    return {{KESTRAV_BIN "/kestrav-stapel", "--ja", "--einstellungen", ort.einstellungen().string(),
             (tag / "np012830.23o").string()},
            ort.wurzel,
            {{"KESTRAV_LAUFWERK_C", ort.laufwerkC().string()},
             // Das Aufräumen jedes Laufs legt Ergebnisse in den Papierkorb: nicht in den echten.
             {"XDG_DATA_HOME", (ort.wurzel / "xdg").string()},
             {"KESTRAV_CMD", kestravCmd},
             {"KESTRAV_ANZEIGE", "/bin/true"},
             {"DISPLAY", ""},
             {"WAYLAND_DISPLAY", ""}}};
}

// Ein ungemessener Lauf, dessen kestrav-cmd jede Jobdatei und die ANTEX-Sammeldatei beiseitelegt,
// bevor es sie ausführt. Ergebnis: die Jobdateien in Laufreihenfolge.
std::vector<std::string> JobdateienFangen(const Messort& ort) {
    fs::create_directories(ort.fang());
    const fs::path skript = ort.wurzel / "fang.sh";
    Schreiben(skript, "#!/bin/sh\n"
                      "n=$(ls \"" +
                          ort.fang().string() +
                          "\" | grep -c '\\.bat$')\n"
                          "for a in \"$@\"; do stapel=$a; done\n"
                          "cp \"$stapel\" \"" +
                          ort.fang().string() +
                          "/$n.bat\"\n"
                          "[ -f '$$$$$.atx' ] && cp '$$$$$.atx' \"" +
                          ort.fang().string() +
                          "/\"\n"
                          "exec \"" KESTRAV_BIN "/kestrav-cmd\" \"$@\"\n");
    chmod(skript.c_str(), 0755);
    const fs::path tag = ort.wurzel / "fangtag";
    FrischKopieren(ort.quelle(), tag);
    Pflicht(Stapellauf(ort, tag, skript.string()), 1);
    std::vector<std::string> jobdateien;
    for (int n = 0; fs::exists(ort.fang() / (std::to_string(n) + ".bat")); ++n)
        jobdateien.push_back(Lesen(ort.fang() / (std::to_string(n) + ".bat")));
    return jobdateien;
}

// Alle Zeilen aller Jobdateien nacheinander im frisch kopierten Tag, ohne kestrav-cmd.
Zeiten Bezugslauf(const Messort& ort, const std::vector<std::string>& jobdateien,
                  const fs::path& tag) {
    FrischKopieren(ort.quelle(), tag);
    if (fs::exists(ort.fang() / "$$$$$.atx"))
        fs::copy_file(ort.fang() / "$$$$$.atx", tag / "$$$$$.atx");
    Zeiten summe;
    for (const std::string& jobdatei : jobdateien) {
        std::istringstream zeilen(jobdatei);
        for (std::string zeile; std::getline(zeilen, zeile);) {
            const auto argumente = Rechenkernaufruf(zeile, ort.laufwerkC());
            if (argumente.empty() || argumente[0] == "pause")
                continue;
            int exitcode = 0; // np03 endet im Rechenkern mit Fehler, wie unter Kestrav
            summe += Laufzeit({argumente, tag, {}}, exitcode);
        }
    }
    return summe;
}

} // namespace

int main(int argc, char** argv) {
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const Messort ort{fs::temp_directory_path() / ("bench-tag-" + std::to_string(getpid()))};
    fs::create_directories(ort.wurzel);
    Pflicht({{KESTRAV_BIN "/vexlo-sim", "--installieren",
              (ort.laufwerkC() / "programme" / "vexlo").string()},
             ort.wurzel,
             {}});
    Pflicht({{KESTRAV_BIN "/vexlo-sim", "--demo", ort.quelle().string()}, ort.wurzel, {}});
    fs::copy_file(KESTRAV_QUELLE "/data/kestrav.ini", ort.einstellungen());

    const std::vector<std::string> jobdateien = JobdateienFangen(ort);
    if (jobdateien.empty()) {
        std::fprintf(stderr, "keine Jobdatei gefangen\n");
        return 1;
    }

    std::vector<double> tagWand, tagRechen, bezugWand, bezugRechen;
    for (int i = 0; i < wiederholungen; ++i) {
        const fs::path tag = ort.wurzel / "tag";
        FrischKopieren(ort.quelle(), tag);
        const Zeiten t = Pflicht(Stapellauf(ort, tag, KESTRAV_BIN "/kestrav-cmd"), 1);
        tagWand.push_back(t.wand);
        tagRechen.push_back(t.rechen);

        const fs::path bezug = ort.wurzel / "bezug";
        const Zeiten b = Bezugslauf(ort, jobdateien, bezug);
        bezugWand.push_back(b.wand);
        bezugRechen.push_back(b.rechen);
        // Beide Wege müssen dieselbe Arbeit des Rechenkerns getan haben.
        for (const char* liste : {"_ergebnis_np012830_list.txt", "_ergebnis_np022830_list.txt"}) {
            if (Lesen(tag / liste) != Lesen(bezug / liste) || Lesen(tag / liste).empty()) {
                std::fprintf(stderr, "%s weicht im Bezugslauf ab\n", liste);
                return 1;
            }
        }
    }

    const double t = Median(tagWand), b = Median(bezugWand);
    const double punkte = static_cast<double>(jobdateien.size());
    std::printf("Demotag (%zu Neupunkte) ohne Fenster, Median aus %d Läufen\n", jobdateien.size(),
                wiederholungen);
    std::printf("%-48s %9s %9s\n", "", "Wanduhr", "Rechnen");
    std::printf("%-48s %6.0f ms %6.0f ms\n", "kestrav-stapel, ganzer Tag", t, Median(tagRechen));
    std::printf("%-48s %6.0f ms %6.0f ms\n", "Bezug: Rechenkernaufrufe der Jobdateien direkt", b,
                Median(bezugRechen));
    std::printf("Verhältnis Tag/Bezug: %.2f; Kestrav um den Rechenkern: %.0f ms je Neupunkt\n",
                t / b, (t - b) / punkte);
    fs::remove_all(ort.wurzel);
    return 0;
}
