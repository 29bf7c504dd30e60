#pragma once
#include "platform/Text.h"

class Basisformular;

// Text von Beobachtungstag ohne Leerzeichen außen, "xxxx" wenn leer.
Text TageskennungAus(const Text& beobachtungstag);
// Nur für diese Versionen gibt es Aufrufworte.
bool VersionUnterstuetzt(const Text& versionskennung);

inline constexpr TextSicht LaufsperreText =
    u"In diesem Arbeitsverzeichnis rechnet bereits ein anderer Kestrav-Lauf.";

// Fenster und Arbeitsverzeichnis sperren, Fragen, Antennenentscheidung, Hinweisfenster,
// Tageskennung. false: der Lauf ist hier zu Ende (Verzeichnis gesperrt, Nein, nicht unterstützte
// Version oder Abbruch) und das Fenster schon freigegeben.
bool LaufVorbereiten(Basisformular& form);

// Beendet den Lauf ohne Auswertung: Hinweisfenster zu, Fenster frei.
void LaufAnhalten(Basisformular& form);
