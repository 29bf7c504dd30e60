#include "shell/Einstellungen.h"

#include "platform/Zahlen.h"
#include "shell/Basisformular.h"
#include "station/modKestrav.h"

#include <array>
#include <utility>
#include <vector>

Text Einstellungsdatei(const Basisformular& form) {
    if (!form.zustand.Einstellungsdatei.empty())
        return form.zustand.Einstellungsdatei;
    return form.zustand.Programmverzeichnis + form.zustand.IniDatei;
}

namespace {

const Text Trenner = u"=";
const Text CrLf = u"\r\n";

// Die Schlüssel so, wie sie in jeder vorhandenen kestrav.ini stehen, Schreibfehler eingeschlossen.
const Text SchlüsselVexloVersion = u"VexloVersion";
const Text SchlüsselAntennenKorrektur = u"ANTEX-Antennkorrektur";
const Text SchlüsselHöhensystem = u"Höhensystem";
const Text SchlüsselIgnorierteSysteme = u"ignoriere Beobachtungen von";
const Text SchlüsselLösungsqualität = u"Warnung Lösungsqualität";
const Text SchlüsselSatellitenanzahl = u"mittl. Satelittenanzahl";
const Text SchlüsselBeobachtungszeit = u"Beobachtungszeit";
const Text SchlüsselPDOP = u"PDOP";
const Text SchlüsselAmbiguities = u"Ambiquities gelöst für";
const Text SchlüsselAnzeigeBerechnung = u"Anzeige Berechnung";
const Text SchlüsselAnzeigeErgebnis = u"Anzeige Ergebnis";
const Text SchlüsselAnzeigeWarnung = u"Anzeige Warnung";
const Text SchlüsselPrüfungQelLogfile = u"Prüfung Qel-Logfile";
const Text SchlüsselQelParameter = u"Qel-weitereParameter";
const Text SchlüsselBoParameter = u"Bo-weitereParameter";

struct Ausschluss {
    Kontrollkaestchen Basisformular::*kästchen;
    TextSicht schalter;
};

// Reihenfolge beim Laden und Speichern.
const std::array<Ausschluss, 4> Ausschlüsse = {{
    {&Basisformular::QelGPS, u"-SVG"},
    {&Basisformular::QelGLONASS, u"-SVR"},
    {&Basisformular::QelSBAS, u"-SVS"},
    {&Basisformular::QelGalileo, u"-SVE"},
}};

// Ein Wert außerhalb von 32 Bit zählt wie einer ohne Zahl.
int GanzzahlAusWert(const Text& wert) {
    return GanzzahlGerundet(FuehrendeZahl(wert)).value_or(0);
}

std::vector<Text> ZeilenAmCrLf(const Text& inhalt) {
    std::vector<Text> zeilen;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find(CrLf, anfang);
        if (ende == Text::npos) {
            zeilen.push_back(inhalt.substr(anfang));
            break;
        }
        zeilen.push_back(inhalt.substr(anfang, ende - anfang));
        anfang = ende + CrLf.size();
    }
    return zeilen;
}

// Der neue Dateiinhalt, mit CR LF am Ende; ohne Zeilen bleibt genau eine leere Zeile.
Text SchlüsselErsetzenIn(const Text& inhalt, const Text& schlüssel, const Text& trenner,
                         const Text& wert) {
    Text neu;
    for (const Text& zeile : ZeilenAmCrLf(inhalt)) {
        Text ersetzt =
            EnthaeltOhneGross(zeile, schlüssel) ? schlüssel + u" " + trenner + u" " + wert : zeile;
        neu += ersetzt + CrLf;
    }
    return neu.empty() ? CrLf : neu;
}

// DateiLesen verschluckt Lesefehler; eine vorhandene, aber unlesbare Datei darf beim Speichern
// nicht durch eine leere ersetzt werden, darum wird dann noch einmal mit Fehlermeldung gelesen.
Text EinstellungsdateiLesen(Dateisystem& ds, const Text& pfad) {
    Text inhalt = DateiLesen(ds, pfad);
    if (inhalt.empty() && DateiExistiert(ds, pfad))
        inhalt = ds.Lesen(pfad);
    return inhalt;
}

