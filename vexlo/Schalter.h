#pragma once
// Befehlszeilen von Qel und Bo. Unbekannte Schalter ("-e10", "+E+NS2,...") werden angenommen
// und übergangen, wie Kestrav sie unverändert weiterreicht; Groß-/Kleinschreibung zählt.
#include <set>
#include <string>
#include <vector>

struct QelAuftrag {
    std::string neupunkt;
    std::vector<std::string> kennungen; // Referenzkennungen in Aufrufreihenfolge
    bool protokoll = false;             // "+PRO"
    bool ohneAntennenkorrektur = false; // "-A"
    std::string antex;                  // "+A<Datei>"
    std::set<char> ausgeschlossen;      // "-SVG", "-SVR", "-SVE", "-SVS"
    std::vector<std::string> uebergangen;
};

struct BoAuftrag {
    std::string virtuell;
    std::string neupunkt;
    std::string liste;         // "+FE<Datei>"
    std::string loesung;       // "+FS<Datei>"
    std::string protokoll;     // "+FL<Datei>"
    bool normalhoehen = false; // "+Sb"
    std::string antex;         // "+ACF<Datei>"
    int elevationsmaske = 10;  // "-e<Grad>", 0 bis 90
    int zone = 0;              // "-z<Zone>", 1 bis 60; 0: die Zone, die Qel festgelegt hat
    std::vector<std::string> uebergangen;
};

QelAuftrag QelAuftragLesen(const std::vector<std::string>& argumente);
BoAuftrag BoAuftragLesen(const std::vector<std::string>& argumente);

std::string SystemName(char system);
