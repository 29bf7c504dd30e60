#pragma once
#include "platform/Text.h"

#include <array>
#include <vector>

class Basisformular;

// Die Stapeldatei eines Punktes, im Arbeitsverzeichnis.
inline constexpr TextSicht Jobdatei = u"Kestrav.bat";

// Was ein früherer Lauf hinterlassen kann, in der Reihenfolge des Löschens.
inline constexpr std::array<TextSicht, 13> Aufraeummuster = {
    u"*.koord",   u"*.cst",       u"_ergebnis*.*", u"virt*.*", u"*.prt",
    u"*.vrt",     u"Kestrav.bat", u"BoJob.bat",    u"*.bo*",   u"*.err",
    u"*_log.txt", u"*_sol.txt",   u"*_list.txt"};

// Räumt je Muster alle passenden Dateien in den Papierkorb und gibt dann einmal nach. Was dort
// nicht hinkann, wird nur nach einem "Ja" endgültig gelöscht; false nach "Nein" (nichts entfernt).
bool ArbeitsbereichAufraeumen(Basisformular& form);
// Die Frage vor dem endgültigen Löschen.
Text EndgueltigLoeschenText(const std::vector<Text>& namen);

// Zwei Zeichen vor dem letzten: "23" aus "np012830.23o".
Text JahreskennungAus(const Text& ersterNeupunkt);
// Die ersten vier Zeichen jedes Referenzpunktes, mit "," verbunden.
Text ReferenzkennungenAus(const std::vector<Text>& referenzpunkte);
// Vor dem ersten ".", außen getrimmt.
Text DateistammAus(const Text& neupunkt);

// Versionskennung "1" oder "2" (sonst gibt es keine Aufrufworte).
Text QelAufrufBilden(const Text& vexloVerzeichnis, const Text& versionskennung,
                     const Text& neupunkt, const Text& referenzkennungen, const Text& qelText);
Text BoAufrufBilden(const Text& vexloVerzeichnis, const Text& versionskennung,
                    const Text& tageskennung, const Text& jahreskennung, const Text& neupunkt,
                    const Text& dateistamm, const Text& boText);
// Der ganze Inhalt der Stapeldatei, jede Zeile mit CR LF.
Text JobdateiText(const Text& qelAufruf, const Text& boAufruf, bool pause);

// Hinweistext, Warnungszähler, Fortschrittsmaximum, Jahres- und Referenzkennungen.
void LaufwerteSetzen(Basisformular& form);
// Aufrufe des aktuellen Punktes bilden und die Stapeldatei schreiben.
void JobdateiSchreiben(Basisformular& form);
