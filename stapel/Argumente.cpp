#include "Argumente.h"

const char* const STAPEL_HILFE =
    "Aufruf: kestrav-stapel [--observer TEXT] [--referenz NAME]... [--ja] [--anzeigen]\n"
    "                       [--einstellungen DATEI] PFAD\n"
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
    "  --help                 diese Hilfe\n"
    "\n"
    "Jede Meldung erscheint als Block \"== Titel ==\", Text, \"-> Antwort\".\n"
    "Die Ausgaben der Engine stehen in _ergebnis_<Tag>.stapel.log neben den Ergebnissen.\n"
    "\n"
    "Rückgabewert: 0 ohne Warnungen berechnet, 1 mit Warnungen berechnet,\n"
    "              2 vorzeitig beendet, 3 nicht gestartet.\n";

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
