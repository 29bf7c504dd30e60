#include "Installation.h"

#include "Handbuecher.h"
#include "Koordinaten.h"
#include "Modulinstallation.h"
#include "Pdf.h"
#include "Textdatei.h"

namespace fs = std::filesystem;

int Installieren(const std::string& verzeichnis) {
    const fs::path ziel(verzeichnis);
    Installationsbericht bericht("vexlo-sim");
    ModuleInstallieren(ziel, "vexlo-sim", bericht);
    const fs::path geoid = ziel / "egm96_15.bog";
    if (const auto gitter = GeoidGitterFinden())
        bericht.Melden(VerweisOderKopie(*gitter, geoid, *gitter), geoid.string());
    else
        bericht.Melden(false,
                       geoid.string() + std::string(" (") + kGeoidGitter + " aus proj-data fehlt)");
    const fs::path qel = ziel / "Qel-Manual.pdf";
    bericht.Melden(
        BytesSchreiben(qel.string(), PdfErzeugen("Qel - Handbuch (vexlo-sim)", QelHandbuch())),
        qel.string());
    const fs::path ug = ziel / "Vexlo_UG_2.pdf";
    bericht.Melden(BytesSchreiben(ug.string(), PdfErzeugen("Vexlo 2 - Benutzerhandbuch (vexlo-sim)",
                                                           VexloHandbuch())),
                   ug.string());
    return bericht.Rueckgabe();
}
