#include "shell/Basisformular.h"

#include "shell/Verdrahtung.h"

FormBitteWarten::FormBitteWarten() {
    fenster.SetzeCaption(u"Kestrav-Hinweis");
    fenster.SetzeGroesse(4725, 3135);
    Label1.SetzeCaption(u"Bitte warten, die Berechnung läuft ...");
    BerechnePunkt.SetzeCaption(u"rechne Punkt ...");
    Text1.SetzeText(u"Hinweise bei Abbruch oder Warnungen:\r\n"
                    u"- Dateinamen der Rinexdaten nicht korrekt\r\n"
                    u"- keine zeitliche Überlappungen der Rinexdaten\r\n"
                    u"- Rinexdaten fehlerhaft, wie TYPES OF OBSERVATION...\r\n"
                    u"- Neupunkte außerhalb des virtuellen Netzes\r\n"
                    u"- falsche oder ungenaue Referenzstation\r\n"
                    u"- Protokolldateien nach Hinweisen durchlesen\r\n"
                    u"- eventuell Voreinstellungen ändern und Neuberechnung\r\n"
                    u"- Antenne in Rinexdaten fehlt in der ANTEX-Datei\r\n"
                    u"- fehlende Schreibrechte\r\n");
}

std::vector<Steuerelement*> FormBitteWarten::AlleSteuerelemente() {
    return {&fenster, &Label1, &BerechnePunkt, &Text1};
}

Basisformular::Basisformular(Umgebung& u) : umgebung(u) {
    EntwurfswerteSetzen();
    umgebung.schleife.ZeitgeberAnmelden(TimerErrFormLoad);
    umgebung.schleife.ZeitgeberAnmelden(TimerAbbruch);
    VerdrahteShell(*this);
    VerdrahteOptionen(*this);
    VerdrahteStation(*this);
    VerdrahteLauf(*this);
}

