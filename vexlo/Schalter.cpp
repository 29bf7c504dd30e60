#include "Schalter.h"

#include <optional>
#include <string_view>

namespace {

bool IstSchalter(const std::string& a) {
    return !a.empty() && (a[0] == '+' || a[0] == '-');
}

bool MitWert(const std::string& a, std::string_view schalter, std::string& wert) {
    if (a.size() <= schalter.size() || a.compare(0, schalter.size(), schalter) != 0)
        return false;
    wert = a.substr(schalter.size());
    return true;
}

std::vector<std::string> Kennungen(const std::string& liste) {
    std::vector<std::string> kennungen;
    std::size_t anfang = 0;
    while (anfang <= liste.size()) {
        const std::size_t komma = liste.find(',', anfang);
        const std::string teil = liste.substr(anfang, komma - anfang);
        if (!teil.empty())
            kennungen.push_back(teil);
        if (komma == std::string::npos)
            break;
        anfang = komma + 1;
    }
    return kennungen;
}

// Ganzzahl aus höchstens zwei Ziffern im Bereich; sonst nullopt.
std::optional<int> Zweistellig(const std::string& text, int von, int bis) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int wert = std::stoi(text);
    if (wert < von || wert > bis)
        return std::nullopt;
    return wert;
}

} // namespace

QelAuftrag QelAuftragLesen(const std::vector<std::string>& argumente) {
    QelAuftrag a;
    int position = 0;
    for (const std::string& arg : argumente) {
        std::string wert;
        if (!IstSchalter(arg)) {
            if (position == 0)
                a.neupunkt = arg;
            else if (position == 1)
                a.kennungen = Kennungen(arg);
            else
                a.uebergangen.push_back(arg);
            ++position;
        } else if (arg == "+PRO") {
            a.protokoll = true;
        } else if (arg == "-A") {
            a.ohneAntennenkorrektur = true;
        } else if (arg == "-SVG" || arg == "-SVR" || arg == "-SVE" || arg == "-SVS") {
            a.ausgeschlossen.insert(arg[3]);
        } else if (MitWert(arg, "+A", wert)) {
            a.antex = wert;
        } else {
            a.uebergangen.push_back(arg);
        }
    }
    return a;
}

BoAuftrag BoAuftragLesen(const std::vector<std::string>& argumente) {
    BoAuftrag a;
    int position = 0;
    for (const std::string& arg : argumente) {
        std::string wert;
        if (!IstSchalter(arg)) {
            if (position == 0)
                a.virtuell = arg;
            else if (position == 1)
                a.neupunkt = arg;
            else
                a.uebergangen.push_back(arg);
            ++position;
        } else if (MitWert(arg, "+FE", wert)) {
            a.liste = wert;
        } else if (MitWert(arg, "+FS", wert)) {
            a.loesung = wert;
        } else if (MitWert(arg, "+FL", wert)) {
            a.protokoll = wert;
        } else if (arg == "+Sb") {
            a.normalhoehen = true;
        } else if (MitWert(arg, "+ACF", wert)) {
            a.antex = wert;
        } else if (MitWert(arg, "-e", wert) && Zweistellig(wert, 0, 90)) {
            a.elevationsmaske = *Zweistellig(wert, 0, 90);
        } else if (MitWert(arg, "-z", wert) && Zweistellig(wert, 1, 60)) {
            a.zone = *Zweistellig(wert, 1, 60);
        } else {
            a.uebergangen.push_back(arg);
        }
    }
    return a;
}

std::string SystemName(char system) {
    switch (system) {
    case 'G':
        return "GPS";
    case 'R':
        return "GLONASS";
    case 'E':
        return "Galileo";
    case 'S':
        return "SBAS";
    default:
        return std::string(1, system);
    }
}
