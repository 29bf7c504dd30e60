#include "platform/Zahlen.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Die Oberfläche stellt den Prozess auf die Sprache des Desktops um; strtod läse dann unter
// de_DE "7.5" als 7. from_chars kennt nur den Punkt, gleich unter welchem Gebietsschema.
// Ein Vorzeichen "+" kennt es nicht, also fällt es vorher weg ("+-5" ist keine Zahl).
std::from_chars_result ZahlLesen(const std::string& s, double& wert) {
    const char* anfang = s.data();
    const char* ende = s.data() + s.size();
    if (anfang != ende && *anfang == '+' && !(ende - anfang > 1 && anfang[1] == '-'))
        ++anfang;
    return std::from_chars(anfang, ende, wert, std::chars_format::general);
}

} // namespace

double FuehrendeZahl(TextSicht text) {
    // Erst die Zeichen ohne Leerzeichen und Tabulatoren sammeln, dann wie Val() lesen.
    std::string s;
    for (char16_t z : text) {
        if (z == u' ' || z == u'\t')
            continue;
        if (z > 0x7F)
            break;
        s.push_back(static_cast<char>(z));
        if (s.size() > 4096)
            break;
    }
    std::size_t i = 0;
    std::string zahl;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        zahl.push_back(s[i++]);
    bool ziffern = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        zahl.push_back(s[i++]);
        ziffern = true;
    }
    if (i < s.size() && s[i] == '.') {
        zahl.push_back(s[i++]);
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            zahl.push_back(s[i++]);
            ziffern = true;
        }
    }
    if (!ziffern)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        bool expZiffern = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent.push_back(s[j++]);
            expZiffern = true;
        }
        if (expZiffern)
            zahl += exponent;
    }
    double wert = 0.0;
    // Überlauf ergibt wie bisher 0, ein Unterlauf ist ohnehin fast 0.
    if (ZahlLesen(zahl, wert).ec != std::errc() || !std::isfinite(wert))
        return 0.0;
    return wert;
}

std::optional<int> GanzzahlGerundet(double wert) {
    if (!std::isfinite(wert))
        return std::nullopt;
    double gerundet = std::nearbyint(wert); // Standard-Rundung: halbe Werte zur geraden Zahl
    if (gerundet < std::numeric_limits<int>::min() || gerundet > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(gerundet);
}

bool IstZahl(TextSicht text) {
    std::string s;
    for (char16_t z : text) {
        if (z > 0x7F)
            return false;
        s.push_back(static_cast<char>(z));
    }
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return false;
    std::size_t e = s.find_last_not_of(" \t");
    s = s.substr(a, e - a + 1);
    double wert = 0.0;
    const std::from_chars_result gelesen = ZahlLesen(s, wert);
    // Auch zu große oder zu kleine Zahlen sind Zahlen; "inf" und "nan" nicht.
    const bool gueltig = gelesen.ec == std::errc() || gelesen.ec == std::errc::result_out_of_range;
    return gueltig && gelesen.ptr == s.data() + s.size() &&
           s.find_first_of("xXnNiI") == std::string::npos;
}
