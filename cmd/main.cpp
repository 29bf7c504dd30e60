// kestrav-cmd: führt eine Stapeldatei Zeile für Zeile im aktuellen Verzeichnis aus.
// Aufruf "kestrav-cmd /c DATEI.bat" (so startet Kestrav) oder "kestrav-cmd DATEI.bat".
// kestrav-stapel setzt "--elternwache PID" davor: stirbt es, endet der Stapel mit dem Rechenkern.
#include "cmd/Ausfuehren.h"
#include "cmd/Stapelzeile.h"
#include "platform/posix/Laufwerke.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IstGewoehnlicheDatei(const std::string& pfad) {
    struct stat angaben {};
    return stat(pfad.c_str(), &angaben) == 0 && S_ISREG(angaben.st_mode);
}

std::string AktuellesVerzeichnis() {
    std::string puffer(4096, '\0');
    while (!getcwd(puffer.data(), puffer.size()))
        puffer.resize(puffer.size() * 2);
    return puffer.c_str();
}

// Erst als Host-Pfad (von Hand aufgerufen), dann als Windows-Pfad über die Laufwerke.
std::optional<std::string> StapeldateiFinden(const Laufwerke& laufwerke, const std::string& name,
                                             TextSicht basis) {
    if (IstGewoehnlicheDatei(name))
        return name;
    std::optional<std::string> pfad = laufwerke.NachHost(AusUtf8(name), basis);
    if (pfad && IstGewoehnlicheDatei(*pfad))
        return pfad;
    return std::nullopt;
}

bool IstSchalterC(const char* argument) {
    return std::strcmp(argument, "/c") == 0 || std::strcmp(argument, "/C") == 0;
}

} // namespace

int main(int argc, char** argv) {
    int erstes = 1;
    if (argc > 2 && std::strcmp(argv[1], "--elternwache") == 0) {
        ElternbindungAnlegen(std::strtol(argv[2], nullptr, 10));
        erstes = 3;
    }
    if (erstes < argc && IstSchalterC(argv[erstes]))
        ++erstes;
    if (erstes >= argc) {
        std::fprintf(stderr, "Aufruf: kestrav-cmd [--elternwache PID] [/c] DATEI.bat\n");
        return 1;
    }

    Laufwerke laufwerke = Laufwerke::AusUmgebung();
    Text basis = laufwerke.AusHost(AktuellesVerzeichnis());
    std::optional<std::string> stapeldatei = StapeldateiFinden(laufwerke, argv[erstes], basis);
    if (!stapeldatei) {
        std::fprintf(stderr, "Die Stapeldatei \"%s\" wurde nicht gefunden.\n", argv[erstes]);
        return 1;
    }
    // Ganz gelesen: Kestrav darf die Datei löschen (Abbruch), während der Stapel noch läuft.
    std::ifstream ein(*stapeldatei, std::ios::binary);
    if (!ein) {
        std::fprintf(stderr, "Die Stapeldatei \"%s\" kann nicht gelesen werden.\n", argv[erstes]);
        return 1;
    }
    std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};

    int exitcode = 0;
    for (const std::string& zeile : StapelZeilen(inhalt)) {
        if (ElternprozessBeendet())
            EigeneGruppeBeenden();
        Stapelbefehl befehl = ZeileDeuten(zeile);
        switch (befehl.art) {
        case Befehlsart::Nichts:
            break;
        case Befehlsart::Pause:
            Pausieren();
            break;
        case Befehlsart::Ausgabe:
            std::printf("%s\n", NachUtf8(befehl.worte.front()).c_str());
            break;
        case Befehlsart::Programm:
            exitcode = BefehlAusfuehren(laufwerke, basis, befehl.worte);
            break;
        }
    }
    return exitcode;
}
