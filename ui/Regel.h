#pragma once
// Führt eine Regel der Logik aus einem Ereignis der Oberfläche heraus aus. Ein Laufzeitfehler darf
// nicht durch die Ereignisschleife laufen; er wird gemeldet und die Oberfläche bleibt bedienbar.
#include <cstdio>
#include <exception>
#include <functional>

inline void RegelAusfuehren(const std::function<void()>& regel) {
    if (!regel)
        return;
    try {
        regel();
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "Kestrav: %s\n", fehler.what());
    }
}
