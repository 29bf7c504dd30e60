#include "cmd/Befehlssuche.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array<const char16_t*, 4> ENDUNGEN = {u"", u".exe", u".bat", u".cmd"};

bool EndetMit(TextSicht name, TextSicht endung) {
    return name.size() >= endung.size() &&
           GleichOhneGross(name.substr(name.size() - endung.size()), endung);
}

bool IstGewoehnlicheDatei(const std::string& pfad) {
    struct stat angaben {};
    return stat(pfad.c_str(), &angaben) == 0 && S_ISREG(angaben.st_mode);
}

std::optional<GefundenesProgramm> Einordnen(const std::string& pfad) {
    Text name = AusUtf8(pfad);
    if (EndetMit(name, u".bat") || EndetMit(name, u".cmd"))
        return GefundenesProgramm{pfad, Programmart::Stapel};
    if (IstHostProgramm(pfad))
        return GefundenesProgramm{pfad, Programmart::Host};
    if (EndetMit(name, u".exe") || EndetMit(name, u".com"))
        return GefundenesProgramm{pfad, Programmart::Fremd};
    // Mit Ausführungsrecht, aber unbekanntem Kopf: der Kern soll entscheiden.
    if (access(pfad.c_str(), X_OK) == 0)
        return GefundenesProgramm{pfad, Programmart::Host};
    return std::nullopt;
}

} // namespace

bool IstHostProgramm(const std::string& pfad) {
    if (access(pfad.c_str(), X_OK) != 0)
        return false;
    int fd = open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char kopf[4] = {};
    ssize_t n = read(fd, kopf, sizeof kopf);
    close(fd);
    if (n >= 2 && kopf[0] == '#' && kopf[1] == '!')
        return true;
    return n == 4 && kopf[0] == '\x7f' && kopf[1] == 'E' && kopf[2] == 'L' && kopf[3] == 'F';
}

bool IstErlaubterProgrammpfad(TextSicht wort) {
    if (wort.size() < 3 || wort[1] != u':' || (wort[2] != u'\\' && wort[2] != u'/'))
        return false;
    const char16_t laufwerk = KleinZeichen(wort[0]);
    return laufwerk >= u'a' && laufwerk < u'z';
}

std::optional<GefundenesProgramm> ProgrammSuchen(const Laufwerke& laufwerke, TextSicht wort,
                                                 TextSicht basis) {
    if (!IstErlaubterProgrammpfad(wort))
        return std::nullopt;
    for (const char16_t* endung : ENDUNGEN) {
        Text name = Text(wort) + endung;
        std::optional<std::string> pfad = laufwerke.NachHost(name, basis);
        if (!pfad || !IstGewoehnlicheDatei(*pfad))
            continue;
        if (auto gefunden = Einordnen(*pfad))
            return gefunden;
    }
    return std::nullopt;
}
