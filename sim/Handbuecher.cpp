#include "Handbuecher.h"

namespace {

const std::vector<std::string> kHinweis{
    "Dieses Handbuch gehört zu vexlo-sim, einem Simulator, der für den Rechenkern Vexlo",
    "einspringt, wo dieser nicht installiert ist (Vorführung, Tests). vexlo-sim ist kein",
    "GNSS-Rechenkern: Er wertet keine Phasen- oder Codebeobachtungen aus.", ""};

std::vector<std::string> Verbunden(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

std::vector<std::string> QelHandbuch() {
    return Verbunden(
        kHinweis,
        {"Aufruf",
         "  qel2 NEUPUNKT KENNUNGEN +PRO [Schalter]     (Version 1: qel)",
         "  Beispiel: qel2 np012830.23o aaaa,bbbb,cccc +PRO -e10 +A$$$$$.atx",
         "",
         "Eingaben im aktuellen Verzeichnis",
         "  NEUPUNKT   RINEX-2.11-Beobachtungsdatei des Neupunkts (ssssdddf.yyo).",
         "  KENNUNGEN  Kennungen der Referenzstationen, durch Kommas getrennt. Zu jeder Kennung",
         "             gehört die Datei Kennung + Tag + Folgezeichen + \".\" + Jahr + \"o\" mit "
         "Tag",
         "             und Jahr aus dem Namen des Neupunkts (Groß-/Kleinschreibung gleichgültig).",
         "",
         "Schalter",
         "  +PRO        Protokoll qellog.txt (wird immer geschrieben).",
         "  -A          keine Antennenkorrektur; +A wird dann nicht geprüft.",
         "  +ADATEI     ANTEX-Datei; jeder Antennentyp der Stationen muss darin stehen.",
         "  -SVG -SVR -SVE -SVS   GPS, GLONASS, Galileo bzw. SBAS nicht verwenden.",
         "  Alle übrigen Schalter (etwa -e10) werden angenommen und haben keine Wirkung.",
         "",
         "Ausgaben",
         "  virtTTT.JJo  virtuelle Referenzstation: gültiges RINEX 2.11 an der Näherungsposition",
         "               des Neupunkts über die Epochen, die alle Referenzen im Zeitraum des",
         "               Neupunkts gemeinsam haben, mit den dort gemeinsam beobachteten",
         "               Satelliten (ohne ausgeschlossene Systeme); Werte der ersten Referenz.",
         "  qellog.txt   Protokoll; schwere Fehler stehen hinter \"FATAL ERROR:\".",
         "  qel.err      nur wenn keine virtuelle Station entsteht, Zeilen \"VEXLO-error: ...\".",
         "",
         "Schwere Fehler (FATAL ERROR)",
         "  - zu einer Kennung gibt es keine Datei (die Station fällt weg),",
         "  - eine Datei ist kein lesbares RINEX 2 (abgeschnitten, Müll, leer; fällt weg),",
         "  - weniger als drei brauchbare Referenzstationen (keine virtuelle Station),",
         "  - ein Antennentyp fehlt in der ANTEX-Datei (Station wird ohne Korrektur genutzt),",
         "  - der Neupunkt ist unlesbar oder ohne Näherungsposition (keine virtuelle Station).",
         "Überlappen sich Neupunkt und Referenzen zeitlich nicht, steht in qel.err",
         "\"VEXLO-error: no simultaneous observations\" und es entsteht keine virtuelle Station."});
}

std::vector<std::string> VexloHandbuch() {
    return Verbunden(
        kHinweis,
        {"Module",
         "  qel / qel2   virtuelle Referenzstation (siehe Qel-Manual.pdf)",
         "  bo1 / bo2    Basislinie von der virtuellen Station zum Neupunkt",
         "",
         "Aufruf von Bo",
         "  bo2 VIRTUELL NEUPUNKT +FELISTE +FSLOESUNG +FLPROTOKOLL [+Sb] [+ACFDATEI]",
         "  Übrige Schalter (-e10, +E+NS2,...) werden angenommen und haben keine Wirkung.",
         "",
         "Ergebnisliste (+FE): Zeile 1 Spaltennamen mit RovN, Zeile 2 die Werte:",
         "  1 Punktname (MARKER NAME als ein Wort ohne \"_\", sonst die ersten vier Zeichen",
         "    des Dateinamens)",
         "  2 Rechtswert Y, ETRS89/UTM Zone 32 mit Zonenkennziffer 32",
         "  3 Hochwert X     4 ellipsoidische Höhe (GRS80)",
         "  5 Lösungsqualität: high, mittel oder niedrig",
         "  6 Anzahl gemeinsamer Epochen     7 gelöste Mehrdeutigkeiten in Prozent",
         "  8 Beobachtungszeit in Minuten    9 mittlere Satellitenzahl     10 PDOP",
         "",
         "Woher die Werte kommen",
         "  Lage und Höhe: APPROX POSITION XYZ des Neupunkts, mit PROJ nach ETRS89/UTM 32.",
         "  Gemeinsame Epoche: gleiche Zeit (auf die Millisekunde) in beiden Dateien mit",
         "  mindestens einem Satelliten, der in beiden steht.",
         "  Beobachtungszeit: erste bis letzte gemeinsame Epoche plus ein Intervall.",
         "  Satelliten: Mittel der gemeinsamen Satelliten je gemeinsamer Epoche.",
         "  Mehrdeutigkeiten: Anteil der Bögen (ununterbrochene Folgen eines Satelliten),",
         "  die mindestens 5 Minuten lang sind.",
         "  PDOP: Mittel über die Epochen mit mindestens vier Satelliten; die Richtungen",
         "  stammen aus einem erfundenen Bahnmodell, nicht aus Bahndaten (ohne Lösung 99.9).",
         "  Qualität: high bei mindestens 90 % gelöst, PDOP höchstens 6 und im Mittel",
         "  mindestens 5 Satelliten; mittel bei mindestens 50 %, PDOP höchstens 10 und",
         "  mindestens 4 Satelliten; sonst niedrig.",
         "",
         "Lösung (+FS): Koordinaten und Angaben zum Punkt; mit +Sb zusätzlich die Zeile",
         "  \"NHN-Höhe [m]: \" mit der Normalhöhe = ellipsoidische Höhe minus EGM96-",
         "  Geoidundulation (egm96_15.gtx aus proj-data). Das ist eine Näherung, kein DHHN.",
         "Protokoll (+FL): Ablauf und Kennzahlen.",
         "bo.err: \"VEXLO-error: ...\" wenn Dateien fehlen oder unlesbar sind oder keine",
         "  gleichzeitigen Beobachtungen bestehen; dann gibt es keine Ergebnisliste.",
         "",
         "Alle Textdateien sind Windows-1252 mit CR LF."});
}
