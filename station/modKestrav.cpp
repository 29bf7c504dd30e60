#include "station/modKestrav.h"

#include "shell/Steuerelemente.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

const Text kZeilenende = u"\r\n";

} // namespace

void DateiSchreiben(Dateisystem& ds, const Text& datei, const Text& text) {
    ds.Schreiben(datei, text + kZeilenende, false);
}

void DateiZeileVoranstellen(Dateisystem& ds, const Text& datei, const Text& text) {
    Text alt = DateiLesen(ds, datei);
    if (alt.size() > 1)
        alt.resize(alt.size() - 2);
    Text neu = text + kZeilenende;
    // Ein Rest von höchstens einem Zeichen gilt als leer (auch eine alte Zeile "a" fällt weg).
    if (alt.size() > 1)
        neu += alt + kZeilenende;
    ds.SicherErsetzen(datei, neu);
}

void DateiAnhaengen(Dateisystem& ds, const Text& datei, const Text& text) {
    ds.Schreiben(datei, text + kZeilenende, true);
}

Text ZeileSuchen(Dateisystem& ds, const Text& datei, const Text& suchtext) {
    Text zuletzt;
    try {
        ds.ZeilenLesen(datei, [&](const Text& zeile) {
            zuletzt = zeile;
            return !Enthaelt(zeile, suchtext);
        });
    } catch (...) {
        // Nicht zu öffnen: "", sonst bleibt die zuletzt gelesene Zeile.
    }
    return zuletzt;
}

Text ZeileLesen(Dateisystem& ds, const Text& datei, long n) {
    if (n < 1 || !DateiExistiert(ds, datei))
        return Text();
    long gelesen = 0;
    Text zeile;
    try {
        ds.ZeilenLesen(datei, [&](const Text& z) {
            zeile = z;
            return ++gelesen < n;
        });
    } catch (...) {
        // Lesefehler nach dem Öffnen: es zählt, was bis dahin gelesen war.
    }
    return gelesen < n ? Text() : zeile;
}

Text FeldAusZeile(const Text& text, long n, const Text& trenner) {
    // Ein leerer Text hat gar kein Feld, ein leerer Trenner teilt nicht.
    if (n < 1 || text.empty())
        return Text();
    if (trenner.empty())
        return n == 1 ? Trimmen(text) : Text();
    std::size_t anfang = 0;
    for (long feld = 1; feld < n; ++feld) {
        std::size_t fund = text.find(trenner, anfang);
        if (fund == Text::npos)
            return Text();
        anfang = fund + trenner.size();
    }
    std::size_t ende = text.find(trenner, anfang);
    return Trimmen(TextSicht(text).substr(anfang, ende == Text::npos ? Text::npos : ende - anfang));
}

Text LeerzeichenBereinigen(const Text& text) {
    Text ergebnis;
    ergebnis.reserve(text.size());
    for (char16_t z : text) {
        if (z == u' ' && (ergebnis.empty() || ergebnis.back() == u' '))
            continue;
        ergebnis.push_back(z);
    }
    if (!ergebnis.empty() && ergebnis.back() == u' ')
        ergebnis.pop_back();
    return ergebnis;
}

bool DateiExistiert(Dateisystem& ds, const Text& datei) {
    try {
        return ds.Existiert(datei);
    } catch (...) {
        return false;
    }
}

bool ListeneintragWaehlen(Listenfeld& liste, const Text& text) {
    try {
        liste.SetzeText(text);
        return liste.Auswahl() >= 0;
    } catch (...) {
        return false;
    }
}

Text DateiLesen(Dateisystem& ds, const Text& datei) {
    try {
        // Erst die Verzeichnissuche: versteckte Dateien und Verzeichnisse gelten als nicht da.
        if (ds.Auflisten(datei).empty())
            return Text();
        return ds.Lesen(datei);
    } catch (...) {
        return Text();
    }
}

Text VerzeichnisVonPfad(const Text& pfad) {
    if (Trimmen(pfad).empty())
        return Text();
    std::size_t erster = pfad.find(u'\\');
    if (erster == Text::npos || pfad.find(u'\\', erster + 1) == Text::npos)
        return pfad.substr(0, erster) + u'\\';
    return pfad.substr(0, pfad.rfind(u'\\') + 1);
}

std::vector<Text> DateienAuflisten(Dateisystem& ds, const Text& verzeichnis, const Text& muster) {
    Text pfad = verzeichnis;
    if (pfad.empty() || pfad.back() != u'\\')
        pfad += u'\\';
    pfad += muster.empty() ? Text(u"*.*") : muster;
    std::vector<Text> namen;
    try {
        for (Text& name : ds.Auflisten(pfad))
            if (name != u"." && name != u"..")
                namen.push_back(std::move(name));
    } catch (...) {
        namen.clear();
    }
    // Aufrufer erkennen "nichts gefunden" an genau einem leeren Element.
    if (namen.empty())
        namen.emplace_back();
    return namen;
}

namespace {

Text ZweiStellen(unsigned long long wert) {
    std::string s = std::to_string(wert);
    if (s.size() < 2)
        s.insert(0, 2 - s.size(), '0');
    return Text(s.begin(), s.end());
}

} // namespace

Text ZeitFormatieren(long sekunden) {
    // Negative Dauern (etwa nach einer Uhrumstellung) als "-hh:mm:ss" statt "-01:-02:-05".
    bool negativ = sekunden < 0;
    unsigned long long betrag = negativ ? 0ULL - static_cast<unsigned long long>(sekunden)
                                        : static_cast<unsigned long long>(sekunden);
    Text t = ZweiStellen(betrag / 3600) + u':' + ZweiStellen(betrag % 3600 / 60) + u':' +
             ZweiStellen(betrag % 60);
    return negativ ? u'-' + t : t;
}

namespace {

struct Netzfreigabe {
    const char* variable;
    const char16_t* vorgabeRechner;
    const char16_t* freigabe;
    const char16_t* laufwerk;
};

// Reihenfolge zählt: die Ersetzungen laufen nacheinander über den ganzen Pfad.
constexpr std::array<Netzfreigabe, 3> kNetzfreigaben = {{
    {"KESTRAV_FREIGABE_A", u"messrechner", u"\\d_drive\\", u"d:\\"},
    {"KESTRAV_FREIGABE_B", u"messrechner.intern", u"\\d_drive\\", u"d:\\"},
    {"KESTRAV_FREIGABE_C", u"dateiserver", u"\\programme\\", u"m:\\"},
}};

// Rechnername aus der Umgebung; gesetzt aber leer schaltet die Freigabe ab.
Text Rechnername(const Netzfreigabe& freigabe) {
    const char* wert = std::getenv(freigabe.variable);
    return wert ? Klein(AusUtf8(wert)) : Text(freigabe.vorgabeRechner);
}

} // namespace

Text PfadNormieren(const Text& pfad) {
    Text ergebnis = Klein(pfad);
    for (const auto& freigabe : kNetzfreigaben) {
        Text rechner = Rechnername(freigabe);
        if (!rechner.empty())
            ergebnis = Ersetzen(ergebnis, u"\\\\" + rechner + freigabe.freigabe, freigabe.laufwerk);
    }
    return ergebnis;
}
