#pragma once
// Zerlegt die Bytes eines Fuzz-Laufs in Steuerwerte und Texte. Was fehlt, ist 0 bzw. leer, damit
// jede Eingabe ein gültiger Fall ist.
#include "platform/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

class Eingabe {
public:
    Eingabe(const std::uint8_t* daten, std::size_t groesse)
        : rest_(reinterpret_cast<const char*>(daten), groesse) {}

    std::uint8_t Byte() {
        if (rest_.empty())
            return 0;
        auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }

    // Bytes bis zum nächsten Trennbyte 0xFF (ausschließlich) oder bis zum Ende.
    std::string_view Stueck() {
        std::size_t ende = rest_.find('\xFF');
        std::string_view stueck = rest_.substr(0, ende);
        rest_.remove_prefix(ende == std::string_view::npos ? rest_.size() : ende + 1);
        return stueck;
    }

    std::string_view Rest() {
        std::string_view alles = rest_;
        rest_ = {};
        return alles;
    }

private:
    std::string_view rest_;
};

// Eine verletzte Eigenschaft ist ein Fund: libFuzzer legt die Eingabe bei abort() als Absturz ab.
inline void Pruefen(bool gilt, const char* eigenschaft) {
    if (!gilt) {
        std::fprintf(stderr, "Eigenschaft verletzt: %s\n", eigenschaft);
        std::abort();
    }
}
