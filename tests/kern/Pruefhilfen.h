#pragma once
// Kurzformen für häufige Prüfungen der Kern-Tests.
#include "platform/Dialoge.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

#include <tuple>

// Text, Titel, Knöpfe und Symbol einer Meldung in einem Vergleich.
inline auto Teile(const Meldung& m) {
    return std::tuple(m.text, m.titel, m.knoepfe, m.symbol);
}

// Erwartet einen Laufzeitfehler mit genau dieser Nummer.
template <class Aufruf> void ErwarteLaufzeitfehler(int nummer, Aufruf&& aufruf) {
    try {
        aufruf();
        ADD_FAILURE() << "kein Laufzeitfehler " << nummer;
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), nummer);
    }
}
