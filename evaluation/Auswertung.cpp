#include "evaluation/Auswertung.h"

#include "evaluation/Ausgabe.h"
#include "evaluation/Logpruefung.h"
#include "evaluation/Qualitaet.h"
#include "platform/Laufzeitfehler.h"
#include "run/Lauf.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

#include <limits>

Text Tagescode(const Basisformular& form) {
    return Links(form.lauf.Tageskennung, 3);
}
Text Minidatei(const Basisformular& form) {
    return u"_ergebnis_" + Tagescode(form) + u".mini";
}
Text Koordinatendatei(const Basisformular& form) {
    return u"_ergebnis_" + Tagescode(form) + u".PYXZ";
}
Text Infodatei(const Basisformular& form) {
    return u"_ergebnis_" + Tagescode(form) + u"0.info";
}
Text Ergebnisliste(const Basisformular& form) {
    return u"_ergebnis_" + form.lauf.Dateistamm + u"_list.txt";
}
Text Loesungsdatei(const Basisformular& form) {
    return u"_ergebnis_" + form.lauf.Dateistamm + u"_sol.txt";
}

void WarnungZaehlen(Basisformular& form) {
    auto& anzahl = form.zustand.Warnungsanzahl;
    if (anzahl == std::numeric_limits<std::int16_t>::max())
        throw Laufzeitfehler(6, "Warnungsanzahl");
    ++anzahl;
}

void PunktAuswerten(Basisformular& form) {
    QelLogPruefen(form);
    KopfzeileSchreiben(form);

    const Grenzwerte grenzen{form.LösungsQu.Wert(), form.AmbiguitiesFixedFor.Wert(),
                             form.OccupationTime.Wert(), form.Satellitenanzahl.Wert(),
                             form.PDOP.Wert()};
    const Pruefergebnis ergebnis =
        ErgebniszeilePruefen(ZeileLesen(form.umgebung.datei, Ergebnisliste(form), 2), grenzen);
    for (int i = 0; i < ergebnis.warnungen; ++i)
        WarnungZaehlen(form);

    PunktzeilenSchreiben(form, ergebnis.punktzeile);
}