void Basisformular::EntwurfswerteSetzen() {
    fenster.SetzeGroesse(5535, 5775);

    KestravHilfeMenü.SetzeCaption(u" Hilfe Kestrav");
    QelHilfeMenü.SetzeCaption(u"Hilfe Qel");
    Info.SetzeCaption(u"Info");
    EndeMenü.SetzeCaption(u"Ende");

    EndeFrame.SetzeCaption(u"Ende");
    CommandBerechnen.SetzeCaption(u"Start Berechnung");
    CommandBerechnen.SetzeTooltip(u"Qel/Bo1-Berechnungen starten");
    CommandBerechnen.SetzeAktiviert(false);
    cmdBerechnen.SetzeCaption(u"Vexlo-Berechnung");
    cmdBerechnen.SetzeTooltip(u"Vexlo-Berechnungen starten");
    cmdBerechnen.SetzeAktiviert(false);
    cmdBerechnen.SetzeSichtbar(false);

    chkDelRINEX.SetzeCaption(u"lösche Messung");
    chkDelRINEX.SetzeTooltip(u"lösche Neupunkt oder Referenzpunkt");
    AuswahlArbeitsverzeichnis.SetzeCaption(u"Auswahl Arbeits- verzeichnis");
    Label7.SetzeCaption(u"Verzeichnis der Neupunkte/Referenzpunkte:");
    Label5.SetzeCaption(u"Tag:");
    AnzahlNeupunkteRINEX.SetzeCaption(u"Neupunkte");
    AnzahlReferenzpunkteRINEX.SetzeCaption(u"Referenzpunkte");
    Neupunkte.SetzeTooltip(u"Auswahl Referenz");
    Referenzpunkte.SetzeTooltip(u"entferne Referenz");
    Richtungspfeil1.SetzeCaption(u">");
    Richtungspfeil2.SetzeCaption(u">");
    Richtungspfeil3.SetzeCaption(u">");
    AutoZuordnungReferenz.SetzeCaption(u"automatische Referenzauswahl");
    AutoZuordnungReferenz.SetzeTooltip(u"Identifizierung Referenzpunkt nach OBSERVER-String");
    ResetRINEX.SetzeCaption(u"Daten neu laden");

    Label3.SetzeCaption(u"Vexlo-Version");
    VexloVersion.SetzeText(u"2");
    VexloVersion.SetzeTooltip(u"Auswahl 1 oder 2");
    Label35.SetzeCaption(u"weitere Parameter für Qel:");
    QelWeitereParameter.SetzeText(u"-e10");
    QelWeitereParameter.SetzeTooltip(
        u"Parameter für die Berechnung der virtuellen Referenzstation ");
    Label31.SetzeCaption(u"weitere Parameter für Bo:");
    BoWeitereParameter.SetzeText(u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb");
    BoWeitereParameter.SetzeTooltip(u"Parameter für die Basislinienauswertung");
    cmdBoOriPara.SetzeCaption(u"Standard");
    cmdBoOriPara.SetzeTooltip(u"auf Standardparameter Qel/Bo zurücksetzen");
    Label2.SetzeCaption(u"OBSERVER:");
    IdSearchAutoZuordRefpunkt.SetzeText(u"SAPOS");
    IdSearchAutoZuordRefpunkt.SetzeTooltip(
        u"String für automatische Identifizierung eines Referenzpunktes in der "
        u"RINEX-Kopfzeile \"OBSERVER\"");
    Label38.SetzeCaption(u"Auswahl Höhensystem:");
    QelHöheDhhn.SetzeCaption(u"DHHN");
    QelHöheDhhn.SetzeTooltip(u"Höhenausgabe im System DHHN, jeweilige Geoidfelddatei *.bog muß "
                             u"im Programmverzeichnis vorhanden sein");
    QelHöheDhhn.Waehlen();
    QelHöheEllips.SetzeCaption(u"Ellipsoid");
    QelHöheEllips.SetzeTooltip(u"Höhenausgabe bezogen auf das GRS80-Ellipsoid");
    Label32.SetzeCaption(u"ignoriere Beobachtungen von:");
    QelGPS.SetzeCaption(u"GPS");
    QelGLONASS.SetzeCaption(u"GLONASS");
    QelGalileo.SetzeCaption(u"Galileo");
    QelSBAS.SetzeCaption(u"SBAS");
    QelKorrAntenne.SetzeCaption(u"ANTEX Antennenkorrektur");
    QelKorrAntenne.SetzeTooltip(u"ANTEX-Datei(en) <*.atx> muß vorhanden sein");
    QelKorrAntenne.SetzeWert(1);
    Check1.SetzeCaption(u"Mini-Protokoll/KVZ <*.mini>");
    Check1.SetzeWert(1);
    Check1.SetzeAktiviert(false);
    Check2.SetzeCaption(u"PYXZ-Datei");
    Check2.SetzeTooltip(u"erzeuge Koordinatendatei <*.PYXZ>");
    Check2.SetzeWert(1);
    Check2.SetzeAktiviert(false);

    Label29.SetzeCaption(u"Bei Über- oder Unterschreitung des Grenzwertes wird in der erzeugten "
                         u"Ergebnisdatei die entsprechende Zeile gekenn- zeichnet! Die "
                         u"Standardwerte sind Vexlo-Empfehlungen.");
    Label6.SetzeCaption(u"Hinweise:");
    VexloBildschirmausgabe.SetzeCaption(u"der Berechnung");
    VexloBildschirmausgabe.SetzeTooltip(
        u"Das Fenster der Vexlo-Berechnungen wird am Ende der Berechnung nicht geschlossen!");
    ErgebnisAnzeigen.SetzeCaption(u"Ergebnis");
    ErgebnisAnzeigen.SetzeTooltip(u"automatisches Anzeigen der Ergebnisdatei mittels Notepad");
    ErgebnisAnzeigen.SetzeWert(1);
    FehlerAnzeigen.SetzeCaption(u"bei Warnungen");
    FehlerAnzeigen.SetzeTooltip(
        u"automatisches Anzeigen der Warnungen der Ergebnisdatei mittels Notepad");
    FehlerAnzeigen.SetzeWert(1);
    Label4.SetzeCaption(u"Grenzwerte für Warnungen:");
    Label1.SetzeCaption(u"Lösungsqualität <");
    LösungsQu.SetzeText(u"high");
    LösungsQu.SetzeTooltip(u"Warnung bei \"mittel\" und \"niedrig\"");
    Label12.SetzeCaption(u"mittl. Satellitenanzahl <");
    Satellitenanzahl.SetzeText(u"5");
    Label21.SetzeCaption(u"Beobachtungszeit <");
    OccupationTime.SetzeText(u"5");
    Label22.SetzeCaption(u"min");
    Label13.SetzeCaption(u"PDOP >");
    PDOP.SetzeText(u"6");
    Label20.SetzeCaption(u"Ambiguities gelöst für <");
    AmbiguitiesFixedFor.SetzeText(u"90");
    Label25.SetzeCaption(u"% ");
    ButtonStandardwerte.SetzeCaption(u"Standard");
    ButtonStandardwerte.SetzeTooltip(u"Originale Voreinstellungen wiederherstellen");
}

std::vector<Steuerelement*> Basisformular::AlleSteuerelemente() {
    return {&fenster,
            &KestravHilfeMenü,
            &QelHilfeMenü,
            &Info,
            &EndeMenü,
            &ProgressBar,
            &EndeFrame,
            &CommandBerechnen,
            &cmdBerechnen,
            &TimerErrFormLoad,
            &TimerAbbruch,
            &RegisterkarteKestrav,
            &chkDelRINEX,
            &FrameBenutzereinstellungen,
            &AuswahlArbeitsverzeichnis,
            &Label7,
            &VerzeichnisNeupunkte,
            &Label5,
            &Beobachtungstag,
            &AnzahlNeupunkteRINEX,
            &AnzahlReferenzpunkteRINEX,
            &Neupunkte,
            &Referenzpunkte,
            &Richtungspfeil1,
            &Richtungspfeil2,
            &Richtungspfeil3,
            &AutoZuordnungReferenz,
            &ResetRINEX,
            &Frame1,
            &Label3,
            &VexloVersion,
            &Label35,
            &QelWeitereParameter,
            &Label31,
            &BoWeitereParameter,
            &cmdBoOriPara,
            &Label2,
            &IdSearchAutoZuordRefpunkt,
            &Label38,
            &QelHöheDhhn,
            &QelHöheEllips,
            &Label32,
            &QelGPS,
            &QelGLONASS,
            &QelGalileo,
            &QelSBAS,
            &QelKorrAntenne,
            &Check1,
            &Check2,
            &FrameFehler,
            &Label29,
            &Label6,
            &VexloBildschirmausgabe,
            &ErgebnisAnzeigen,
            &FehlerAnzeigen,
            &Label4,
            &Label1,
            &LösungsQu,
            &Label12,
            &Satellitenanzahl,
            &Label21,
            &OccupationTime,
            &Label22,
            &Label13,
            &PDOP,
            &Label20,
            &AmbiguitiesFixedFor,
            &Label25,
            &ButtonStandardwerte};
}

Steuerelement* Basisformular::Finde(const std::string& name) {
    for (Steuerelement* s : AlleSteuerelemente())
        if (s->Name() == name)
            return s;
    return nullptr;
}
