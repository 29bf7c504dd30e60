#include "StapelDialoge.h"

#include "evaluation/Abschluss.h"
#include "station/Rinexscan.h"

namespace {

const char* Antworttext(Antwort a) {
    switch (a) {
    case Antwort::Ja:
        return "Ja";
    case Antwort::Nein:
        return "Nein";
    case Antwort::Abbrechen:
        return "Abbrechen";
    case Antwort::OK:
        break;
    }
    return "OK";
}

// Die Abschlussmeldung erkennt man an ihrem festen Text.
bool IstAbschluss(const Meldung& m, bool& mitWarnungen) {
    if (m.titel == u"Kestrav" &&
        Enthaelt(m.text, u" Neupunktkoordinaten ohne Warnungen berechnet!")) {
        mitWarnungen = false;
        return true;
    }
    if (m.titel == u"Achtung Warnungen!" && Enthaelt(m.text, u" Neupunktkoordinaten mit ")) {
        mitWarnungen = true;
        return true;
    }
    return false;
}

bool IstNamenshinweis(TextSicht text) {
    return text.substr(0, AusgelassenKopf.size()) == AusgelassenKopf ||
           text.substr(0, UnlesbarKopf.size()) == UnlesbarKopf;
}

} // namespace

Antwort StapelDialoge::Zeigen(const Meldung& meldung) {
    Antwort antwort = Antwort::OK;
    if (meldung.knoepfe == Knoepfe::JaNein)
        antwort = immerJa_ || meldung.standardknopf != 2 ? Antwort::Ja : Antwort::Nein;
    std::ostream& ziel = IstNamenshinweis(meldung.text) ? fehler_ : aus_;
    ziel << "== " << NachUtf8(meldung.titel) << " ==\n"
         << NachUtf8(meldung.text) << "\n-> " << Antworttext(antwort) << "\n"
         << std::flush;
    if (IstAbschluss(meldung, mitWarnungen_))
        abschluss_ = true;
    rechenkernFehlt_ = rechenkernFehlt_ || meldung.titel == u"Vexlo fehlt!";
    fehlerGemeldet_ = fehlerGemeldet_ || meldung.titel == u"Achtung Fehler!";
    return antwort;
}

Text StapelDialoge::DateiOeffnen(const Dateiauswahl&) {
    return pfad_;
}
