// Zeilenzerlegung von kestrav-cmd: keine Zeile enthält ein Zeilenende, nichts geht verloren, und
// ein Programmaufruf hat nur Wörter ohne Trenner außerhalb von Anführungszeichen.
#include "cmd/Stapelzeile.h"
#include "Eingabe.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const std::string_view inhalt = eingabe.Rest();

    std::string ohneEnden;
    for (char z : inhalt)
        if (z != '\r' && z != '\n')
            ohneEnden.push_back(z);
    std::string zusammen;
    for (const std::string& zeile : StapelZeilen(inhalt)) {
        Pruefen(zeile.find_first_of("\r\n") == std::string::npos, "Zeile ohne Zeilenende");
        zusammen += zeile;

        const Stapelbefehl befehl = ZeileDeuten(zeile);
        if (befehl.art == Befehlsart::Programm) {
            Pruefen(!befehl.worte.empty(), "ein Programmaufruf hat ein erstes Wort");
            // Ohne Anführungszeichen trennen Leerzeichen und Tabulatoren immer.
            if (zeile.find('"') == std::string::npos)
                for (const Text& wort : befehl.worte)
                    Pruefen(!wort.empty() && wort.find_first_of(u" \t") == Text::npos,
                            "Wörter ohne Anführungszeichen sind nicht leer und ohne Trenner");
        } else if (befehl.art != Befehlsart::Ausgabe) {
            Pruefen(befehl.worte.empty(), "nur Programm und Ausgabe haben Wörter");
        }
        for (const Text& wort : befehl.worte)
            Pruefen(befehl.art == Befehlsart::Ausgabe || wort.find(u'"') == Text::npos,
                    "Anführungszeichen fallen weg");
    }
    Pruefen(zusammen == ohneEnden, "außer den Zeilenenden geht kein Byte verloren");
    return 0;
}