void SpiegelLaden(Basisformular& form) {
    Dateisystem& ds = form.umgebung.datei;
    const Text pfad = Einstellungsdatei(form);
    auto lesen = [&](const Text& schlüssel) { return LeseSchlüssel(ds, pfad, schlüssel, Trenner); };
    auto ganzzahl = [&](const Text& schlüssel) { return GanzzahlAusWert(lesen(schlüssel)); };
    Sitzungszustand& z = form.zustand;
    z.Versionskennung = lesen(SchlüsselVexloVersion);
    z.AntennenKorrektur = ganzzahl(SchlüsselAntennenKorrektur);
    z.Höhensystem = lesen(SchlüsselHöhensystem);
    z.IgnorierteSysteme = lesen(SchlüsselIgnorierteSysteme);
    z.WarnungLösungsqualität = lesen(SchlüsselLösungsqualität);
    z.GrenzeSatellitenanzahl = ganzzahl(SchlüsselSatellitenanzahl);
    z.GrenzeBeobachtungszeit = ganzzahl(SchlüsselBeobachtungszeit);
    z.GrenzePDOP = ganzzahl(SchlüsselPDOP);
    z.GrenzeAmbiguities = ganzzahl(SchlüsselAmbiguities);
    z.AnzeigeBerechnung = ganzzahl(SchlüsselAnzeigeBerechnung);
    z.AnzeigeErgebnis = ganzzahl(SchlüsselAnzeigeErgebnis);
    z.AnzeigeWarnung = ganzzahl(SchlüsselAnzeigeWarnung);
    z.PrüfungQelLogfile = ganzzahl(SchlüsselPrüfungQelLogfile);
    z.QelParameter = lesen(SchlüsselQelParameter);
    z.BoParameter = lesen(SchlüsselBoParameter);
}

void HöhensystemWählen(Basisformular& form) {
    if (form.zustand.Höhensystem == u"1")
        form.QelHöheDhhn.Waehlen();
    else if (form.zustand.Höhensystem == u"2")
        form.QelHöheEllips.Waehlen();
}

// " -A" steht danach höchstens einmal und nur bei abgeschalteter Antennenkorrektur am Ende.
void QelParameterNormieren(Sitzungszustand& z) {
    z.QelParameter = Entfernen(z.QelParameter, u" -A");
    if (z.AntennenKorrektur != 1)
        z.QelParameter += u" -A";
}

void SatellitensystemeSetzen(Basisformular& form) {
    for (const Ausschluss& a : Ausschlüsse)
        (form.*a.kästchen)
            .SetzeWert(EnthaeltOhneGross(form.zustand.IgnorierteSysteme, a.schalter) ? 1 : 0);
}

// Die Reihenfolge zählt: jedes Setzen löst die Regel des Elements aus, und die beiden
// Parametertexte kommen nach den Kästchen und Optionen, damit die gespeicherten Texte gelten.
void SteuerelementeSetzen(Basisformular& form) {
    Sitzungszustand& z = form.zustand;
    form.VexloVersion.SetzeText(z.Versionskennung);
    form.QelKorrAntenne.SetzeWert(z.AntennenKorrektur);
    HöhensystemWählen(form);
    QelParameterNormieren(z);
    SatellitensystemeSetzen(form);
    form.QelWeitereParameter.SetzeText(z.QelParameter);
    form.BoWeitereParameter.SetzeText(z.BoParameter);
    form.LösungsQu.SetzeText(z.WarnungLösungsqualität);
    form.Satellitenanzahl.SetzeText(ZahlText(z.GrenzeSatellitenanzahl));
    form.OccupationTime.SetzeText(ZahlText(z.GrenzeBeobachtungszeit));
    form.PDOP.SetzeText(ZahlText(z.GrenzePDOP));
    form.AmbiguitiesFixedFor.SetzeText(ZahlText(z.GrenzeAmbiguities));
    form.VexloBildschirmausgabe.SetzeWert(z.AnzeigeBerechnung);
    form.ErgebnisAnzeigen.SetzeWert(z.AnzeigeErgebnis);
    form.FehlerAnzeigen.SetzeWert(z.AnzeigeWarnung);
}

Text IgnorierteSystemeAusKästchen(Basisformular& form) {
    Text systeme;
    for (const Ausschluss& a : Ausschlüsse)
        if ((form.*a.kästchen).Wert() == 1)
            systeme += u" " + Text(a.schalter);
    return Trimmen(systeme);
}

// Ein Text, der keine Zahl ist, ergibt keine Ganzzahl; dann bleibt der zuletzt geladene Wert.
void GrenzwertÜbernehmen(const TextFeld& feld, int& spiegel) {
    if (!IstZahl(feld.Wert()))
        return;
    if (auto wert = GanzzahlGerundet(FuehrendeZahl(feld.Wert())))
        spiegel = *wert;
}

void SpiegelAusSteuerelementen(Basisformular& form) {
    Sitzungszustand& z = form.zustand;
    z.Versionskennung = form.VexloVersion.Wert();
    z.AntennenKorrektur = form.QelKorrAntenne.Wert();
    if (form.QelHöheDhhn.Gewaehlt())
        z.Höhensystem = u"1";
    if (form.QelHöheEllips.Gewaehlt())
        z.Höhensystem = u"2";
    z.IgnorierteSysteme = IgnorierteSystemeAusKästchen(form);
    z.QelParameter = form.QelWeitereParameter.Wert();
    z.BoParameter = form.BoWeitereParameter.Wert();
    z.WarnungLösungsqualität = form.LösungsQu.Wert();
    GrenzwertÜbernehmen(form.Satellitenanzahl, z.GrenzeSatellitenanzahl);
    GrenzwertÜbernehmen(form.OccupationTime, z.GrenzeBeobachtungszeit);
    GrenzwertÜbernehmen(form.PDOP, z.GrenzePDOP);
    GrenzwertÜbernehmen(form.AmbiguitiesFixedFor, z.GrenzeAmbiguities);
    z.AnzeigeBerechnung = form.VexloBildschirmausgabe.Wert();
    z.AnzeigeErgebnis = form.ErgebnisAnzeigen.Wert();
    z.AnzeigeWarnung = form.FehlerAnzeigen.Wert();
}

