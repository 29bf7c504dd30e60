#include "Modulinstallation.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace {

constexpr const char* kModulnamen[] = {"qel",     "qel2",     "bo1",     "bo2",
                                       "qel.exe", "qel2.exe", "bo1.exe", "bo2.exe"};

bool ProgrammKopieren(const fs::path& ziel) {
    std::error_code fehler;
    const fs::path selbst = fs::read_symlink("/proc/self/exe", fehler);
    if (fehler)
        return false;
    if (fs::equivalent(selbst, ziel, fehler))
        return true;
    fs::remove(ziel, fehler);
    return fs::copy_file(selbst, ziel, fs::copy_options::overwrite_existing, fehler);
}

} // namespace

void Installationsbericht::Melden(bool gut, const std::string& was) {
    std::fprintf(gut ? stdout : stderr, "%s%s%s\n", gut ? "" : programm_.c_str(),
                 gut ? "" : ": nicht installiert: ", was.c_str());
    if (!gut)
        fehler_ = true;
}

bool VerweisOderKopie(const fs::path& ziel, const fs::path& verweis, const fs::path& kopierquelle) {
    std::error_code fehler;
    fs::remove(verweis, fehler);
    fs::create_symlink(ziel, verweis, fehler);
    if (!fehler)
        return true;
    return fs::copy_file(kopierquelle, verweis, fs::copy_options::overwrite_existing, fehler);
}

void ModuleInstallieren(const fs::path& ziel, const std::string& programm,
                        Installationsbericht& bericht) {
    std::error_code fehler;
    fs::create_directories(ziel, fehler);
    const fs::path kopie = ziel / programm;
    const bool da = ProgrammKopieren(kopie);
    bericht.Melden(da, kopie.string());
    if (da)
        for (const char* name : kModulnamen)
            bericht.Melden(VerweisOderKopie(programm, ziel / name, kopie), (ziel / name).string());
}

fs::path Programmverzeichnis() {
    std::error_code fehler;
    const fs::path selbst = fs::read_symlink("/proc/self/exe", fehler);
    return fehler ? fs::path(".") : selbst.parent_path();
}
