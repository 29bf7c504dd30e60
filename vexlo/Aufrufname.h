#pragma once
// Ein Programm, vier Namen: der Aufrufname entscheidet, welches Modul läuft.
#include <string>
#include <string_view>

enum class Modul { Qel, Bo, Werkzeug };

// Letzter Teil von argv[0] (Trenner "/" oder "\"), ohne ".exe", in Kleinbuchstaben.
std::string Aufrufname(std::string_view argv0);
Modul ModulZuName(std::string_view aufrufname);
