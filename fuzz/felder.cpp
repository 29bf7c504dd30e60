// FeldAusZeile und LeerzeichenBereinigen: kein Absturz bei jedem Text, Trenner und Feldindex, und
// die Regeln, die Ergebniszeilen und Einstellungszeilen zerlegen.
#include "Eingabe.h"
#include "station/modKestrav.h"

namespace {

std::size_t Vorkommen(const Text& text, const Text& teil) {
    std::size_t anzahl = 0;
    for (std::size_t pos = text.find(teil); pos != Text::npos;
         pos = text.find(teil, pos + teil.size()))
        ++anzahl;
    return anzahl;
}

bool Getrimmt(const Text& t) {
    return t.empty() || (t.front() != u' ' && t.back() != u' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    // Feldindex mit Vorzeichen, damit auch 0 und negative Werte vorkommen.
    const long n = static_cast<signed char>(eingabe.Byte());
    const Text trenner = AusWindows1252(eingabe.Stueck());
    const Text text = AusWindows1252(eingabe.Rest());

    const Text feld = FeldAusZeile(text, n, trenner);
    Pruefen(Getrimmt(feld), "Feld ohne Leerzeichen außen");
    if (n < 1 || text.empty())
        Pruefen(feld.empty(), "kein Feld vor dem ersten oder im leeren Text");
    if (!trenner.empty()) {
        Pruefen(feld.find(trenner) == Text::npos, "ein Feld enthält den Trenner nicht");
        const long felder = text.empty() ? 0 : static_cast<long>(Vorkommen(text, trenner)) + 1;
        Pruefen(FeldAusZeile(text, felder + 1, trenner).empty(), "hinter dem letzten Feld nichts");
        Pruefen(Enthaelt(text, feld), "ein Feld ist ein Stück des Textes");
    }

    const Text bereinigt = LeerzeichenBereinigen(text);
    Pruefen(Getrimmt(bereinigt), "bereinigt ohne Leerzeichen außen");
    Pruefen(!Enthaelt(bereinigt, u"  "), "bereinigt ohne zwei Leerzeichen hintereinander");
    Pruefen(LeerzeichenBereinigen(bereinigt) == bereinigt,
            "Bereinigen ein zweites Mal ändert nichts");
    Pruefen(Entfernen(bereinigt, u" ") == Entfernen(text, u" "),
            "nur Leerzeichen fallen weg, alle anderen Zeichen bleiben in ihrer Reihenfolge");
    return 0;
}
