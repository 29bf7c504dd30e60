// vexlo-sim: steht für den Vexlo-Rechenkern ein, wo er nicht installiert ist. Kein GNSS-Rechenkern.
#include "Aufrufname.h"
#include "Bo.h"
#include "Demotag.h"
#include "Installation.h"
#include "Qel.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kHilfe =
    "vexlo-sim - Ersatz für den Vexlo-Rechenkern (Simulator, kein GNSS-Rechenkern)\n"
    "\n"
    "Unter den Namen qel, qel2, bo1 und bo2 (auch mit .exe) arbeitet das Programm als Modul\n"
    "Qel bzw. Bo im aktuellen Verzeichnis, wie Kestravs Jobdatei es aufruft:\n"
    "  qel2 NEUPUNKT.23o KENN,KENN,KENN +PRO [-A] [-SVG] [-SVR] [-SVE] [-SVS] [+ADATEI.atx]\n"
    "  bo2 virtTTT.JJo NEUPUNKT.23o +FELISTE +FSLOESUNG +FLPROTOKOLL [+Sb] [+ACFDATEI.atx]\n"
    "\n"
    "  vexlo-sim --demo VERZEICHNIS          Demotag schreiben (RINEX 2.11 und ANTEX 1.4)\n"
    "  vexlo-sim --installieren VERZEICHNIS  qel, qel2, bo1, bo2 (auch .exe), Geoiddatei\n"
    "                                        *.bog und Handbücher installieren\n";

int Werkzeug(const std::vector<std::string>& argumente) {
    if (argumente.size() == 2 && argumente[0] == "--demo")
        return DemotagSchreiben(argumente[1]);
    if (argumente.size() == 2 && argumente[0] == "--installieren")
        return Installieren(argumente[1]);
    return HilfeAusgeben(argumente, kHilfe);
}

} // namespace

int main(int argc, char** argv) {
    return RechenkernStarten(argc, argv, {QelAusfuehren, BoAusfuehren, Werkzeug});
}
