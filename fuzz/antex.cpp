// Rumpfschnitt der ANTEX-Sammeldatei und der wachsende Puffer, der jede Datei dafür hält: der
// Rumpf steht hinter der ersten Marke bis zu einer zweiten, ohne Leerzeichen außen; ohne Marke
// Laufzeitfehler 9.
#include "run/Antex.h"
#include "Eingabe.h"
#include "platform/Laufzeitfehler.h"
#include "station/clsString.h"

namespace {
constexpr TextSicht Marke = u"END OF HEADER";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const std::size_t teile = eingabe.Byte() % 4 + 1;
    const Text inhalt = AusWindows1252(eingabe.Rest());

    // Der Puffer in Teilen gefüllt gibt genau den Inhalt zurück.
    clsString puffer;
    const std::size_t teil = inhalt.size() / teile + 1;
    for (std::size_t pos = 0; pos < inhalt.size(); pos += teil)
        puffer.Add(inhalt.substr(pos, teil));
    Pruefen(puffer.Result() == inhalt, "clsString gibt zurück, was hineinkam");
    Pruefen(puffer.Kapazitaet() >= inhalt.size(), "Kapazität reicht für den Inhalt");

    const std::size_t erste = inhalt.find(Marke);
    try {
        const Text rumpf = AntexRumpf(puffer.Result());
        Pruefen(erste != Text::npos, "ein Rumpf nur mit Marke");
        Pruefen(rumpf.find(Marke) == Text::npos, "der Rumpf enthält die Marke nicht");
        Pruefen(rumpf.empty() || (rumpf.front() != u' ' && rumpf.back() != u' '),
                "Rumpf ohne Leerzeichen außen");
        const Text dahinter = TrimmenLinks(TextSicht(inhalt).substr(erste + Marke.size()));
        Pruefen(dahinter.compare(0, rumpf.size(), rumpf) == 0,
                "der Rumpf beginnt direkt hinter der ersten Marke");
    } catch (const Laufzeitfehler& fehler) {
        Pruefen(erste == Text::npos && fehler.nummer() == 9, "nur ohne Marke Laufzeitfehler 9");
    }
    return 0;
}
