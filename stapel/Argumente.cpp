#include "Argumente.h"

#include <cstdlib>

const char* const STAPEL_HILFE =
    "Aufruf: kestrav-stapel [--observer TEXT] [--referenz NAME]... [--ja] [--anzeigen]\n"
    "                       [--einstellungen DATEI] [--zeitlimit SEKUNDEN] PFAD\n"
    "\n"
    "Berechnet einen Beobachtungstag ohne Fenster, mit denselben Regeln wie Kestrav.\n"
    "\n"
    "  PFAD                   eine RINEX-Beobachtungsdatei des Arbeitsverzeichnisses\n"
    "                         oder das Verzeichnis selbst\n"
    "  --observer TEXT        Suchtext der automatischen Referenzauswahl (Vorgabe: SAPOS)\n"
    "  --referenz NAME        verschiebt die Datei NAME zu den Referenzpunkten (mehrfach)\n"
    "  --ja                   beantwortet jede Frage mit \"Ja\" statt mit der Vorgabe\n"
    "  --anzeigen             öffnet das Mini-Protokoll am Ende im Editor\n"
    "  --einstellungen DATEI  Einstellungen aus DATEI statt aus kestrav.ini neben dem Programm\n"
    "                         (die Datei wird nie geschrieben)\n"
    "  --zeitlimit SEKUNDEN   bricht den Lauf ab, wenn ein Punkt länger rechnet\n"
    "  --help                 diese Hilfe\n"
    "\n"
    "Jede Meldung erscheint als Block \"== Titel ==\", Text, \"-> Antwort\".\n"
    "\n"
    "Rückgabewert: 0 ohne Warnungen berechnet, 1 mit Warnungen berechnet,\n"
    "              2 vorzeitig beendet (Nein, Fehlerbericht, Abbruch, Verzeichnis gesperrt),\n"
    "              3 nicht gestartet (Aufruf, Pfad, zu wenige Punkte, Rechenkern fehlt),\n"
    "              4 berechnet, aber kein Neupunkt hat Koordinaten.\n"
    "              Treffen mehrere zu, gilt der erste in der Folge 3, 2, 4, 1, 0.\n"
    "\n"
    "SIGINT (Strg+C) und SIGTERM brechen den Lauf ab wie der Knopf \"Abbruch\" und beenden\n"
    "den Rechenkern; endet kestrav-stapel auf andere Weise (auch SIGKILL), endet er mit.\n";

std::optional<Stapelargumente> ArgumenteLesen(const std::vector<std::string>& argumente,
                                              std::string& fehler) {
    Stapelargumente a;
    bool pfadGesetzt = false;
    auto wert = [&](std::size_t& i, const std::string& option) -> std::optional<std::string> {
        if (i + 1 >= argumente.size()) {
            fehler = "Option " + option + " erwartet einen Wert.";
            return std::nullopt;
        }
        return argumente[++i];
    };
    bool nurNochPfad = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        if (!nurNochPfad && arg == "--") {
            nurNochPfad = true;
        } else if (!nurNochPfad && (arg == "--help" || arg == "-h")) {
            a.hilfe = true;
        } else if (!nurNochPfad && arg == "--ja") {
            a.ja = true;
        } else if (!nurNochPfad && arg == "--anzeigen") {
            a.anzeigen = true;
        } else if (!nurNochPfad && arg == "--observer") {
            auto w = wert(i, arg);
            if (!w)
                return std::nullopt;
            a.observer = *w;
        } else if (!nurNochPfad && arg == "--referenz") {
            auto w = wert(i, arg);
            if (!w)
                return std::nullopt;
            a.referenzen.push_back(*w);
        } else if (!nurNochPfad && arg == "--zeitlimit") {
            auto w = wert(i, arg);
            if (!w)
                return std::nullopt;
            char* ende = nullptr;
            const long sekunden = std::strtol(w->c_str(), &ende, 10);
            if (w->empty() || *ende != '\0' || sekunden <= 0 || sekunden > 86400 * 365) {
                fehler = "--zeitlimit erwartet eine Zahl von Sekunden größer als 0.";
                return std::nullopt;
            }
            a.zeitlimit = sekunden;
        } else if (!nurNochPfad && arg == "--einstellungen") {
            auto w = wert(i, arg);
            if (!w)
                return std::nullopt;
            a.einstellungen = *w;
        } else if (!nurNochPfad && arg.size() > 1 && arg[0] == '-') {
            fehler = "Unbekannte Option " + arg + ".";
            return std::nullopt;
        } else if (pfadGesetzt) {
            fehler = "Nur ein PFAD ist erlaubt (zweiter: " + arg + ").";
            return std::nullopt;
        } else {
            a.pfad = arg;
            pfadGesetzt = true;
        }
    }
    if (!a.hilfe && !pfadGesetzt) {
        fehler = "PFAD fehlt.";
        return std::nullopt;
    }
    return a;
}
