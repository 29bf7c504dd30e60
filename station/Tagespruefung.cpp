#include "station/Tagespruefung.h"

#include "shell/Basisformular.h"
#include "station/Punktlisten.h"

#include <exception>

std::optional<Text> TagesmeldungText(const std::vector<Text>& namen) {
    if (namen.empty())
        return std::nullopt;
    const Text d1 = TagAusName(namen.front());
    // Der letzte abweichende Eintrag, meist der letzte überhaupt.
    for (auto it = namen.rbegin(); it != namen.rend(); ++it) {
        const Text d2 = TagAusName(*it);
        if (d2 != d1)
            return u"Die Beobachtungstage " + d1 + u" und " + d2 +
                   u" sind unterschiedlich!\nBitte bereinigen Sie Ihre Daten!";
    }
    return std::nullopt;
}

namespace {

void Melden(Basisformular& form, const Text& text) {
    Meldung meldung;
    meldung.text = text;
    meldung.titel = u"Kestrav";
    meldung.knoepfe = Knoepfe::OK;
    meldung.symbol = Symbol::Information;
    // Solange die Meldung offen ist, ruft der Zeitgeber diese Regel nicht erneut.
    form.umgebung.dialoge.Zeigen(meldung);
}

} // namespace

void TimerErrFormLoad_Timer(Basisformular& form) {
    try {
        // Zwischen Scan und Ereignis kann die Liste geändert worden sein; dann gibt es nichts
        // zu melden.
        if (auto text = TagesmeldungText(form.Neupunkte.Eintraege()))
            Melden(form, *text);
    } catch (const std::exception&) {
        // Eine Warnung, kein Abbruch: der Zeitgeber wird auf jeden Fall abgeschaltet.
    }
    form.TimerErrFormLoad.SetzeAktiviert(false);
}
