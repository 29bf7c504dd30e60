// Misst Kestravs Aufwand je echtem Punkt: kestrav-stapel mit vexlo-rtk auf dem GSI-Paar (0759 als
// Neupunkt, 3040 unter drei Namen als Referenzen) gegen den bloßen Aufruf von rnx2rtkp für
// dieselbe Basislinie, beides im selben Lauf. vexlo-rtk rechnet je Referenz eine Basislinie, also
// drei; das Verhältnis wird daher auch je Basislinie genannt. Aufruf: bench_rtk [Wiederholungen]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kDaten = fs::path(KESTRAV_SOURCE_DIR) / "data" / "rtklib-gsi-2005-092";
constexpr const char* kBasis = "-3978242.4348 3382841.1715 3649902.7667";

double Sekunden(const std::string& befehl) {
    const auto anfang = std::chrono::steady_clock::now();
    if (std::system((befehl + " >/dev/null 2>&1").c_str()) != 0) {
        std::fprintf(stderr, "fehlgeschlagen: %s\n", befehl.c_str());
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

std::string Tagesverzeichnis(const fs::path& ort) {
    const fs::path tag = ort / "tag";
    fs::create_directories(tag);
    fs::copy_file(kDaten / "07590920.05o", tag / "07590920.05o");
    fs::copy_file(kDaten / "07590920.05n", tag / "07590920.05n");
    std::string koordinaten;
    for (const std::string k : {"aaaa", "bbbb", "cccc"}) {
        fs::copy_file(kDaten / "30400920.05o", tag / (k + "0920.05o"));
        koordinaten += k + " " + kBasis + "\n";
    }
    std::FILE* datei = std::fopen((tag / "Referenzkoordinaten.txt").c_str(), "w");
    std::fputs(koordinaten.c_str(), datei);
    std::fclose(datei);
    return tag.string();
}

} // namespace

int main(int argc, char** argv) {
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path ort = fs::temp_directory_path() / ("bench_rtk." + std::to_string(getpid()));
    const std::string tag = Tagesverzeichnis(ort);
    const std::string c = (ort / "c").string();
    Sekunden(std::string(KESTRAV_BIN_DIR "/vexlo-rtk --installieren ") + c + "/programme/vexlo");
    const fs::path ini = ort / "kestrav.ini";
    fs::copy_file(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini", ini);
    const std::string stapel =
        "KESTRAV_LAUFWERK_C=" + c + " KESTRAV_CMD=" KESTRAV_BIN_DIR "/kestrav-cmd" +
        " KESTRAV_ANZEIGE=/bin/true DISPLAY= WAYLAND_DISPLAY= " KESTRAV_BIN_DIR
        "/kestrav-stapel --ja --einstellungen " +
        ini.string() +
        " --referenz aaaa0920.05o --referenz bbbb0920.05o --referenz "
        "cccc0920.05o " +
        tag + "/07590920.05o";
    const std::string bloss = "cd " + tag + " && rnx2rtkp -p 3 -f 2 -m 10 -h -e -r " + kBasis +
                              " -o bloss.pos 07590920.05o aaaa0920.05o 07590920.05n";
    std::vector<double> mitKestrav, ohne;
    for (int i = 0; i < wiederholungen; ++i) {
        mitKestrav.push_back(Sekunden(stapel));
        ohne.push_back(Sekunden(bloss));
    }
    fs::remove_all(ort);
    const double k = Median(mitKestrav), r = Median(ohne);
    std::printf("kestrav-stapel mit vexlo-rtk (ein Punkt, drei Basislinien): %.3f s\n"
                "rnx2rtkp allein (eine Basislinie): %.3f s\n"
                "Verhältnis je Punkt: %.2f, je Basislinie: %.2f\n",
                k, r, k / r, k / (3 * r));
    return 0;
}
