// Qualitätstests an Zeile 2 der Ergebnisliste mit beliebigen Grenzwerten: höchstens fünf
// Warnungen, je Warnung genau eine Marke " *" am Ende, sonst nur "_" zu Leerzeichen.
#include "Eingabe.h"
#include "evaluation/Qualitaet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    Grenzwerte grenzen;
    grenzen.loesungsqualitaet = AusWindows1252(eingabe.Stueck());
    grenzen.ambiguities = AusWindows1252(eingabe.Stueck());
    grenzen.beobachtungszeit = AusWindows1252(eingabe.Stueck());
    grenzen.satellitenanzahl = AusWindows1252(eingabe.Stueck());
    grenzen.pdop = AusWindows1252(eingabe.Stueck());
    const Text zeile2 = AusWindows1252(eingabe.Rest());

    const Pruefergebnis ergebnis = ErgebniszeilePruefen(zeile2, grenzen);
    Pruefen(ergebnis.warnungen >= 0 && ergebnis.warnungen <= 5, "höchstens fünf Warnungen");
    Text erwartet = Ersetzen(zeile2, u"_", u" ");
    for (int i = 0; i < ergebnis.warnungen; ++i)
        erwartet += u" *";
    Pruefen(ergebnis.punktzeile == erwartet, "Punktzeile mit einer Marke je Warnung");

    // Dieselbe Zeile mit Leerzeichen statt "_" und mehr Leerzeichen ergibt dieselben Warnungen.
    const Text gedehnt =
        u"  " +
        Ersetzen(erwartet.substr(0, erwartet.size() - 2 * ergebnis.warnungen), u" ", u"   ");
    Pruefen(ErgebniszeilePruefen(gedehnt, grenzen).warnungen == ergebnis.warnungen,
            "Leerzeichen zwischen den Spalten zählen nicht");
    return 0;
}
