#pragma once
// Ergebnisliste und Lösungsdatei von Bo, in beiden Rechenkernen gleich aufgebaut: Kestrav liest
// sie an festen Spalten und Beschriftungen.
#include "Koordinaten.h"
#include "Rinex.h"

#include <string>
#include <vector>

// Die Zeile des Neupunkts; formatiert wird hier, damit beide Rechenkerne dieselben Stellen
// schreiben.
struct Ergebniswerte {
    std::string punkt;
    Lagekoordinaten lage;
    std::string qualitaet;
    int epochen = 0;
    int fixProzent = 0;
    double zeitMinuten = 0;
    double satelliten = 0;
    double pdop = 0;
};

// MARKER NAME, wenn er ein einzelnes Wort ohne "_" ist (Kestrav trennt Spalten auch an "_"),
// sonst die Stationskennung aus dem Dateinamen (die ersten vier Zeichen), damit die Spalten der
// Ergebnisliste nicht verrutschen.
std::string Punktname(const RinexKopf& kopf, const std::string& datei);

// Kopfzeile und die Zeile des Neupunkts. false bei Schreibfehler.
bool ErgebnislisteSchreiben(const std::string& name, const Ergebniswerte& werte);
// Schließt die Lösung mit einer eigenen letzten Zeile ab. false bei Schreibfehler.
bool LoesungsdateiSchreiben(const std::string& name, std::vector<std::string> zeilen);
