// Regeln der Engine-Schalter auf dem Reiter "Optionen". Jede Regel hängt am Setter ihres
// Steuerelements und läuft deshalb auch, wenn das Programm den Wert setzt (Laden der
// Einstellungen).
#include "platform/Laufzeitfehler.h"
#include "platform/Zahlen.h"
#include "shell/Basisformular.h"
#include "shell/Grenzwerte.h"
#include "shell/Start.h"
#include "shell/Verdrahtung.h"

namespace {

constexpr TextSicht SchalterOhneAntenne = u" -A";
constexpr TextSicht SchalterNormalhöhe = u" +Sb";
constexpr TextSicht QelStandardparameter = u"-e10";
constexpr TextSicht BoStandardparameter = u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb";

// Ohne Prüfung, ob der Schalter schon dasteht: von Hand getippte Schalter werden so verdoppelt.
void SchalterAnhängen(TextFeld& feld, TextSicht schalter) {
    feld.SetzeText(feld.Wert() + Text(schalter));
}

// Nur exakt geschriebene Vorkommen; von Hand anders geschriebene bleiben stehen.
void SchalterEntfernen(TextFeld& feld, TextSicht schalter) {
    feld.SetzeText(Entfernen(feld.Wert(), schalter));
}

bool Angekreuzt(const Kontrollkaestchen& kästchen) {
    return kästchen.Wert() == 1;
}

void Satellitensystem_Click(Basisformular& form, const Kontrollkaestchen& kästchen,
                            TextSicht schalter) {
    if (Angekreuzt(kästchen))
        SchalterAnhängen(form.QelWeitereParameter, schalter);
    else
        SchalterEntfernen(form.QelWeitereParameter, schalter);
}

void QelKorrAntenne_Click(Basisformular& form) {
    if (Angekreuzt(form.QelKorrAntenne))
        SchalterEntfernen(form.QelWeitereParameter, SchalterOhneAntenne);
    else
        SchalterAnhängen(form.QelWeitereParameter, SchalterOhneAntenne);
}

// Ein unlesbares Engine-Verzeichnis zählt wie eines ohne Geoiddatei.
bool GeoiddateiVorhanden(Basisformular& form) {
    try {
        return !form.umgebung.datei.Auflisten(form.zustand.VexloVerzeichnis + u"*.bog").empty();
    } catch (const Laufzeitfehler&) {
        return false;
    }
}

void GeoiddateiFehltMelden(Basisformular& form) {
    Meldung m;
    m.text = u"Eine binäre SatNivGeoid-Datei <c:\\programme\\vexlo\\*.bog> fehlt!\n"
             u"Berechnungen von Normalhöhen sind nicht möglich!";
    m.titel = u"Keine Berechnung von Normalhöhen möglich!";
    m.knoepfe = Knoepfe::OK;
    m.symbol = Symbol::Ausrufezeichen;
    form.umgebung.dialoge.Zeigen(m);
}

void QelHöheDhhn_Click(Basisformular& form) {
    if (!GeoiddateiVorhanden(form)) {
        GeoiddateiFehltMelden(form);
        form.QelHöheEllips.Waehlen();
        return;
    }
    if (form.QelHöheDhhn.Gewaehlt())
        SchalterAnhängen(form.BoWeitereParameter, SchalterNormalhöhe);
}

void QelHöheEllips_Click(Basisformular& form) {
    SchalterEntfernen(form.BoWeitereParameter, SchalterNormalhöhe);
}

// Die Satellitensysteme behalten ihre Häkchen, ihre Schalter kommen aber nicht zurück.
void cmdBoOriPara_Click(Basisformular& form) {
    form.BoWeitereParameter.SetzeText(Text(BoStandardparameter));
    form.QelWeitereParameter.SetzeText(Text(QelStandardparameter));
    if (form.QelHöheEllips.Gewaehlt())
        SchalterEntfernen(form.BoWeitereParameter, SchalterNormalhöhe);
    form.QelKorrAntenne.SetzeWert(1);
}

bool VersionZulässig(TextSicht text) {
    double wert = FuehrendeZahl(text);
    return wert >= 1 && wert <= 2;
}

// Das Ersetzen durch "2" löst die Regel erneut aus; der äußere Lauf macht danach mit "2" weiter.
void VexloVersion_Change(Basisformular& form) {
    if (!VersionZulässig(form.VexloVersion.Wert()))
        form.VexloVersion.SetzeText(u"2");
    form.zustand.Versionskennung = form.VexloVersion.Wert();
    FensterbeschriftungSetzen(form);
}

void SatellitensystemVerdrahten(Basisformular& form, Kontrollkaestchen& kästchen,
                                TextSicht schalter) {
    kästchen.beiKlick = [&form, &kästchen, schalter] {
        Satellitensystem_Click(form, kästchen, schalter);
    };
}

} // namespace

void VerdrahteOptionen(Basisformular& form) {
    SatellitensystemVerdrahten(form, form.QelGPS, u" -SVG");
    SatellitensystemVerdrahten(form, form.QelGLONASS, u" -SVR");
    SatellitensystemVerdrahten(form, form.QelGalileo, u" -SVE");
    SatellitensystemVerdrahten(form, form.QelSBAS, u" -SVS");
    form.QelKorrAntenne.beiKlick = [&form] { QelKorrAntenne_Click(form); };
    form.QelHöheDhhn.beiKlick = [&form] { QelHöheDhhn_Click(form); };
    form.QelHöheEllips.beiKlick = [&form] { QelHöheEllips_Click(form); };
    form.cmdBoOriPara.beiKlick = [&form] { cmdBoOriPara_Click(form); };
    form.VexloVersion.beiAenderung = [&form] { VexloVersion_Change(form); };
    VerdrahteGrenzwerte(form);
}
