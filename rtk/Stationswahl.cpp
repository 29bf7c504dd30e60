#include "Stationswahl.h"

#include "Felder.h"
#include "Formatiert.h"
#include "Textdatei.h"

#include <sstream>

namespace {

// Der Dateiname steht am Zeilenende, damit er Leerzeichen enthalten darf.
std::string StationsZeile(const GewaehlteStation& s) {
    return Formatiert("STATION %s %.4f %.4f %.4f %.3f ", s.kennung.c_str(), s.koordinate[0],
                      s.koordinate[1], s.koordinate[2], s.abstand) +
           s.datei;
}

bool StationLesen(const std::string& zeile, GewaehlteStation& s) {
    std::istringstream felder(zeile);
    std::string wort;
    felder >> wort >> s.kennung;
    for (double& wert : s.koordinate)
        if (!(felder >> wert))
            return false;
    if (!(felder >> s.abstand) || felder.get() != ' ')
        return false;
    std::getline(felder, s.datei);
    return !s.kennung.empty() && !s.datei.empty();
}

} // namespace

std::string BegleitdateiName(const std::string& virtuelleStation) {
    return virtuelleStation + ".ref";
}

bool StationswahlSchreiben(const std::string& name, const Stationswahl& wahl) {
    std::vector<std::string> zeilen{
        "VEXLO-RTK STATIONSWAHL", Formatiert("ZONE %d", wahl.zone),
        "OHNE " + std::string(wahl.ausgeschlossen.begin(), wahl.ausgeschlossen.end())};
    for (const GewaehlteStation& s : wahl.stationen)
        zeilen.push_back(StationsZeile(s));
    return TextdateiSchreiben(name, zeilen);
}

std::optional<Stationswahl> StationswahlLesen(const std::string& name, std::string& fehler) {
    const Dateiinhalt datei(name);
    if (!datei.Gelesen()) {
        fehler = "cannot read " + name + " (written by Qel)";
        return std::nullopt;
    }
    Zeilenleser zeilen(datei.Inhalt());
    std::string_view z;
    Stationswahl wahl;
    bool kopf = false;
    while (zeilen.Naechste(z)) {
        const std::string zeile(z);
        if (zeile == "VEXLO-RTK STATIONSWAHL") {
            kopf = true;
        } else if (zeile.rfind("ZONE ", 0) == 0) {
            wahl.zone = static_cast<int>(GanzzahlLesen(zeile.substr(5)).value_or(0));
        } else if (zeile.rfind("OHNE", 0) == 0) {
            for (char c : OhneRand(std::string_view(zeile).substr(4)))
                wahl.ausgeschlossen.insert(c);
        } else if (zeile.rfind("STATION ", 0) == 0) {
            GewaehlteStation s;
            if (!StationLesen(zeile, s)) {
                fehler = "unreadable station line in " + name;
                return std::nullopt;
            }
            wahl.stationen.push_back(s);
        }
    }
    if (!kopf || wahl.stationen.empty() || wahl.zone < 1 || wahl.zone > 60) {
        fehler = name + " is not a station choice of vexlo-rtk Qel";
        return std::nullopt;
    }
    return wahl;
}
