#include "evaluation/Ausgabe.h"

#include "evaluation/Auswertung.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

Text HoeheAusLoesungszeile(const Text& zeile) {
    return FeldAusZeile(zeile, 2, u":");
}

Text RechtsBuendig8(const Text& text) {
    if (text.size() >= 8)
        return text;
    return Text(8 - text.size(), u' ') + text;
}

void KopfzeileSchreiben(Basisformular& form) {
    if (form.lauf.KopfzeileGeschrieben)
        return;
    Dateisystem& ds = form.umgebung.datei;
    Text kopf = ZeileLesen(ds, Ergebnisliste(form), 1);
    if (!Enthaelt(kopf, u"RovN"))
        return;
    if (form.QelHöheDhhn.Gewaehlt())
        kopf += u"  NHN-Höhe";
    DateiZeileVoranstellen(ds, Minidatei(form), kopf);
    form.lauf.KopfzeileGeschrieben = true;
}

void PunktzeilenSchreiben(Basisformular& form, Text punktzeile) {
    Dateisystem& ds = form.umgebung.datei;
    const Text spalten = LeerzeichenBereinigen(punktzeile);
    auto spalte = [&](long n) { return FeldAusZeile(spalten, n, u" "); };
    Text koordinaten = spalte(1) + u" " + spalte(2) + u" " + spalte(3) + u" ";
    if (form.QelHöheDhhn.Gewaehlt()) {
        Text hoehe = HoeheAusLoesungszeile(ZeileSuchen(ds, Loesungsdatei(form), u"NHN-Höhe [m]"));
        DateiAnhaengen(ds, Koordinatendatei(form), koordinaten + hoehe);
        punktzeile += u"  " + RechtsBuendig8(hoehe);
    } else {
        DateiAnhaengen(ds, Koordinatendatei(form), koordinaten + spalte(4));
    }
    DateiAnhaengen(ds, Minidatei(form), punktzeile + form.lauf.Fehlervermerk);
}
