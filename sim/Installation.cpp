#include "Installation.h"

#include "Handbuecher.h"
#include "Koordinaten.h"
#include "Pdf.h"
#include "Textdatei.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramm = "vexlo-sim";
constexpr const char* kModulnamen[] = {"qel",     "qel2",     "bo1",     "bo2",
                                       "qel.exe", "qel2.exe", "bo1.exe", "bo2.exe"};

// Verweis anlegen; wo das Dateisystem keine kennt, eine Kopie.
bool VerweisOderKopie(const fs::path& ziel, const fs::path& verweis, const fs::path& kopierquelle) {
    std::error_code fehler;
    fs::remove(verweis, fehler);
    fs::create_symlink(ziel, verweis, fehler);
    if (!fehler)
        return true;
    return fs::copy_file(kopierquelle, verweis, fs::copy_options::overwrite_existing, fehler);
}

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

int Installieren(const std::string& verzeichnis) {
    const fs::path ziel(verzeichnis);
    std::error_code fehler;
    fs::create_directories(ziel, fehler);
    int rueckgabe = 0;
    auto melden = [&](bool gut, const std::string& was) {
        std::fprintf(gut ? stdout : stderr, "%s%s\n",
                     gut ? "" : "vexlo-sim: nicht installiert: ", was.c_str());
        if (!gut)
            rueckgabe = 1;
    };
    const fs::path programm = ziel / kProgramm;
    const bool programmDa = ProgrammKopieren(programm);
    melden(programmDa, programm.string());
    if (programmDa)
        for (const char* name : kModulnamen)
            melden(VerweisOderKopie(kProgramm, ziel / name, programm), (ziel / name).string());
    const fs::path geoid = ziel / "egm96_15.bog";
    if (const auto gitter = GeoidGitterFinden())
        melden(VerweisOderKopie(*gitter, geoid, *gitter), geoid.string());
    else
        melden(false, geoid.string() + std::string(" (") + kGeoidGitter + " aus proj-data fehlt)");
    const fs::path qel = ziel / "Qel-Manual.pdf";
    melden(BytesSchreiben(qel.string(), PdfErzeugen("Qel - Handbuch (vexlo-sim)", QelHandbuch())),
           qel.string());
    const fs::path ug = ziel / "Vexlo_UG_2.pdf";
    melden(BytesSchreiben(ug.string(),
                          PdfErzeugen("Vexlo 2 - Benutzerhandbuch (vexlo-sim)", VexloHandbuch())),
           ug.string());
    return rueckgabe;
}
