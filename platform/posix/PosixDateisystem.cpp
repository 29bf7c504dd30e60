#include "platform/posix/PosixDateisystem.h"

#include "platform/Laufzeitfehler.h"
#include "platform/Muster.h"
#include "platform/Namensordnung.h"
#include "platform/Windowspfad.h"
#include "platform/Zeilenteiler.h"
#include "platform/posix/Fehlernummern.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlock = 64 * 1024;

// Schließt die Datei beim Verlassen, auch wenn ein Rückruf oder ein Fehler dazwischenkommt.
class Dateikennung {
public:
    explicit Dateikennung(int fd) : fd_(fd) {}
    ~Dateikennung() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Dateikennung(const Dateikennung&) = delete;
    Dateikennung& operator=(const Dateikennung&) = delete;
    int fd() const { return fd_; }
    // Beim Schreiben melden manche Dateisysteme (NFS) Fehler erst hier.
    void Schliessen(const std::string& host) {
        int ergebnis = ::close(fd_);
        fd_ = -1;
        if (ergebnis != 0 && errno != EINTR)
            FehlerWerfen(errno, host);
    }

private:
    int fd_;
};

[[noreturn]] void Werfen(int nummer, const std::string& detail) {
    throw Laufzeitfehler(nummer, detail);
}

std::string Verzeichnisteil(const std::string& host) {
    auto schraeg = host.find_last_of('/');
    if (schraeg == std::string::npos || schraeg == 0)
        return "/";
    return host.substr(0, schraeg);
}

std::string Anhaengen(const std::string& verzeichnis, const std::string& name) {
    return verzeichnis == "/" ? "/" + name : verzeichnis + "/" + name;
}

