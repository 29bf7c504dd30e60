// Höhe aus der Lösungsdatei: die Zeile mit "NHN-Höhe [m]" (sonst die letzte), davon Feld 2 am
// Doppelpunkt, rechtsbündig in mindestens acht Zeichen. Über eine echte Datei.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "evaluation/Ausgabe.h"
#include "station/modKestrav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    const Text pfad = laufwerk.Ablegen("_ergebnis_np01_sol.txt", eingabe.Rest());

    const Text zeile = ZeileSuchen(laufwerk.Dateien(), pfad, u"NHN-Höhe [m]");
    const Text hoehe = HoeheAusLoesungszeile(zeile);
    Pruefen(hoehe.find(u':') == Text::npos, "die Höhe enthält keinen Doppelpunkt");
    Pruefen(hoehe.empty() || (hoehe.front() != u' ' && hoehe.back() != u' '),
            "Höhe ohne Leerzeichen außen");
    Pruefen(hoehe.empty() || zeile.find(u':') != Text::npos,
            "eine Höhe nur hinter einem Doppelpunkt");

    const Text feld = RechtsBuendig8(hoehe);
    Pruefen(feld.size() == std::max<std::size_t>(8, hoehe.size()), "mindestens acht Zeichen");
    Pruefen(feld.compare(feld.size() - hoehe.size(), hoehe.size(), hoehe) == 0 &&
                feld.find_first_not_of(u' ') >= feld.size() - hoehe.size(),
            "links nur Leerzeichen, rechts die Höhe");
    return 0;
}
