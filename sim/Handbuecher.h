#pragma once
// Die beiden Handbücher, die Kestrav im Engine-Verzeichnis öffnet, als Text des Simulators.
#include <string>
#include <vector>

std::vector<std::string> QelHandbuch();
std::vector<std::string> VexloHandbuch();