std::vector<std::pair<Text, Text>> Schlüsselwerte(const Sitzungszustand& z) {
    return {
        {SchlüsselVexloVersion, z.Versionskennung},
        {SchlüsselAntennenKorrektur, ZahlText(z.AntennenKorrektur)},
        {SchlüsselHöhensystem, z.Höhensystem},
        {SchlüsselIgnorierteSysteme, z.IgnorierteSysteme},
        {SchlüsselLösungsqualität, z.WarnungLösungsqualität},
        {SchlüsselSatellitenanzahl, ZahlText(z.GrenzeSatellitenanzahl)},
        {SchlüsselBeobachtungszeit, ZahlText(z.GrenzeBeobachtungszeit)},
        {SchlüsselPDOP, ZahlText(z.GrenzePDOP)},
        {SchlüsselAmbiguities, ZahlText(z.GrenzeAmbiguities)},
        {SchlüsselAnzeigeBerechnung, ZahlText(z.AnzeigeBerechnung)},
        {SchlüsselAnzeigeErgebnis, ZahlText(z.AnzeigeErgebnis)},
        {SchlüsselAnzeigeWarnung, ZahlText(z.AnzeigeWarnung)},
        {SchlüsselPrüfungQelLogfile, ZahlText(z.PrüfungQelLogfile)},
        {SchlüsselQelParameter, z.QelParameter},
        {SchlüsselBoParameter, z.BoParameter},
    };
}

} // namespace

Text LeseSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner) {
    if (!DateiExistiert(ds, Pfad))
        return Text();
    Text wert;
    ds.ZeilenLesen(Pfad, [&](const Text& zeile) {
        if (FeldAusZeile(zeile, 1, Trenner) != Schlüssel)
            return true;
        wert = FeldAusZeile(zeile, 2, Trenner);
        return false;
    });
    return wert;
}

void ErsetzeSchlüssel(Dateisystem& ds, const Text& Pfad, const Text& Schlüssel, const Text& Trenner,
                      const Text& Wert) {
    Text inhalt = EinstellungsdateiLesen(ds, Pfad);
    ds.SicherErsetzen(Pfad, SchlüsselErsetzenIn(inhalt, Schlüssel, Trenner, Wert));
}

void EinstellungenLaden(Basisformular& form) {
    try {
        SpiegelLaden(form);
        SteuerelementeSetzen(form);
    } catch (const Laufzeitfehler&) {
        // Ein zurückgewiesener Wert (etwa 7 für ein Kontrollkästchen) beendet das Laden hier; was
        // bis dahin gesetzt ist, bleibt, und der Start läuft weiter.
    }
}

// Alle fünfzehn Schlüssel werden nacheinander im Speicher ersetzt, genau wie fünfzehn Aufrufe
// von ErsetzeSchlüssel es in der Datei täten, aber mit einem einzigen Schreiben: scheitert es,
// bleibt die alte Datei ganz, statt halb neu und halb alt.
void EinstellungenSpeichern(Basisformular& form) {
    SpiegelAusSteuerelementen(form);
    Dateisystem& ds = form.umgebung.datei;
    const Text pfad = Einstellungsdatei(form);
    Text inhalt = EinstellungsdateiLesen(ds, pfad);
    for (const auto& [schlüssel, wert] : Schlüsselwerte(form.zustand))
        inhalt = SchlüsselErsetzenIn(inhalt, schlüssel, Trenner, wert);
    ds.SicherErsetzen(pfad, inhalt);
}

Meldung EinstellungenFehlermeldung(const Basisformular& form, const Laufzeitfehler& fehler) {
    Meldung m;
    // Unter Linux sagt dem Benutzer der Host-Pfad mehr als die Laufwerksform.
    Text datei = Einstellungsdatei(form);
    try {
        datei = form.umgebung.datei.NachHostpfad(datei);
    } catch (const Laufzeitfehler&) {
    }
    m.text = u"Die Einstellungen konnten nicht in die Datei\n<" + datei +
             u">\ngeschrieben werden (Laufzeitfehler " + ZahlText(fehler.nummer()) +
             u").\nDie Datei ist unverändert geblieben.";
    m.titel = u"Kestrav";
    m.knoepfe = Knoepfe::OK;
    m.symbol = Symbol::Ausrufezeichen;
    return m;
}
