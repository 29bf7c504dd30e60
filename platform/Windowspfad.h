#pragma once
// Zerlegen und Vervollständigen von Windows-Pfaden, ohne das Dateisystem zu befragen.
#include "platform/Text.h"

#include <optional>
#include <vector>

bool IstPfadtrenner(char16_t z);

// Kleiner Laufwerksbuchstabe von "x:..." oder 0, wenn der Pfad keinen hat.
char16_t Laufwerksbuchstabe(TextSicht pfad);

// Absoluter Pfad: Laufwerk (klein) und Komponenten ohne "." und "..".
struct AbsoluterPfad {
    char16_t laufwerk = 0;
    std::vector<Text> teile;

    // "c:\a\b", die Wurzel als "c:\".
    Text AlsText() const;
};

// Vervollständigt pfad gegen basis (absolut, etwa "z:\home\u"): "name", "\name", "d:name" und
// "d:\name". Bei "d:name" zu einem anderen Laufwerk als dem der Basis gilt dessen Wurzel.
// nullopt für UNC-Pfade ("\\host\...") und eine unbrauchbare Basis.
std::optional<AbsoluterPfad> PfadVervollstaendigen(TextSicht pfad, TextSicht basis);

// Teilt am letzten Trenner (oder nach "x:"): Verzeichnisteil mit Trenner, letzte Komponente.
struct GeteilterPfad {
    Text verzeichnis;
    Text name;
};
GeteilterPfad LetzteKomponenteAbtrennen(TextSicht pfad);
