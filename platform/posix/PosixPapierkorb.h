#pragma once
// Papierkorb nach der freedesktop.org-Festlegung: im Heimatverzeichnis ($XDG_DATA_HOME/Trash),
// für Dateien anderer Datenträger $topdir/.Trash/$uid oder $topdir/.Trash-$uid, und wo keiner
// davon geht, eine Kopie in den Papierkorb im Heimatverzeichnis, bevor die Datei verschwindet.
#include "platform/Papierkorb.h"
#include "platform/posix/Laufwerke.h"

#include <ctime>
#include <string>
#include <sys/types.h>

class PosixPapierkorb : public Papierkorb {
public:
    // heim: Host-Verzeichnis des Papierkorbs im Heimatverzeichnis ("" = keiner).
    explicit PosixPapierkorb(Laufwerke laufwerke, std::string heim = HeimPapierkorb());

    bool Moeglich(const Text& pfad) override;
    void Verschieben(const Text& pfad) override;

    // ${XDG_DATA_HOME:-$HOME/.local/share}/Trash
    static std::string HeimPapierkorb();

private:
    std::string Hostpfad(const Text& pfad) const;

    Laufwerke laufwerke_;
    std::string heim_;
};

// Papierkorb des Datenträgers mit der Wurzel topdir: $topdir/.Trash/$uid, wenn $topdir/.Trash ein
// echtes Verzeichnis mit Sticky-Bit ist, sonst $topdir/.Trash-$uid; angelegt, wo nötig. "" wenn
// keiner benutzbar ist. Die Wurzel "/" bekommt nie einen: dort dient der im Heimatverzeichnis.
std::string VolumenPapierkorb(const std::string& topdir, uid_t uid);

// Inhalt der .trashinfo-Datei: Pfad mit %-Kodierung wie in URLs, Löschzeit in Ortszeit.
std::string PapierkorbInfo(const std::string& pfad, std::time_t zeit);
