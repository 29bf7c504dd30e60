#include "shell/Fehlertabelle.h"

#include <algorithm>
#include <iterator>

namespace {

// Die Hinweise bei 5, 53, 62 und 75 richten sich an Anwender der Engine; Schreibweise wie
// ausgeliefert (auch "eventellen").
constexpr Fehlertabellenzeile Zeilen[] = {
    {3, u"Return ohne GoSub"},
    {5, u"Unzulässiger Prozeduraufruf! Fehler im Netzwerk! Wechseln Sie Ihr Verzeichnis!"},
    {6, u"Überlauf"},
    {7, u"Nicht genügend Speicher"},
    {9, u"Index außerhalb des gültigen Bereichs"},
    {10, u"Datenfeld ist unveränderlich oder momentan gesperrt"},
    {11, u"Division durch Null"},
    {13, u"Typen unverträglich"},
    {14, u"Nicht genügend Zeichenfolgenspeicher"},
    {16, u"Ausdruck zu komplex"},
    {17, u"Angeforderte Operation nicht durchführbar"},
    {18, u"Unterbrechung durch Benutzer"},
    {20, u"Resume ohne Fehler"},
    {28, u"Nicht genügend Stapelspeicher"},
    {35, u"Sub, Function oder Property nicht definiert"},
    {47, u"Zu viele Clients für DLL-Anwendung"},
    {48, u"Fehler beim Laden einer DLL"},
    {49, u"Falsche DLL - Aufrufkonvention"},
    {51, u"Interner Fehler"},
    {52, u"Dateiname oder -nummer falsch"},
    {53, u"eventuell Datei nicht gefunden, falsche/ungenaue Referenz-Koordinaten/Antennenhöhe,\n"
         u"Elevationswinkel zu klein, Antennentyp nicht in der Datei \"vexlo.apc\" vorgefunden,\n"
         u"Programmpfad nicht gesetzt, Schreib/Lösch- und Leserechte nicht vergeben, falsche "
         u"RINEX-Version"},
    {54, u"Falscher Dateimodus"},
    {55, u"Datei bereits geöffnet"},
    {57, u"Fehler beim Lesen von/Schreiben auf Gerät"},
    {58, u"Datei existiert bereits"},
    {59, u"Falsche Datensatzlänge"},
    {61, u"Datenträger voll"},
    {62, u"Einlesen hinter Dateiende oder Leerzeilen vorhanden"},
    {63, u"Falsche Datensatznummer"},
    {67, u"Zu viele Dateien"},
    {68, u"Gerät nicht verfügbar"},
    {70, u"Zugriff verweigert"},
    {71, u"Datenträger nicht bereit"},
    {74, u"Umbenennen bei Angabe unterschiedlicher Laufwerke nicht möglich"},
    {75, u"Fehler beim Zugriff auf Pfad/Datei. Entfernen Sie eventellen \n"
         u"Schreibschutz und erlauben Sie Schreib/Lösch- und Leserechte"},
    {76, u"Pfad nicht gefunden"},
    {91, u"Objektvariable oder With-Blockvariable nicht festgelegt"},
    {92, u"For-Schleife nicht initialisiert"},
    {93, u"Ungültige Zeichenfolge für Mustervergleich"},
    {94, u"Ungültige Verwendung von Null"},
    {97, u"Eine Friend-Funktion kann nicht auf ein Objekt angewendet werden, das nicht eine "
         u"Instanz der definierenden Klasse ist"},
    {298, u"System-DLL kann nicht geladen werden"},
    {320, u"Namen zeichenorientierter Geräte in Dateinamen unzulässig"},
    {321, u"Ungültiges Dateiformat"},
    {322, u"Erforderliche temporäre Datei kann nicht angelegt werden"},
    {325, u"Ungültiges Format in Ressourcendatei"},
    {327, u"Datenwert <Name> nicht gefunden"},
    {328, u"Ungültiger Parameter. Datenfelder können nicht geschrieben werden"},
    {335, u"Zugriff auf Systemregistrierung nicht möglich"},
    {336, u"Komponente nicht richtig registriert"},
    {337, u"Komponenten nicht gefunden"},
    {338, u"Komponente wurde nicht richtig ausgeführt"},
    {360, u"Objekt bereits geladen"},
    {361, u"Objekt kann weder ge- noch entladen werden"},
    {363, u"Angegebenes Steuerelement nicht gefunden"},
    {364, u"Objekt wurde entladen"},
    {365, u"Entladen in diesem Kontext nicht möglich"},
    {368, u"Datei <Datei> ist nicht mehr aktuell. Diese Programm benötigt eine neuere Version"},
    {371, u"Das angegebene Objekt kann nicht als aufrufendes Formular für Show() benutzt werden"},
    {380, u"Unzulässiger Eigenschaftswert"},
    {381, u"Ungültiger Index des Eigenschaftsfelds"},
    {382, u"Set wird zur Laufzeit nicht unterstützt"},
    {383, u"Set wird nicht unterstützt (schreibgeschützte Eigenschaft)"},
    {385, u"Index des Eigenschaftsfelds erforderlich"},
    {387, u"Set nicht zulässig"},
    {393, u"Get wird zur Laufzeit nicht unterstützt"},
    {394, u"Get wird nicht unterstützt (schreibgeschützte Eigenschaft)"},
    {400, u"Formular wird bereits angezeigt und kann daher nicht gebunden dargestellt werden"},
    {402, u"Das oberste gebundene Formular muß zuerst geschlossen oder ausgeblendet werden"},
    {419, u"Zugriff auf dieses Objekt verweigert"},
    {422, u"Eigenschaft nicht gefunden"},
    {423, u"Eigenschaft oder Methode nicht gefunden"},
    {424, u"Objekt erforderlich"},
    {425, u"Unzulässige Verwendung eines Objekts"},
    {429, u"Objekterstellung durch Komponente nicht möglich"},
    {430, u"Klasse unterstützt keine Automatisierung"},
    {432, u"Datei- oder Klassenname während Automatisierungsoperation nicht gefunden"},
    {438, u"Objekt unterstützt diese Eigenschaft oder Methode nicht"},
    {440, u"Automatisierungsfehler"},
    {442, u"Klassen- oder Objektbibliothek wurde getrennt"},
    {443, u"Automatisierungsobjekt hat keinen Standardwert"},
    {445, u"Objekt unterstützt diese Aktion nicht"},
    {446, u"Objekt unterstützt keine benannten Argumente"},
    {447, u"Objekt unterstützt die aktuelle Ländereinstellung nicht"},
    {448, u"Benanntes Argument nicht gefunden"},
    {449, u"Argument ist nicht optional"},
    {450, u"Falsche Anzahl an Argumenten oder ungültige Zuweisung zu einer Eigenschaft"},
    {451, u"Objekt ist keine Auflistung"},
    {452, u"Ungültiger Ordinalwert"},
    {453, u"Angegebene nicht gefunden"},
    {454, u"Code-Ressource nicht gefunden"},
    {455, u"Fehler durch gesperrte Code-Ressource"},
    {457, u"Dieser Schlüssel ist bereits einem Element dieser Auflistung zugeordnet"},
    {458, u"Variable verwendet einen in Visual Basic nicht unterstützten Typ"},
    {459, u"Diese Gruppe von Ereignissen wird von diesem Objekt oder der Klasse nicht unterstützt"},
    {460, u"Zwischenablageformat ungültig"},
    {461, u"Methode oder Mitgliedsdaten nicht gefunden"},
    {462, u"Der Remote-Server-Computer existiert nicht oder ist nicht verfügbar"},
    {463, u"Klasse ist auf lokalem Computer nicht registriert"},
    {480, u"AutoRedraw-Bild kann nicht erstellt werden"},
    {481, u"Ungültiges Bild"},
    {482, u"Druckerfehler"},
    {483, u"Angegebene Eigenschaft wird vom Druckertreiber nicht unterstützt"},
    {484, u"Druckerinformationen können nicht vom System abgerufen werden. Stellen Sie sicher, daß "
          u"der Drucker richtig installiert ist"},
    {485, u"Unzulässiger Bildtyp"},
    {486, u"Formular kann auf diesem Druckertyp nicht ausgedruckt werden"},
    {520, u"Zwischenablage kann nicht geleert werden"},
    {521, u"Zwischenablage kann nicht geöffnet werden"},
    {735, u"Datei kann nicht in TEMP-Verzeichnis gespeichert werden"},
    {744, u"Suchtext nicht gefunden"},
    {746, u"Begriff zum Ersetzen zu lang"},
    {31001, u"Nicht genügend Speicher"},
    {31004, u"Kein Objekt"},
    {31018, u"Klasse ist nicht festgelegt"},
    {31027, u"Objekt kann nicht aktiviert werden"},
    {31032, u"Eingebettetes Objekt kann nicht erstellt werden"},
    {31036, u"Fehler beim Speichern einer Datei"},
    {31037, u"Fehler beim Laden einer Datei"},
};

} // namespace

std::span<const Fehlertabellenzeile> Fehlertabelle() {
    return Zeilen;
}

Text FehlerbeschreibungZuNummer(long nummer) {
    auto zeile =
        std::lower_bound(std::begin(Zeilen), std::end(Zeilen), nummer,
                         [](const Fehlertabellenzeile& z, long n) { return z.nummer < n; });
    if (zeile == std::end(Zeilen) || zeile->nummer != nummer)
        return u"sonstiger Fehler";
    return zeile->beschreibung;
}

Text FehlerberichtText(const Text& fehlerbeschreibung, const Text& fehlerdateitext) {
    Text text = u"Fehlerart: [" + fehlerbeschreibung + u"]!\n\n" +
                u"Bitte alle Dateien schließen, Daten bereinigen und die Berechnung neu starten!";
    if (!Trimmen(fehlerdateitext).empty())
        text += u"\n\nVexlo-Fehler:" + fehlerdateitext;
    return text;
}
