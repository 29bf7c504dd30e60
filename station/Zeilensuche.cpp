#include "station/Zeilensuche.h"

#include "platform/Laufzeitfehler.h"

namespace {

// Nummer (ab 0) der ersten Zeile mit suchtext. Von der laufenden Zeile bleibt nur ihr Ende in der
// Länge des Suchtexts weniger eins, damit ein Treffer über zwei Stücke hinweg gefunden wird.
std::optional<long long> ErsteTrefferzeile(Dateisystem& ds, const Text& datei,
                                           const Text& suchtext) {
    const std::size_t behalten = suchtext.empty() ? 0 : suchtext.size() - 1;
    std::optional<long long> treffer;
    long long zeile = 0;
    Text fenster;
    ds.ZeilenstueckeLesen(datei, [&](TextSicht stueck, bool zeilenende) {
        fenster.append(stueck);
        if (Enthaelt(fenster, suchtext)) {
            treffer = zeile;
            return false;
        }
        if (zeilenende) {
            ++zeile;
            fenster.clear();
        } else if (fenster.size() > behalten) {
            fenster.erase(0, fenster.size() - behalten);
        }
        return true;
    });
    return treffer;
}

// Die ganze Zeile mit dieser Nummer; davor liegende Zeilen werden nur überlesen.
Text ZeileNummer(Dateisystem& ds, const Text& datei, long long gesucht) {
    long long zeile = 0;
    Text inhalt;
    ds.ZeilenstueckeLesen(datei, [&](TextSicht stueck, bool zeilenende) {
        if (zeile == gesucht)
            inhalt.append(stueck);
        if (zeilenende)
            ++zeile;
        return zeile <= gesucht;
    });
    return inhalt;
}

} // namespace

std::optional<Text> ErsteZeileMit(Dateisystem& ds, const Text& datei, const Text& suchtext) {
    try {
        std::optional<long long> nummer = ErsteTrefferzeile(ds, datei, suchtext);
        if (!nummer)
            return std::nullopt;
        // Der zweite Durchgang holt die gefundene Zeile ganz; sie wird gebraucht, die davor nicht.
        Text zeile = ZeileNummer(ds, datei, *nummer);
        if (!Enthaelt(zeile, suchtext))
            return std::nullopt; // inzwischen geändert
        return zeile;
    } catch (const Laufzeitfehler&) {
        return std::nullopt;
    }
}
