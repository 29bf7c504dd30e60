// RINEX-Leser des Simulators: jede Eingabe ergibt eine ganz gelesene Datei oder einen druckbaren
// Fehlertext. Eine gelesene Datei ist nach Zeit sortiert, hat je Satellit einen Wert je
// Beobachtungstyp, und was der Schreiber des Simulators aus einer Datei mit brauchbarer Näherung
// macht, liest der Leser wieder mit denselben Epochen und Satelliten.
#include "Eingabe.h"
#include "RinexLeser.h"
#include "RinexSchreiber.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const RinexErgebnis ergebnis = RinexLesen(eingabe.Rest());
    for (char z : ergebnis.fehler)
        Pruefen(z >= ' ' && z <= '~', "Fehlertext nur aus druckbarem ASCII");
    if (!ergebnis.fehler.empty())
        return 0;

    const RinexDatei& datei = ergebnis.datei;
    const std::size_t typen = datei.kopf.typen.size();
    for (std::size_t i = 0; i < datei.epochen.size(); ++i) {
        const Epoche& e = datei.epochen[i];
        Pruefen(i == 0 || datei.epochen[i - 1].zeit <= e.zeit, "Epochen nach Zeit sortiert");
        Pruefen(e.werte.size() == e.satelliten.size() * typen, "ein Wert je Satellit und Typ");
        Pruefen(e.merker.size() == 2 * e.werte.size(), "zwei Merker je Wert");
    }

    // Der Schreiber schreibt virtuelle Stationen nahe der Erdoberfläche; eine Näherung außerhalb
    // seiner festen Spalten (etwa 3800000000 m) ist nicht sein Fall.
    if (!NaeherungBrauchbar(datei.kopf))
        return 0;
    std::string geschrieben;
    for (const std::string& zeile : RinexZeilen(datei, {"fuzz", "fuzz"}))
        geschrieben += zeile + "\r\n";
    const RinexErgebnis wieder = RinexLesen(geschrieben);
    Pruefen(wieder.fehler.empty(), "Geschriebenes wird wieder gelesen");
    Pruefen(wieder.datei.epochen.size() == datei.epochen.size(), "dieselbe Zahl von Epochen");
    for (std::size_t i = 0; i < datei.epochen.size() && i < wieder.datei.epochen.size(); ++i)
        Pruefen(wieder.datei.epochen[i].zeit == datei.epochen[i].zeit &&
                    wieder.datei.epochen[i].satelliten == datei.epochen[i].satelliten,
                "dieselben Zeiten und Satelliten");
    return 0;
}
