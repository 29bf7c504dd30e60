#pragma once
// Lesbare, stabile Namen für datengetriebene Fälle (nur Buchstaben, Ziffern und "_").
#include "platform/Text.h"

#include <cctype>
#include <string>
#include <string_view>

inline std::string Fallname(std::size_t index, std::string_view roh) {
    std::string name = std::to_string(index) + "_";
    if (roh.data() == nullptr)
        return name + "ohneDatei";
    for (unsigned char z : roh.substr(0, 40))
        name.push_back(std::isalnum(z) ? static_cast<char>(z) : '_');
    return name;
}

inline std::string Fallname(std::size_t index, const char* roh) {
    return roh ? Fallname(index, std::string_view(roh)) : Fallname(index, std::string_view());
}

inline std::string Fallname(std::size_t index, const char16_t* roh) {
    return Fallname(index, NachWindows1252(roh));
}
