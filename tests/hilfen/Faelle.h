#pragma once
// Fälle mit einem Feld "name" erscheinen in Meldungen und Testnamen von GoogleTest unter diesem
// Namen. Im unbenannten Namensraum, damit die Suche über die Fälle der Testdateien sie findet.
#include <ostream>
#include <string>

namespace {
template <typename Fall>
requires requires(Fall f) {
    f.name;
}
void PrintTo(const Fall& fall, std::ostream* aus) {
    *aus << fall.name;
}
const auto Fallname = [](const auto& info) { return std::string(info.param.name); };
} // namespace
