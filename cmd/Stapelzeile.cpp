#include "cmd/Stapelzeile.h"

std::vector<std::string> StapelZeilen(std::string_view inhalt) {
    std::vector<std::string> zeilen;
    std::string zeile;
    bool offen = false; // angefangene Zeile ohne Ende
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        char z = inhalt[i];
        if (z == '\r' || z == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            offen = false;
            if (z == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n')
                ++i;
            continue;
        }
        zeile.push_back(z);
        offen = true;
    }
    if (offen)
        zeilen.push_back(std::move(zeile));
    return zeilen;
}

namespace {

bool IstTrenner(char16_t z) {
    return z == u' ' || z == u'\t';
}

TextSicht OhneRandtrenner(TextSicht t) {
    while (!t.empty() && IstTrenner(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && IstTrenner(t.back()))
        t.remove_suffix(1);
    return t;
}

// Erstes Wort ohne Rücksicht auf Groß-/Kleinschreibung gleich befehl, dahinter Ende oder Trenner.
bool BeginntMitBefehl(TextSicht zeile, TextSicht befehl) {
    if (zeile.size() < befehl.size() || !GleichOhneGross(zeile.substr(0, befehl.size()), befehl))
        return false;
    return zeile.size() == befehl.size() || IstTrenner(zeile[befehl.size()]);
}

} // namespace

std::vector<Text> WorteTrennen(TextSicht zeile) {
    std::vector<Text> worte;
    Text wort;
    bool imWort = false;
    bool inAnfuehrung = false;
    for (char16_t z : zeile) {
        if (z == u'"') {
            inAnfuehrung = !inAnfuehrung;
            imWort = true; // "" ist ein leeres Wort
            continue;
        }
        if (IstTrenner(z) && !inAnfuehrung) {
            if (imWort)
                worte.push_back(std::move(wort));
            wort.clear();
            imWort = false;
            continue;
        }
        wort.push_back(z);
        imWort = true;
    }
    if (imWort)
        worte.push_back(std::move(wort));
    return worte;
}

Stapelbefehl ZeileDeuten(std::string_view zeile) {
    Text text = AusWindows1252(zeile);
    TextSicht rest = OhneRandtrenner(text);
    // "@" schaltet bei cmd nur das Echo der Zeile ab; kestrav-cmd gibt Zeilen nie aus.
    while (!rest.empty() && rest.front() == u'@')
        rest = OhneRandtrenner(rest.substr(1));

    Stapelbefehl befehl;
    if (rest.empty() || BeginntMitBefehl(rest, u"rem") || rest.substr(0, 2) == u"::")
        return befehl;
    if (BeginntMitBefehl(rest, u"pause")) {
        befehl.art = Befehlsart::Pause;
        return befehl;
    }
    if (BeginntMitBefehl(rest, u"echo")) {
        TextSicht ausgabe = rest.size() > 4 ? rest.substr(5) : TextSicht();
        if (GleichOhneGross(OhneRandtrenner(ausgabe), u"off") ||
            GleichOhneGross(OhneRandtrenner(ausgabe), u"on"))
            return befehl;
        befehl.art = Befehlsart::Ausgabe;
        befehl.worte.emplace_back(ausgabe);
        return befehl;
    }
    befehl.worte = WorteTrennen(rest);
    befehl.art = befehl.worte.empty() ? Befehlsart::Nichts : Befehlsart::Programm;
    return befehl;
}
