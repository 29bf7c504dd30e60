// Führende Zahl, Rundung und Zahlprüfung: kein Absturz, und was sich billig nachprüfen lässt.
#include "platform/Zahlen.h"
#include "Eingabe.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const Text text = AusWindows1252(eingabe.Rest());

    const double wert = FuehrendeZahl(text);
    Pruefen(std::isfinite(wert), "FuehrendeZahl ist endlich");
    // Leerzeichen und Tabulatoren zählen nirgends, auch nicht zwischen den Ziffern.
    Pruefen(FuehrendeZahl(Entfernen(Entfernen(text, u" "), u"\t")) == wert,
            "Leerzeichen und Tabulatoren ändern die Zahl nicht");
    // Was hinter dem ersten fremden Zeichen steht, zählt nicht.
    Pruefen(FuehrendeZahl(text + u"x1") == wert, "ein fremdes Zeichen beendet die Zahl");
    Pruefen(FuehrendeZahl(u"x" + text) == 0.0, "ohne führende Zahl 0");

    if (auto ganz = GanzzahlGerundet(wert)) {
        Pruefen(std::fabs(*ganz - wert) <= 0.5, "Rundung auf die nächste Ganzzahl");
        if (std::fabs(*ganz - wert) == 0.5)
            Pruefen(*ganz % 2 == 0, "halbe Werte zur geraden Zahl");
    } else {
        Pruefen(std::fabs(wert) > 2147483647.0, "nur Werte außerhalb von 32 Bit ohne Ganzzahl");
    }

    IstZahl(text);
    return 0;
}
