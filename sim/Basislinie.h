#pragma once
// Kennzahlen einer Basislinie aus den gemeinsamen Epochen von virtueller Station und Neupunkt.
// Die Regeln stehen im README (Abschnitt "Der Simulator vexlo-sim"); Werte sind Modellgrößen.
#include "Rinex.h"

#include <optional>
#include <string>

// Grenzen der Regeln; ein Bogen gilt ab dieser Länge als gelöst.
constexpr double kMindestbogenMinuten = 5.0;
constexpr double kPdopOhneLoesung = 99.9;

struct Kennzahlen {
    int epochen = 0;               // gemeinsame Epochen mit mindestens einem gemeinsamen Satelliten
    double intervallSekunden = 0;  // kleinster Abstand gemeinsamer Epochen
    double zeitMinuten = 0;        // erste bis letzte gemeinsame Epoche plus ein Intervall
    double mittlereSatelliten = 0; // gemeinsame Satelliten je gemeinsamer Epoche
    int boegen = 0;
    int geloesteBoegen = 0;
    int mehrdeutigkeitenProzent = 0;
    double pdop = kPdopOhneLoesung; // Mittel über die Epochen mit mindestens vier Satelliten
    int pdopEpochen = 0;
    Zeitpunkt anfang = 0;
    Zeitpunkt ende = 0;
};

// nullopt: keine gleichzeitigen Beobachtungen. maskeGrad: Elevationsmaske des PDOP.
std::optional<Kennzahlen> BasislinieAuswerten(const RinexDatei& virtuell,
                                              const RinexDatei& neupunkt, int maskeGrad);

// "high", "mittel" oder "niedrig".
std::string Qualitaetswort(const Kennzahlen& k);
