#pragma once
// Kurzformen für häufige Prüfungen der Kern-Tests.
#include "platform/Dialoge.h"

#include <gtest/gtest.h>

#include <tuple>

// Text, Titel, Knöpfe und Symbol einer Meldung in einem Vergleich.
inline auto Teile(const Meldung& m) {
    return std::tuple(m.text, m.titel, m.knoepfe, m.symbol);
}
