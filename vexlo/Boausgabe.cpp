#include "Boausgabe.h"

#include "Formatiert.h"
#include "RinexLeser.h"
#include "Textdatei.h"

#include <filesystem>

namespace {

struct Ergebnisspalten {
    std::string name, rechts, hoch, hoehe, wort, epochen, fix, zeit, satelliten, pdop;
};

std::string Zeile(const Ergebnisspalten& s) {
    return Linksbuendig(s.name, 10) + " " + Rechtsbuendig(s.rechts, 14) + " " +
           Rechtsbuendig(s.hoch, 13) + " " + Rechtsbuendig(s.hoehe, 9) + " " +
           Linksbuendig(s.wort, 8) + " " + Rechtsbuendig(s.epochen, 7) + " " +
           Rechtsbuendig(s.fix, 7) + " " + Rechtsbuendig(s.zeit, 10) + " " +
           Rechtsbuendig(s.satelliten, 5) + " " + Rechtsbuendig(s.pdop, 5);
}

} // namespace

std::string Punktname(const RinexKopf& kopf, const std::string& datei) {
    const std::string& m = kopf.markername;
    if (!m.empty() && m.find_first_of(" \t_") == std::string::npos)
        return Druckbar(m, 60);
    return Druckbar(std::filesystem::path(datei).filename().string().substr(0, 4));
}

bool ErgebnislisteSchreiben(const std::string& name, const Ergebniswerte& w) {
    const Ergebnisspalten kopf{"RovN",    "Y [m]",   "X [m]",      "h [m]", "Qualität",
                               "Epochen", "Fix [%]", "Zeit [min]", "Sat",   "PDOP"};
    const Ergebnisspalten werte{w.punkt,
                                Formatiert("%.3f", w.lage.rechtswert),
                                Formatiert("%.3f", w.lage.hochwert),
                                Formatiert("%.3f", w.lage.hoehe),
                                w.qualitaet,
                                Formatiert("%d", w.epochen),
                                Formatiert("%d", w.fixProzent),
                                Formatiert("%.1f", w.zeitMinuten),
                                Formatiert("%.1f", w.satelliten),
                                Formatiert("%.1f", w.pdop)};
    return TextdateiSchreiben(name, {Zeile(kopf), Zeile(werte)});
}

bool LoesungsdateiSchreiben(const std::string& name, std::vector<std::string> zeilen) {
    // Ohne "NHN-Höhe [m]" liest Kestrav die letzte Zeile; ohne Doppelpunkt ergibt sie keine Höhe.
    zeilen.push_back("Ende der Lösung");
    return TextdateiSchreiben(name, zeilen);
}
