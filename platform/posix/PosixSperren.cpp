#include "platform/posix/PosixSperren.h"

#include "platform/Laufzeitfehler.h"
#include "platform/posix/Fehlernummern.h"
#include "platform/posix/Prozessumgebung.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<int>& Gehaltene() {
    static std::vector<int> kennungen;
    return kennungen;
}

class PosixLaufsperre : public Laufsperre {
public:
    explicit PosixLaufsperre(int fd) : fd_(fd) { Gehaltene().push_back(fd_); }
    ~PosixLaufsperre() override {
        auto& g = Gehaltene();
        g.erase(std::remove(g.begin(), g.end(), fd_), g.end());
        close(fd_);
    }

private:
    int fd_;
};

// true: gesperrt; false: hält schon ein anderer. Wo flock fehlt (manche FUSE-Dateisysteme),
// dient eine Sperre der offenen Datei (OFD), die ebenso je offener Datei gilt.
bool SperreSetzen(int fd, const std::string& host) {
    int ergebnis;
    do {
        ergebnis = flock(fd, LOCK_EX | LOCK_NB);
    } while (ergebnis != 0 && errno == EINTR);
    if (ergebnis == 0)
        return true;
    if (errno == EWOULDBLOCK)
        return false;
    if (errno != ENOLCK && errno != EOPNOTSUPP && errno != EINVAL)
        FehlerWerfen(errno, host);
    struct flock ganz {};
    ganz.l_type = F_WRLCK;
    ganz.l_whence = SEEK_SET;
    if (fcntl(fd, F_OFD_SETLK, &ganz) == 0)
        return true;
    if (errno == EAGAIN || errno == EACCES)
        return false;
    FehlerWerfen(errno, host);
}

} // namespace

std::unique_ptr<Laufsperre> PosixSperren::Nehmen(const Text& verzeichnis) {
    const std::optional<std::string> ort =
        laufwerke_.NachHost(verzeichnis, laufwerke_.AusHost(HostArbeitsverzeichnis()));
    if (!ort)
        throw Laufzeitfehler(76, NachUtf8(verzeichnis));
    const std::string host = (*ort == "/" ? "" : *ort) + "/" + SPERRDATEI;
    // Kein Verweis und keine FIFO, die jemand an ihren Platz gelegt hat.
    int fd;
    do {
        fd = open(host.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        FehlerWerfen(errno, host);
    struct stat info {};
    try {
        if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
            throw Laufzeitfehler(75, host + ": keine gewöhnliche Datei");
        if (!SperreSetzen(fd, host)) {
            close(fd);
            return nullptr;
        }
    } catch (...) {
        close(fd);
        throw;
    }
    return std::make_unique<PosixLaufsperre>(fd);
}

std::vector<int> VererbbareSperren() {
    return Gehaltene();
}
