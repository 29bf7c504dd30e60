// vexlo-rtk: Rechenkern hinter Kestravs Aufrufen von Qel und Bo, der echte Basislinien mit
// rnx2rtkp (RTKLIB) rechnet, statt eine virtuelle Station zu bilden.
#include "Aufrufname.h"
#include "Bo.h"
#include "Installation.h"
#include "Qel.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kHilfe =
    "vexlo-rtk - Rechenkern mit rnx2rtkp (RTKLIB) für Kestrav\n"
    "\n"
    "Unter den Namen qel, qel2, bo1 und bo2 (auch mit .exe) arbeitet das Programm als Modul\n"
    "Qel bzw. Bo im aktuellen Verzeichnis, wie Kestravs Jobdatei es aufruft:\n"
    "  qel2 NEUPUNKT.23o KENN,KENN,KENN +PRO [-SVG] [-SVR] [-SVE] [-SVS]\n"
    "  bo2 virtTTT.JJo NEUPUNKT.23o +FELISTE +FSLOESUNG +FLPROTOKOLL [-eGRAD] [-zZONE] [+Sb]\n"
    "      [+ACFDATEI.atx]\n"
    "Referenzkoordinaten: Referenzkoordinaten.txt im Arbeitsverzeichnis, je Zeile\n"
    "  KENNUNG X Y Z (ETRS89, Meter).\n"
    "\n"
    "  vexlo-rtk --installieren VERZEICHNIS [--geoid DATEI]\n"
    "      qel, qel2, bo1, bo2 (auch .exe) installieren; mit --geoid das amtliche\n"
    "      Höhenbezugsgitter (ein Format, das PROJ liest) als *.bog\n";

int Werkzeug(const std::vector<std::string>& argumente) {
    if (argumente.size() == 2 && argumente[0] == "--installieren")
        return Installieren(argumente[1], "");
    if (argumente.size() == 4 && argumente[0] == "--installieren" && argumente[2] == "--geoid")
        return Installieren(argumente[1], argumente[3]);
    return HilfeAusgeben(argumente, kHilfe);
}

} // namespace

int main(int argc, char** argv) {
    return RechenkernStarten(argc, argv, {QelAusfuehren, BoAusfuehren, Werkzeug});
}
