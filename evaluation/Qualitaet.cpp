#include "evaluation/Qualitaet.h"

#include "platform/Zahlen.h"
#include "station/modKestrav.h"

namespace {

double Wert(const Text& text) {
    return FuehrendeZahl(text);
}

} // namespace

Pruefergebnis ErgebniszeilePruefen(const Text& zeile2, const Grenzwerte& grenzen) {
    Pruefergebnis ergebnis;
    ergebnis.punktzeile = Ersetzen(zeile2, u"_", u" ");
    // Alle Tests lesen die unmarkierte Zeile, damit Marken keine Spalte verschieben.
    const Text spalten = LeerzeichenBereinigen(ergebnis.punktzeile);
    auto spalte = [&](long n) { return FeldAusZeile(spalten, n, u" "); };

    const bool fehlschlaege[] = {
        Trimmen(spalte(5)) != grenzen.loesungsqualitaet,
        Wert(spalte(7)) < Wert(grenzen.ambiguities),
        Wert(spalte(8)) < Wert(grenzen.beobachtungszeit),
        Wert(spalte(9)) < Wert(grenzen.satellitenanzahl),
        Wert(spalte(10)) > Wert(grenzen.pdop),
    };
    for (bool fehlgeschlagen : fehlschlaege) {
        if (fehlgeschlagen) {
            ++ergebnis.warnungen;
            ergebnis.punktzeile += u" *";
        }
    }
    return ergebnis;
}
