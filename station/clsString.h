#pragma once
#include "platform/Text.h"

// Wachsender Puffer: verdoppelt sich mindestens beim Wachsen, damit viele Teile linear kosten.
class clsString {
public:
    clsString();
    void Reset();
    void Add(const Text& sString);
    Text Result() const;
    // Länge von sPuffer, für Tests beobachtbar.
    std::size_t Kapazitaet() const { return sPuffer.size(); }

private:
    Text sPuffer;
    long lLaenge = 0;
    Text sZwischen;
};
