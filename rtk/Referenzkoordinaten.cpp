#include "Referenzkoordinaten.h"

#include "Felder.h"
#include "Formatiert.h"
#include "RinexLeser.h"
#include "Textdatei.h"

#include <cmath>
#include <sstream>

namespace {

// Abstand vom Geozentrum, den ein Punkt auf der Erdoberfläche haben kann.
bool AufDerErde(const Vektor3& x) {
    const double r = Betrag(x);
    return r > 6.3e6 && r < 6.4e6;
}

} // namespace

std::string KennungKlein(std::string kennung) {
    for (char& c : kennung)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return kennung;
}

Referenzliste ReferenzkoordinatenLesen(const std::string& name) {
    Referenzliste liste;
    const Dateiinhalt datei(NameAufloesen(name));
    if (!datei.Gelesen())
        return liste;
    Zeilenleser zeilen(datei.Inhalt());
    std::string_view z;
    while (zeilen.Naechste(z)) {
        const std::string_view inhalt = OhneRand(z);
        if (inhalt.empty() || inhalt.front() == '#')
            continue;
        std::istringstream felder{std::string(inhalt)};
        std::string kennung, rest;
        std::string werte[3];
        felder >> kennung >> werte[0] >> werte[1] >> werte[2];
        Vektor3 x{};
        bool gut = !werte[2].empty() && !(felder >> rest);
        for (int i = 0; gut && i < 3; ++i) {
            const FeldZahl zahl = ZahlLesen(werte[i]);
            gut = !zahl.leer && zahl.gueltig && std::isfinite(zahl.wert);
            x[static_cast<std::size_t>(i)] = zahl.wert;
        }
        if (!gut || !AufDerErde(x)) {
            liste.fehler.push_back(
                Formatiert("%s line %ld: '", name.c_str(), zeilen.Zeilennummer()) +
                Druckbar(inhalt) + "' (identifier X Y Z expected)");
            continue;
        }
        liste.stationen[KennungKlein(kennung)] = x;
    }
    return liste;
}

std::optional<Vektor3> KoordinateZu(const Referenzliste& liste, const std::string& kennung) {
    const auto it = liste.stationen.find(KennungKlein(kennung));
    if (it == liste.stationen.end())
        return std::nullopt;
    return it->second;
}