int Oeffnen(const std::string& host, int flags) {
    int fd;
    do {
        fd = ::open(host.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        FehlerWerfen(errno, host);
    return fd;
}

// Nur gewöhnliche Dateien: ein Verzeichnis, eine FIFO oder ein Gerät ist ein Zugriffsfehler,
// und O_NONBLOCK verhindert, dass schon das Öffnen einer FIFO hängt.
int ZumLesenOeffnen(const std::string& host) {
    int fd = Oeffnen(host, O_RDONLY | O_NONBLOCK);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Werfen(75, host + ": keine gewöhnliche Datei");
    }
    return fd;
}

std::size_t BlockLesen(int fd, char* puffer, std::size_t groesse, const std::string& host) {
    for (;;) {
        ssize_t gelesen = ::read(fd, puffer, groesse);
        if (gelesen >= 0)
            return static_cast<std::size_t>(gelesen);
        if (errno != EINTR)
            FehlerWerfen(errno, host);
    }
}

void AllesSchreiben(int fd, std::string_view bytes, const std::string& host) {
    while (!bytes.empty()) {
        ssize_t geschrieben = ::write(fd, bytes.data(), bytes.size());
        if (geschrieben < 0) {
            if (errno == EINTR)
                continue;
            FehlerWerfen(errno, host);
        }
        bytes.remove_prefix(static_cast<std::size_t>(geschrieben));
    }
}

// Windows kennt weder NUL noch ":" (außer nach dem Laufwerksbuchstaben) in Namen; Platzhalter
// nur dort, wo ein Muster erwartet wird.
void NamePruefen(TextSicht pfad, bool platzhalterErlaubt) {
    for (std::size_t i = 0; i < pfad.size(); ++i) {
        char16_t z = pfad[i];
        bool laufwerksDoppelpunkt = z == u':' && i == 1 && Laufwerksbuchstabe(pfad);
        if (z == 0 || (z == u':' && !laufwerksDoppelpunkt) ||
            (!platzhalterErlaubt && (z == u'*' || z == u'?')))
            Werfen(52, "ungültiger Name: " + NachUtf8(pfad));
    }
}

mode_t AktuelleUmask() {
    mode_t maske = umask(0);
    umask(maske);
    return maske;
}

void VerzeichnisSynchronisieren(const std::string& verzeichnis) {
    int fd = ::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
}

bool IstVerzeichnis(const std::string& host) {
    struct stat info {};
    return stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

PosixDateisystem::PosixDateisystem(Laufwerke laufwerke) : laufwerke_(std::move(laufwerke)) {
    std::string cwd(4096, '\0');
    Text windows = laufwerke_.AusHost(getcwd(cwd.data(), cwd.size()) ? cwd.c_str() : "/");
    aktuellesLaufwerk_ = windows[0];
    verzeichnisse_[aktuellesLaufwerk_] = windows;
}

Text PosixDateisystem::VerzeichnisVon(char16_t laufwerk) const {
    auto it = verzeichnisse_.find(laufwerk);
    return it != verzeichnisse_.end() ? it->second : Text{laufwerk, u':', u'\\'};
}

std::string PosixDateisystem::Host(TextSicht pfad, bool platzhalterErlaubt) const {
    NamePruefen(pfad, platzhalterErlaubt);
    char16_t laufwerk = Laufwerksbuchstabe(pfad);
    auto host = laufwerke_.NachHost(pfad, VerzeichnisVon(laufwerk ? laufwerk : aktuellesLaufwerk_));
    if (!host)
        Werfen(laufwerk ? 68 : 76, "nicht zugeordnet: " + NachUtf8(pfad));
    return *host;
}

std::vector<std::string> PosixDateisystem::Passende(const std::string& verzeichnis,
                                                    TextSicht muster) const {
    DIR* dir = opendir(verzeichnis.c_str());
    if (!dir) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        FehlerWerfen(errno, verzeichnis);
    }
    struct Fund {
        Text text;
        std::string name;
    };
    std::vector<Fund> funde;
    for (;;) {
        errno = 0;
        const dirent* eintrag = readdir(dir);
        if (!eintrag)
            break;
        std::string name = eintrag->d_name;
        if (name.empty() || name[0] == '.')
            continue;
        Text text = AusUtf8(name);
        struct stat info {};
        if (!PasstZuMuster(text, muster) || fstatat(dirfd(dir), name.c_str(), &info, 0) != 0 ||
            !S_ISREG(info.st_mode))
            continue;
        funde.push_back({std::move(text), std::move(name)});
    }
    int lesefehler = errno;
    closedir(dir);
    if (lesefehler != 0)
        FehlerWerfen(lesefehler, verzeichnis);
    // Listenfolge ist Rechenfolge, und der erste Eintrag bestimmt den Tag: wie unter NTFS.
    std::sort(funde.begin(), funde.end(), [](const Fund& a, const Fund& b) {
        return a.text != b.text ? NtfsVorher(a.text, b.text) : a.name < b.name;
    });
    std::vector<std::string> namen;
    namen.reserve(funde.size());
    for (auto& fund : funde)
        namen.push_back(std::move(fund.name));
    return namen;
}

bool PosixDateisystem::Existiert(const Text& pfad) {
    try {
        if (pfad.empty())
            return false;
        struct stat info {};
        return stat(Host(pfad).c_str(), &info) == 0 && S_ISREG(info.st_mode);
    } catch (...) {
        return false;
    }
}

Text PosixDateisystem::Lesen(const Text& pfad) {
    if (pfad.empty())
        Werfen(52, "leerer Dateiname");
    std::string host = Host(pfad);
    Dateikennung datei(ZumLesenOeffnen(host));
    std::string bytes;
    std::string puffer(kBlock, '\0');
    while (std::size_t n = BlockLesen(datei.fd(), puffer.data(), puffer.size(), host))
        bytes.append(puffer, 0, n);
    return AusWindows1252(bytes);
}

void PosixDateisystem::ZeilenLesen(const Text& pfad,
                                   const std::function<bool(const Text&)>& jeZeile) {
    ZeilenAusStueckenLesen(pfad, jeZeile);
}

void PosixDateisystem::ZeilenstueckeLesen(const Text& pfad,
                                          const std::function<bool(TextSicht, bool)>& jeStueck) {
    if (pfad.empty())
        Werfen(52, "leerer Dateiname");
    std::string host = Host(pfad);
    Dateikennung datei(ZumLesenOeffnen(host));
    std::string puffer(kBlock, '\0');
    Zeilenteiler teiler(jeStueck);
    while (std::size_t n = BlockLesen(datei.fd(), puffer.data(), puffer.size(), host))
        if (!teiler.Block(std::string_view(puffer.data(), n)))
            return;
    teiler.Ende();
}

void PosixDateisystem::Schreiben(const Text& pfad, const Text& inhalt, bool anhaengen) {
    if (pfad.empty())
        Werfen(52, "leerer Dateiname");
    std::string host = Host(pfad);
    Dateikennung datei(Oeffnen(host, O_WRONLY | O_CREAT | (anhaengen ? O_APPEND : O_TRUNC)));
    AllesSchreiben(datei.fd(), NachWindows1252(inhalt), host);
    datei.Schliessen(host);
}

void PosixDateisystem::SicherErsetzen(const Text& pfad, const Text& inhalt) {
    if (pfad.empty())
        Werfen(52, "leerer Dateiname");
    std::string ziel = Host(pfad);
    struct stat alt {};
    bool vorhanden = stat(ziel.c_str(), &alt) == 0;
    if (vorhanden) {
        if (!S_ISREG(alt.st_mode))
            Werfen(75, ziel + ": keine gewöhnliche Datei");
        // Ein symbolischer Link bleibt Link; ersetzt wird die Datei, auf die er zeigt.
        if (char* echt = realpath(ziel.c_str(), nullptr)) {
            ziel = echt;
            std::free(echt);
        }
        // Eine schreibgeschützte Datei darf auch auf diesem Weg nicht überschrieben werden.
        if (access(ziel.c_str(), W_OK) != 0)
            FehlerWerfen(errno, ziel);
    }
    std::string verzeichnis = Verzeichnisteil(ziel);
    // Mit Punkt beginnend: Auflistungen sehen die halbe Datei nie.
    std::string temp = Anhaengen(verzeichnis, ".kestrav-XXXXXX");
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        FehlerWerfen(errno, temp);
    Dateikennung datei(fd);
    try {
        fchmod(fd, vorhanden ? (alt.st_mode & 07777) : (0666 & ~AktuelleUmask()));
        AllesSchreiben(fd, NachWindows1252(inhalt), temp);
        if (fsync(fd) != 0 && errno != EINVAL)
            FehlerWerfen(errno, temp);
        datei.Schliessen(temp);
        if (std::rename(temp.c_str(), ziel.c_str()) != 0)
            FehlerWerfen(errno, ziel);
    } catch (...) {
        unlink(temp.c_str());
        throw;
    }
    VerzeichnisSynchronisieren(verzeichnis);
}

namespace {

// Wie unter Windows: eine schreibgeschützte Datei wird nicht gelöscht, sondern meldet den Fehler.
void DateiEntfernen(const std::string& host) {
    struct stat info {};
    if (lstat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(host.c_str(), W_OK) != 0)
        FehlerWerfen(errno, host);
    if (unlink(host.c_str()) != 0)
        FehlerWerfen(errno, host);
}

} // namespace

void PosixDateisystem::Loeschen(const Text& pfadOderMuster) {
    auto [verzeichnisteil, name] = LetzteKomponenteAbtrennen(pfadOderMuster);
    if (!HatPlatzhalter(name)) {
        if (pfadOderMuster.empty())
            Werfen(52, "leerer Dateiname");
        std::string host = Host(pfadOderMuster);
        struct stat info {};
        if (lstat(host.c_str(), &info) != 0)
            FehlerWerfen(errno, host);
        if (S_ISDIR(info.st_mode))
            Werfen(53, host + ": Verzeichnis");
        DateiEntfernen(host);
        return;
    }
    NamePruefen(name, true);
    std::string verzeichnis = Host(verzeichnisteil);
    auto namen = Passende(verzeichnis, name);
    if (namen.empty())
        Werfen(IstVerzeichnis(verzeichnis) ? 53 : 76, "keine Datei zu " + NachUtf8(name));
    for (const auto& n : namen)
        DateiEntfernen(Anhaengen(verzeichnis, n));
}

void PosixDateisystem::Umbenennen(const Text& alt, const Text& neu) {
    if (alt.empty() || neu.empty())
        Werfen(52, "leerer Dateiname");
    std::string quelle = Host(alt);
    std::string ziel = Host(neu);
    struct stat info {};
    if (lstat(quelle.c_str(), &info) != 0)
        FehlerWerfen(errno, quelle);
    if (ziel == quelle) {
        // Das Ziel wurde ohne Rücksicht auf Groß-/Kleinschreibung zur Quelle aufgelöst: nur die
        // Schreibweise ändert sich, also der Name genau wie angegeben.
        ziel = Anhaengen(Verzeichnisteil(ziel), NachUtf8(LetzteKomponenteAbtrennen(neu).name));
        if (ziel == quelle)
            Werfen(58, ziel);
    } else if (lstat(ziel.c_str(), &info) == 0) {
        Werfen(58, ziel);
    }
    if (std::rename(quelle.c_str(), ziel.c_str()) != 0)
        FehlerWerfen(errno, ziel);
}

std::vector<Text> PosixDateisystem::Auflisten(const Text& pfadMitMuster) {
    auto [verzeichnisteil, muster] = LetzteKomponenteAbtrennen(pfadMitMuster);
    NamePruefen(muster, true);
    std::string verzeichnis = Host(verzeichnisteil);
    std::vector<Text> namen;
    for (const auto& name : Passende(verzeichnis, muster.empty() ? u"*" : TextSicht(muster)))
        namen.push_back(AusUtf8(name));
    return namen;
}

Text PosixDateisystem::AktuellesVerzeichnis() {
    return VerzeichnisVon(aktuellesLaufwerk_);
}

void PosixDateisystem::LaufwerkWechseln(const Text& laufwerk) {
    if (laufwerk.empty())
        return;
    char16_t buchstabe = KleinZeichen(laufwerk[0]);
    if (buchstabe < u'a' || buchstabe > u'z' || !laufwerke_.Wurzel(buchstabe))
        Werfen(68, "Laufwerk nicht zugeordnet: " + NachUtf8(laufwerk));
    if (chdir(Host(VerzeichnisVon(buchstabe)).c_str()) != 0) {
        // Das gemerkte Verzeichnis ist verschwunden: die Wurzel des Laufwerks.
        Text wurzel{buchstabe, u':', u'\\'};
        if (chdir(Host(wurzel).c_str()) != 0)
            Werfen(68, "Laufwerk nicht verfügbar: " + NachUtf8(wurzel));
        verzeichnisse_[buchstabe] = wurzel;
    }
    aktuellesLaufwerk_ = buchstabe;
}

void PosixDateisystem::VerzeichnisWechseln(const Text& pfad) {
    if (pfad.empty())
        Werfen(76, "leerer Pfad");
    std::string host = Host(pfad);
    char16_t laufwerk = Laufwerksbuchstabe(pfad);
    if (!laufwerk)
        laufwerk = aktuellesLaufwerk_;
    auto absolut = PfadVervollstaendigen(pfad, VerzeichnisVon(laufwerk));
    if (!absolut)
        Werfen(76, NachUtf8(pfad));
    struct stat info {};
    if (stat(host.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            Werfen(76, host);
        FehlerWerfen(errno, host);
    }
    if (!S_ISDIR(info.st_mode))
        Werfen(76, host + ": kein Verzeichnis");
    if (laufwerk == aktuellesLaufwerk_ && chdir(host.c_str()) != 0)
        FehlerWerfen(errno, host);
    verzeichnisse_[laufwerk] = absolut->AlsText();
}

// Jede Operation schließt ihre Datei selbst, bevor sie zurückkehrt: es bleibt nichts zu schließen.
void PosixDateisystem::AlleSchliessen() {}

Text PosixDateisystem::AusHostpfad(const Text& hostpfad) {
    const std::string host = NachUtf8(hostpfad);
    struct stat info {};
    const bool verzeichnis = stat(host.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    const std::string ordner = verzeichnis ? host : host.substr(0, host.rfind('/') + 1);
    if (!ordner.empty() && stat(ordner.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        laufwerke_.Merken(ordner);
    return laufwerke_.AusHost(host);
}

Text PosixDateisystem::NachHostpfad(const Text& pfad) {
    return AusUtf8(Host(pfad));
}
