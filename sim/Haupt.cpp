// vexlo-sim: steht für den Vexlo-Rechenkern ein, wo er nicht installiert ist. Kein GNSS-Rechenkern.
#include "Aufrufname.h"
#include "Bo.h"
#include "Demotag.h"
#include "Installation.h"
#include "Qel.h"

#include <cstdio>
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
    const bool hilfe =
        argumente.size() == 1 && (argumente[0] == "--hilfe" || argumente[0] == "--help");
    std::fputs(kHilfe, hilfe ? stdout : stderr);
    return hilfe ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string name = Aufrufname(argc > 0 ? argv[0] : "");
    switch (ModulZuName(name)) {
    case Modul::Qel:
        return QelAusfuehren(name, argumente);
    case Modul::Bo:
        return BoAusfuehren(name, argumente);
    case Modul::Werkzeug:
        break;
    }
    return Werkzeug(argumente);
}
