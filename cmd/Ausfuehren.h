#pragma once
// Die Befehle einer Stapeldatei auf dem Host ausführen.
#include "platform/Text.h"
#include "platform/posix/Laufwerke.h"

#include <csignal>
#include <vector>

// Exitcodes wie in POSIX-Shells, da 8 Bit nicht für die 9009 von cmd reichen.
inline constexpr int NICHT_GEFUNDEN = 127;
inline constexpr int NICHT_AUSFUEHRBAR = 126;

// Sucht das erste Wort als Programm, startet es mit den übrigen Wörtern als Argumenten (ohne
// Shell) und wartet auf sein Ende. Ergebnis: sein Exitcode, 128 + Signal nach einem Signal.
int BefehlAusfuehren(const Laufwerke& laufwerke, TextSicht basis, const std::vector<Text>& worte);

// Der Elternprozess (kestrav-stapel) darf sterben, ohne dass der Rechenkern weiterläuft: sein
// Ende schickt uns ELTERNSIGNAL. false, wo der Kern das nicht kennt.
inline constexpr int ELTERNSIGNAL = SIGHUP;
bool ElternbindungAnlegen(long elternprozess);
bool ElternprozessBeendet();
// Beendet die eigene Prozessgruppe (Rechenkern und seine Kinder) und zuletzt uns selbst.
[[noreturn]] void EigeneGruppeBeenden();

// "pause": Meldung immer, Warten auf eine Taste nur mit einem Terminal an der Standardeingabe.
void Pausieren();
