#include "platform/Windowspfad.h"

bool IstPfadtrenner(char16_t z) {
    return z == u'\\' || z == u'/';
}

char16_t Laufwerksbuchstabe(TextSicht pfad) {
    if (pfad.size() < 2 || pfad[1] != u':')
        return 0;
    char16_t b = KleinZeichen(pfad[0]);
    return b >= u'a' && b <= u'z' ? b : 0;
}

Text AbsoluterPfad::AlsText() const {
    Text t{laufwerk, u':'};
    if (teile.empty())
        return t + u'\\';
    for (const Text& teil : teile) {
        t += u'\\';
        t += teil;
    }
    return t;
}

namespace {

bool IstUnc(TextSicht pfad) {
    return pfad.size() >= 2 && IstPfadtrenner(pfad[0]) && IstPfadtrenner(pfad[1]);
}

void KomponentenAnfuegen(TextSicht rest, std::vector<Text>& teile) {
    std::size_t anfang = 0;
    while (anfang <= rest.size()) {
        std::size_t ende = anfang;
        while (ende < rest.size() && !IstPfadtrenner(rest[ende]))
            ++ende;
        TextSicht teil = rest.substr(anfang, ende - anfang);
        if (teil == u"..") {
            if (!teile.empty())
                teile.pop_back();
        } else if (!teil.empty() && teil != u".") {
            teile.emplace_back(teil);
        }
        anfang = ende + 1;
    }
}

} // namespace

std::optional<AbsoluterPfad> PfadVervollstaendigen(TextSicht pfad, TextSicht basis) {
    if (IstUnc(pfad))
        return std::nullopt;
    char16_t basisLaufwerk = Laufwerksbuchstabe(basis);
    char16_t laufwerk = Laufwerksbuchstabe(pfad);
    TextSicht rest = laufwerk ? pfad.substr(2) : pfad;
    if (!laufwerk)
        laufwerk = basisLaufwerk;
    if (!laufwerk)
        return std::nullopt;

    AbsoluterPfad ergebnis;
    ergebnis.laufwerk = laufwerk;
    bool absolut = !rest.empty() && IstPfadtrenner(rest[0]);
    if (!absolut && laufwerk == basisLaufwerk)
        KomponentenAnfuegen(basis.substr(2), ergebnis.teile);
    KomponentenAnfuegen(rest, ergebnis.teile);
    return ergebnis;
}

GeteilterPfad LetzteKomponenteAbtrennen(TextSicht pfad) {
    std::size_t trenner = pfad.size();
    while (trenner > 0 && !IstPfadtrenner(pfad[trenner - 1]))
        --trenner;
    if (trenner == 0 && Laufwerksbuchstabe(pfad))
        trenner = 2;
    return {Text(pfad.substr(0, trenner)), Text(pfad.substr(trenner))};
}
