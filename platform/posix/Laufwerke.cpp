#include "platform/posix/Laufwerke.h"

#include "platform/Windowspfad.h"
#include "platform/posix/Prozessumgebung.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Heimverzeichnis() {
    std::string heim = Umgebungswert("HOME");
    if (!heim.empty())
        return heim;
    if (const passwd* eintrag = getpwuid(getuid()); eintrag && eintrag->pw_dir)
        return eintrag->pw_dir;
    return "/";
}

std::string StandardwurzelC() {
    std::string daten = Umgebungswert("XDG_DATA_HOME");
    if (daten.empty())
        daten = Heimverzeichnis() + "/.local/share";
    return daten + "/kestrav/c";
}

// "/a//b/./c/../" -> "/a/b"; relative Pfade gelten zum Arbeitsverzeichnis des Prozesses.
std::string HostpfadNormieren(const std::string& pfad) {
    std::string absolut = pfad;
    if (absolut.empty() || absolut[0] != '/') {
        std::string cwd(4096, '\0');
        if (getcwd(cwd.data(), cwd.size()))
            absolut = std::string(cwd.c_str()) + "/" + absolut;
        else
            absolut = "/" + absolut;
    }
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    while (anfang <= absolut.size()) {
        std::size_t ende = absolut.find('/', anfang);
        if (ende == std::string::npos)
            ende = absolut.size();
        std::string teil = absolut.substr(anfang, ende - anfang);
        if (teil == "..") {
            if (!teile.empty())
                teile.pop_back();
        } else if (!teil.empty() && teil != ".") {
            teile.push_back(teil);
        }
        anfang = ende + 1;
    }
    std::string ergebnis;
    for (const auto& teil : teile)
        ergebnis += "/" + teil;
    return ergebnis.empty() ? "/" : ergebnis;
}

// Rest von pfad unterhalb von wurzel ("" für die Wurzel selbst), nullopt wenn nicht darunter.
std::optional<std::string> RestUnter(const std::string& pfad, const std::string& wurzel) {
    if (wurzel == "/")
        return pfad == "/" ? std::string() : pfad.substr(1);
    if (pfad == wurzel)
        return std::string();
    if (pfad.size() > wurzel.size() && pfad.compare(0, wurzel.size(), wurzel) == 0 &&
        pfad[wurzel.size()] == '/')
        return pfad.substr(wurzel.size() + 1);
    return std::nullopt;
}

bool Vorhanden(const std::string& pfad) {
    struct stat info {};
    return lstat(pfad.c_str(), &info) == 0;
}

// Eintrag in verzeichnis, der ohne Rücksicht auf Groß-/Kleinschreibung gleich name ist; bei
// mehreren der in Sortierfolge erste, damit das Ergebnis nicht von der Reihenfolge abhängt.
std::optional<std::string> EintragOhneGross(const std::string& verzeichnis, const Text& name) {
    DIR* dir = opendir(verzeichnis.c_str());
    if (!dir)
        return std::nullopt;
    Text gesucht = Klein(name);
    std::optional<std::string> fund;
    while (const dirent* eintrag = readdir(dir)) {
        std::string kandidat = eintrag->d_name;
        if (Klein(AusUtf8(kandidat)) == gesucht && (!fund || kandidat < *fund))
            fund = kandidat;
    }
    closedir(dir);
    return fund;
}

std::string Anhaengen(const std::string& verzeichnis, const std::string& name) {
    return verzeichnis == "/" ? "/" + name : verzeichnis + "/" + name;
}

} // namespace

Laufwerke Laufwerke::AusUmgebung() {
    Laufwerke laufwerke;
    laufwerke.Setzen(u'z', "/");
    laufwerke.Setzen(u'c', StandardwurzelC());
    for (char b = 'A'; b <= 'Z'; ++b) {
        std::string wert = Umgebungswert((std::string("KESTRAV_LAUFWERK_") + b).c_str());
        if (!wert.empty())
            laufwerke.Setzen(static_cast<char16_t>(b), wert);
    }
    return laufwerke;
}

void Laufwerke::Setzen(char16_t buchstabe, std::string hostwurzel) {
    wurzeln_[KleinZeichen(buchstabe)] = HostpfadNormieren(hostwurzel);
}

