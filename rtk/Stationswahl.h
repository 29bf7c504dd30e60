#pragma once
// Was Qel für Bo festhält, in einer Begleitdatei der virtuellen Station (Name der virtuellen
// Station + ".ref", fällt so unter "virt*.*" und wird mit ihr aufgeräumt): die gewählten
// Referenzen mit Koordinaten, die ausgeschlossenen Satellitensysteme und die Zone des Laufs.
#include "Geometrie.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

struct GewaehlteStation {
    std::string kennung;
    std::string datei; // Beobachtungsdatei im Arbeitsverzeichnis
    Vektor3 koordinate{0, 0, 0};
    double abstand = 0; // zum Neupunkt (Näherung), in Metern
};

struct Stationswahl {
    std::vector<GewaehlteStation> stationen; // die nächste zuerst
    std::set<char> ausgeschlossen;           // Satellitensysteme ("G", "R", "E", "S")
    int zone = 0;
};

std::string BegleitdateiName(const std::string& virtuelleStation);
bool StationswahlSchreiben(const std::string& name, const Stationswahl& wahl);
// nullopt, wenn die Datei fehlt oder nicht in diesem Aufbau ist; fehler nennt den Grund.
std::optional<Stationswahl> StationswahlLesen(const std::string& name, std::string& fehler);
