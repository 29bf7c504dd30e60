#pragma once
// Ein Programm, vier Namen: der Aufrufname entscheidet, welches Modul läuft.
#include <string>
#include <string_view>
#include <vector>

enum class Modul { Qel, Bo, Werkzeug };

// Letzter Teil von argv[0] (Trenner "/" oder "\"), ohne ".exe", in Kleinbuchstaben.
std::string Aufrufname(std::string_view argv0);
Modul ModulZuName(std::string_view aufrufname);

// Ein Modul: Aufrufname (etwa "qel2") und die Argumente ohne argv[0].
using Moduleinstieg = int (*)(const std::string& aufrufname,
                              const std::vector<std::string>& argumente);

struct Rechenkern {
    Moduleinstieg qel;
    Moduleinstieg bo;
    // Unter jedem anderen Namen: die Befehle des Programms selbst.
    int (*werkzeug)(const std::vector<std::string>& argumente);
};

// main beider Rechenkerne.
int RechenkernStarten(int argc, char** argv, const Rechenkern& kern);
// Auf --hilfe oder --help die Hilfe auf stdout und 0; sonst war der Aufruf falsch: stderr und 2.
int HilfeAusgeben(const std::vector<std::string>& argumente, const char* hilfe);