std::optional<std::string> Laufwerke::Wurzel(char16_t buchstabe) const {
    auto it = wurzeln_.find(KleinZeichen(buchstabe));
    if (it == wurzeln_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string> Laufwerke::NachHost(TextSicht windowsPfad, TextSicht basis) const {
    Text basisText(basis);
    if (basisText.empty())
        basisText = AusHost(HostpfadNormieren("."));
    auto absolut = PfadVervollstaendigen(windowsPfad, basisText);
    if (!absolut)
        return std::nullopt;
    auto wurzel = Wurzel(absolut->laufwerk);
    if (!wurzel)
        return std::nullopt;

    std::string host = *wurzel;
    std::size_t erster = 0;
    if (const Gemerkt* gemerkt = LaengsterGemerkter(*absolut)) {
        host = gemerkt->host;
        erster = gemerkt->windows.teile.size();
    }
    bool aufgeloest = true;
    for (std::size_t i = erster; i < absolut->teile.size(); ++i) {
        const Text& teil = absolut->teile[i];
        std::string genau = Anhaengen(host, NachUtf8(teil));
        if (aufgeloest && !Vorhanden(genau)) {
            if (auto fund = EintragOhneGross(host, teil)) {
                host = Anhaengen(host, *fund);
                continue;
            }
            // Was darunter liegt, kann es nicht geben: den Rest nicht mehr suchen.
            aufgeloest = false;
        }
        host = genau;
    }
    return host;
}

Text Laufwerke::AusHost(const std::string& hostpfad) const {
    std::string pfad = HostpfadNormieren(hostpfad);
    char16_t bester = u'z';
    std::optional<std::string> besterRest;
    std::size_t besteLaenge = 0;
    auto pruefen = [&](char16_t buchstabe, const std::string& wurzel) {
        auto rest = RestUnter(pfad, wurzel);
        if (rest && (!besterRest || wurzel.size() > besteLaenge)) {
            bester = buchstabe;
            besterRest = rest;
            besteLaenge = wurzel.size();
        }
    };
    for (const auto& [buchstabe, wurzel] : wurzeln_) {
        pruefen(buchstabe, wurzel);
        // getcwd() liefert den echten Pfad: eine Wurzel über einen symbolischen Link soll trotzdem
        // ihr Laufwerk behalten.
        if (char* echt = realpath(wurzel.c_str(), nullptr)) {
            pruefen(buchstabe, echt);
            std::free(echt);
        }
    }
    std::string rest = besterRest ? *besterRest : pfad.substr(1);
    if (!besterRest)
        bester = u'z';
    Text ergebnis{bester, u':', u'\\'};
    for (char& z : rest)
        if (z == '/')
            z = '\\';
    return ergebnis + AusUtf8(rest);
}

void Laufwerke::Merken(const std::string& hostverzeichnis) const {
    const std::string host = HostpfadNormieren(hostverzeichnis);
    auto windows = PfadVervollstaendigen(AusHost(host), u"");
    if (!windows)
        return;
    for (Text& teil : windows->teile)
        teil = Klein(teil);
    // Die jüngste Wahl gilt: ein früher gemerktes Verzeichnis gleichen Namens weicht.
    std::erase_if(*gemerkt_, [&](const Gemerkt& g) {
        return g.windows.laufwerk == windows->laufwerk && g.windows.teile == windows->teile;
    });
    gemerkt_->push_back({std::move(*windows), host});
}

const Laufwerke::Gemerkt* Laufwerke::LaengsterGemerkter(const AbsoluterPfad& pfad) const {
    const Gemerkt* bester = nullptr;
    for (const Gemerkt& g : *gemerkt_) {
        if (g.windows.laufwerk != pfad.laufwerk || g.windows.teile.size() > pfad.teile.size())
            continue;
        if (bester && g.windows.teile.size() < bester->windows.teile.size())
            continue;
        bool passt = true;
        for (std::size_t i = 0; passt && i < g.windows.teile.size(); ++i)
            passt = Klein(pfad.teile[i]) == g.windows.teile[i];
        if (passt)
            bester = &g;
    }
    return bester;
}
