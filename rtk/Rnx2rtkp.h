#pragma once
// Ein Aufruf von rnx2rtkp für eine Basislinie: statisch, L1+L2, über eine Konfigurationsdatei
// (die Befehlszeilenoption -sys schränkt die Systeme nicht ein).
#include "Geometrie.h"

#include <set>
#include <string>
#include <vector>

struct Basislinienauftrag {
    std::string neupunkt;         // Rover
    std::string referenz;         // Basis
    Vektor3 referenzkoordinate{}; // fest, ETRS89
    std::vector<std::string> navigation;
    std::string antex; // leer: ohne Antennenkorrektur
    int elevationsmaske = 10;
    std::set<char> ausgeschlossen;
    std::string konfiguration; // Dateinamen der Arbeitsdateien
    std::string ausgabe;       // .pos; rnx2rtkp legt ausgabe + ".stat" daneben
};

std::vector<std::string> Konfiguration(const Basislinienauftrag& a);

struct Programmlauf {
    bool gestartet = false;
    int exitcode = -1;
    std::string ausgabe; // stdout und stderr
};

// Programm aus VEXLO_RNX2RTKP, sonst "rnx2rtkp" über PATH; ohne Shell.
Programmlauf Rnx2rtkpAusfuehren(const Basislinienauftrag& a);

// Fehler, die rnx2rtkp nur meldet und dann mit Vorgaben weiterrechnet ("invalid option value").
std::string GemeldeterFehler(const std::string& ausgabe);
