#include "platform/posix/PosixPapierkorb.h"

#include "platform/Laufzeitfehler.h"
#include "platform/posix/Fehlernummern.h"
#include "platform/posix/Prozessumgebung.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Elternteil(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    return schraeg == std::string::npos || schraeg == 0 ? "/" : pfad.substr(0, schraeg);
}

std::string Namensteil(const std::string& pfad) {
    return pfad.substr(pfad.find_last_of('/') + 1);
}

// Ein echtes Verzeichnis (kein Verweis) des Benutzers; fehlt es, wird es mit 0700 angelegt.
bool EigenesVerzeichnis(const std::string& pfad, uid_t uid) {
    if (mkdir(pfad.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    return lstat(pfad.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == uid &&
           access(pfad.c_str(), W_OK | X_OK) == 0;
}

// Ein Papierkorb braucht files/ und info/.
bool KorbBereit(const std::string& korb, uid_t uid) {
    return EigenesVerzeichnis(korb, uid) && EigenesVerzeichnis(korb + "/files", uid) &&
           EigenesVerzeichnis(korb + "/info", uid);
}

bool HeimBereit(const std::string& heim) {
    if (heim.empty())
        return false;
    // Die Eltern wie "mkdir -p"; der Korb selbst muss dem Benutzer gehören.
    for (std::size_t i = 1; i < heim.size(); ++i)
        if (heim[i] == '/')
            mkdir(heim.substr(0, i).c_str(), 0700);
    return KorbBereit(heim, getuid());
}

// Gerät des Pfades oder seines nächsten vorhandenen Vorfahren (der Korb entsteht erst später).
dev_t GeraetVon(std::string pfad) {
    struct stat info {};
    while (stat(pfad.c_str(), &info) != 0 && pfad != "/")
        pfad = Elternteil(pfad);
    return info.st_dev;
}

// Oberstes Verzeichnis auf demselben Gerät: die Wurzel des Datenträgers.
std::string Einhaengepunkt(std::string verzeichnis, dev_t geraet) {
    while (verzeichnis != "/") {
        struct stat info {};
        const std::string oben = Elternteil(verzeichnis);
        if (stat(oben.c_str(), &info) != 0 || info.st_dev != geraet)
            return verzeichnis;
        verzeichnis = oben;
    }
    return "/";
}

struct Ziel {
    std::string korb;
    std::string pfadInInfo; // absolut im Heim-Korb, relativ zur Wurzel im Datenträger-Korb
    bool kopieren = false;
};

std::optional<Ziel> ZielFinden(const std::string& datei, const std::string& heim) {
    struct stat info {};
    if (lstat(datei.c_str(), &info) != 0)
        return std::nullopt;
    char* echt = realpath(Elternteil(datei).c_str(), nullptr);
    if (!echt)
        return std::nullopt;
    const std::string verzeichnis = echt;
    std::free(echt);
    const std::string absolut = (verzeichnis == "/" ? "" : verzeichnis) + "/" + Namensteil(datei);

    if (!heim.empty() && GeraetVon(heim) == info.st_dev && HeimBereit(heim))
        return Ziel{heim, absolut, false};
    const std::string wurzel = Einhaengepunkt(verzeichnis, info.st_dev);
    const std::string korb = VolumenPapierkorb(wurzel, getuid());
    if (!korb.empty())
        return Ziel{korb, absolut.substr(wurzel.size() + 1), false};
    if (S_ISREG(info.st_mode) && HeimBereit(heim))
        return Ziel{heim, absolut, true};
    return std::nullopt;
}

// "name.ext", "name.2.ext", "name.3.ext" ...
std::string Kandidat(const std::string& name, int nummer) {
    if (nummer == 1)
        return name;
    const auto punkt = name.rfind('.');
    const std::string zahl = "." + std::to_string(nummer);
    return punkt == std::string::npos || punkt == 0
               ? name + zahl
               : name.substr(0, punkt) + zahl + name.substr(punkt);
}

// Legt die Info-Datei exklusiv an und gibt den Namen im Korb zurück; der Name in files/ ist dann
// reserviert.
std::string InfoAnlegen(const Ziel& ziel, const std::string& name) {
    const std::string inhalt = PapierkorbInfo(ziel.pfadInInfo, std::time(nullptr));
    for (int nummer = 1;; ++nummer) {
        const std::string kandidat = Kandidat(name, nummer);
        struct stat info {};
        if (lstat((ziel.korb + "/files/" + kandidat).c_str(), &info) == 0)
            continue;
        const std::string infodatei = ziel.korb + "/info/" + kandidat + ".trashinfo";
        const int fd = open(infodatei.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            FehlerWerfen(errno, infodatei);
        }
        const bool ganz =
            write(fd, inhalt.data(), inhalt.size()) == static_cast<ssize_t>(inhalt.size());
        const int fehler = errno;
        if (close(fd) != 0 || !ganz) {
            unlink(infodatei.c_str());
            FehlerWerfen(ganz ? errno : fehler, infodatei);
        }
        return kandidat;
    }
}

// Kopie mit Rechten und Änderungszeit; eine halbe Kopie bleibt nicht liegen.
bool Kopieren(const std::string& quelle, const std::string& ziel) {
    const int ein = open(quelle.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (ein < 0)
        return false;
    struct stat info {};
    const int aus = fstat(ein, &info) == 0
                        ? open(ziel.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)
                        : -1;
    bool gut = aus >= 0;
    char puffer[64 * 1024];
    while (gut) {
        const ssize_t n = read(ein, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            gut = n == 0;
            break;
        }
        for (ssize_t geschrieben = 0; gut && geschrieben < n;) {
            const ssize_t m =
                write(aus, puffer + geschrieben, static_cast<size_t>(n - geschrieben));
            gut = m > 0 || (m < 0 && errno == EINTR);
            geschrieben += m > 0 ? m : 0;
        }
    }
    if (aus >= 0) {
        const timespec zeiten[2] = {info.st_atim, info.st_mtim};
        gut = gut && fchmod(aus, info.st_mode & 07777) == 0 && futimens(aus, zeiten) == 0 &&
              fsync(aus) == 0;
        gut = close(aus) == 0 && gut;
        if (!gut)
            unlink(ziel.c_str());
    }
    close(ein);
    return gut;
}

} // namespace

std::string VolumenPapierkorb(const std::string& topdir, uid_t uid) {
    if (topdir.empty() || topdir == "/")
        return "";
    const std::string gemeinsam = topdir + "/.Trash";
    struct stat info {};
    if (lstat(gemeinsam.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)) {
        const std::string korb = gemeinsam + "/" + std::to_string(uid);
        if (KorbBereit(korb, uid))
            return korb;
    }
    const std::string eigen = topdir + "/.Trash-" + std::to_string(uid);
    return KorbBereit(eigen, uid) ? eigen : "";
}

std::string PapierkorbInfo(const std::string& pfad, std::time_t zeit) {
    static const char ziffern[] = "0123456789ABCDEF";
    std::string kodiert;
    for (unsigned char z : pfad) {
        const bool frei = (z >= 'a' && z <= 'z') || (z >= 'A' && z <= 'Z') ||
                          (z >= '0' && z <= '9') || z == '-' || z == '_' || z == '.' || z == '~' ||
                          z == '/';
        if (frei) {
            kodiert += static_cast<char>(z);
        } else {
            kodiert += '%';
            kodiert += ziffern[z >> 4];
            kodiert += ziffern[z & 15];
        }
    }
    std::tm ortszeit{};
    localtime_r(&zeit, &ortszeit);
    char datum[32];
    std::strftime(datum, sizeof datum, "%Y-%m-%dT%H:%M:%S", &ortszeit);
    return "[Trash Info]\r\nPath=" + kodiert + "\r\nDeletionDate=" + datum + "\r\n";
}

PosixPapierkorb::PosixPapierkorb(Laufwerke laufwerke, std::string heim)
    : laufwerke_(std::move(laufwerke)), heim_(std::move(heim)) {}

std::string PosixPapierkorb::HeimPapierkorb() {
    std::string daten = Umgebungswert("XDG_DATA_HOME");
    if (daten.empty() || daten[0] != '/') {
        std::string heim = Umgebungswert("HOME");
        if (heim.empty())
            if (const passwd* eintrag = getpwuid(getuid()); eintrag && eintrag->pw_dir)
                heim = eintrag->pw_dir;
        if (heim.empty() || heim[0] != '/')
            return "";
        daten = heim + "/.local/share";
    }
    return daten + "/Trash";
}

std::string PosixPapierkorb::Hostpfad(const Text& pfad) const {
    const std::optional<std::string> host =
        laufwerke_.NachHost(pfad, laufwerke_.AusHost(HostArbeitsverzeichnis()));
    if (!host)
        throw Laufzeitfehler(68, NachUtf8(pfad));
    return *host;
}

bool PosixPapierkorb::Moeglich(const Text& pfad) {
    try {
        return ZielFinden(Hostpfad(pfad), heim_).has_value();
    } catch (const Laufzeitfehler&) {
        return false;
    }
}

void PosixPapierkorb::Verschieben(const Text& pfad) {
    const std::string datei = Hostpfad(pfad);
    const std::optional<Ziel> ziel = ZielFinden(datei, heim_);
    if (!ziel) {
        struct stat info {};
        if (lstat(datei.c_str(), &info) != 0)
            FehlerWerfen(errno, datei);
        throw Laufzeitfehler(75, datei + ": kein Papierkorb");
    }
    const std::string name = InfoAnlegen(*ziel, Namensteil(datei));
    const std::string infodatei = ziel->korb + "/info/" + name + ".trashinfo";
    const std::string abgelegt = ziel->korb + "/files/" + name;
    int fehler = 0;
    // Über eine Bind-Einhängung hinweg scheitert rename trotz gleichen Geräts: dann die Kopie.
    if (!ziel->kopieren && std::rename(datei.c_str(), abgelegt.c_str()) != 0)
        fehler = errno;
    if (ziel->kopieren || fehler == EXDEV) {
        fehler = Kopieren(datei, abgelegt) ? 0 : (errno ? errno : EIO);
        if (fehler == 0 && unlink(datei.c_str()) != 0) {
            fehler = errno;
            unlink(abgelegt.c_str());
        }
    }
    if (fehler != 0) {
        unlink(infodatei.c_str());
        FehlerWerfen(fehler, datei);
    }
}
