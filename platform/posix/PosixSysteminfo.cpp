#include "platform/posix/PosixSysteminfo.h"

#include "platform/Laufzeitfehler.h"

#include <climits>
#include <sys/utsname.h>
#include <unistd.h>

PosixSysteminfo::PosixSysteminfo(std::vector<std::string> argumente)
    : argumente_(std::move(argumente)) {}

// Fast alle 64-Bit-Maschinen tragen "64" im Namen (x86_64, aarch64, ia64, mips64el ...).
std::string BitbreiteDerMaschine(const std::string& maschine) {
    const bool b64 =
        maschine.find("64") != std::string::npos || maschine == "s390x" || maschine == "alpha";
    return b64 ? "64-bit" : "32-bit";
}

Text PosixSysteminfo::Beschreibung() {
    utsname u{};
    if (uname(&u) != 0)
        throw Laufzeitfehler(5, "uname");
    std::string s =
        std::string(u.sysname) + " " + u.release + ", " + BitbreiteDerMaschine(u.machine);
    return AusUtf8(s);
}

Text PosixSysteminfo::Programmpfad() {
    char puffer[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", puffer, PATH_MAX);
    if (n <= 0)
        return Text();
    std::string pfad(puffer, static_cast<std::size_t>(n));
    auto schraeg = pfad.rfind('/');
    return AusUtf8(schraeg == 0 ? "/" : pfad.substr(0, schraeg));
}

Text PosixSysteminfo::Befehlszeile() {
    std::string zeile;
    for (const auto& a : argumente_) {
        if (!zeile.empty())
            zeile += ' ';
        zeile += a;
    }
    return AusUtf8(zeile);
}
