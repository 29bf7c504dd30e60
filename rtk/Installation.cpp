#include "Installation.h"

#include "Modulinstallation.h"

#include <filesystem>

namespace fs = std::filesystem;

int Installieren(const std::string& verzeichnis, const std::string& gitter) {
    const fs::path ziel(verzeichnis);
    Installationsbericht bericht("vexlo-rtk");
    ModuleInstallieren(ziel, "vexlo-rtk", bericht);
    if (gitter.empty())
        return bericht.Rueckgabe();
    std::error_code fehler;
    const fs::path quelle = fs::absolute(gitter, fehler);
    const bool lesbar = !fehler && fs::is_regular_file(quelle, fehler);
    // Der Name des Gitters bleibt vorn erhalten; ".bog" ist, woran Kestrav es erkennt.
    const fs::path bog = ziel / (quelle.filename().string() + ".bog");
    bericht.Melden(lesbar && VerweisOderKopie(quelle, bog, quelle),
                   bog.string() + (lesbar ? "" : " (" + gitter + " nicht lesbar)"));
    return bericht.Rueckgabe();
}
