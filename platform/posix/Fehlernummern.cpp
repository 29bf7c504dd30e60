#include "platform/posix/Fehlernummern.h"

#include "platform/Laufzeitfehler.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

bool VerzeichnisDa(const std::string& hostpfad) {
    auto schraeg = hostpfad.find_last_of('/');
    if (schraeg == std::string::npos)
        return true;
    std::string verzeichnis = schraeg == 0 ? "/" : hostpfad.substr(0, schraeg);
    struct stat info {};
    return stat(verzeichnis.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int FehlernummerAusErrno(int fehler, const std::string& hostpfad) {
    switch (fehler) {
    case ENOENT:
        return VerzeichnisDa(hostpfad) ? 53 : 76;
    case ENOTDIR:
    case ELOOP:
        return 76;
    case EACCES:
    case EPERM:
        return 70;
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return 75;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 61;
    case EEXIST:
    case ENOTEMPTY:
        return 58;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return 52;
    case EIO:
        return 57;
    case EXDEV:
        return 74;
    case EMFILE:
    case ENFILE:
        return 67;
    case ENOMEM:
        return 7;
    case ENODEV:
    case ENXIO:
        return 68;
    default:
        return 75;
    }
}

void FehlerWerfen(int fehler, const std::string& hostpfad) {
    throw Laufzeitfehler(FehlernummerAusErrno(fehler, hostpfad),
                         hostpfad + ": " + std::strerror(fehler));
}
