#include "run/Jobdatei.h"

#include "shell/Basisformular.h"
#include "station/modKestrav.h"

void ArbeitsbereichAufraeumen(Basisformular& form) {
    Dateisystem& ds = form.umgebung.datei;
    for (TextSicht muster : Aufraeummuster) {
        const Text m(muster);
        if (!ds.Auflisten(m).empty())
            ds.Loeschen(m);
    }
    form.umgebung.schleife.Ereignisse();
}

Text JahreskennungAus(const Text& ersterNeupunkt) {
    return Links(Rechts(ersterNeupunkt, 3), 2);
}

Text ReferenzkennungenAus(const std::vector<Text>& referenzpunkte) {
    Text kennungen;
    for (const Text& punkt : referenzpunkte)
        kennungen += u"," + Links(punkt, 4);
    return Trimmen(Teil(kennungen, 2, static_cast<long>(kennungen.size())));
}

Text DateistammAus(const Text& neupunkt) {
    return FeldAusZeile(neupunkt, 1, u".");
}

Text QelAufrufBilden(const Text& vexloVerzeichnis, const Text& versionskennung,
                     const Text& neupunkt, const Text& referenzkennungen, const Text& qelText) {
    const Text programm = versionskennung == u"1" ? u"qel " : u"qel2 ";
    return vexloVerzeichnis + programm + neupunkt + u" " + referenzkennungen + u" +PRO " + qelText;
}

Text BoAufrufBilden(const Text& vexloVerzeichnis, const Text& versionskennung,
                    const Text& tageskennung, const Text& jahreskennung, const Text& neupunkt,
                    const Text& dateistamm, const Text& boText) {
    const Text aufrufwort = versionskennung == u"1" ? u"bo1 virt" : u"bo2 virt";
    return vexloVerzeichnis + aufrufwort + Links(tageskennung, 3) + u"." + jahreskennung + u"o " +
           neupunkt + u" +FE_ergebnis_" + dateistamm + u"_list.txt" + u" +FS_ergebnis_" +
           dateistamm + u"_sol.txt" + u" +FL_ergebnis_" + dateistamm + u"_log.txt " + boText;
}

Text JobdateiText(const Text& qelAufruf, const Text& boAufruf, bool pause) {
    Text inhalt = qelAufruf + u"\r\n" + boAufruf + u"\r\n";
    if (pause)
        inhalt += u"pause\r\n";
    return inhalt;
}

void LaufwerteSetzen(Basisformular& form) {
    form.bitteWarten.Label1.SetzeCaption(u"Qel/Bo Berechnung läuft ...");
    form.zustand.Warnungsanzahl = 0;
    // Das Aufräumen hat das Mini-Protokoll gelöscht: jeder Lauf schreibt seine Kopfzeile neu.
    form.lauf.KopfzeileGeschrieben = false;
    form.ProgressBar.SetzeMaximum(form.Neupunkte.Anzahl());
    form.lauf.Jahreskennung = JahreskennungAus(form.Neupunkte.Eintrag(0));
    form.lauf.Referenzkennungen = ReferenzkennungenAus(form.Referenzpunkte.Eintraege());
}

void JobdateiSchreiben(Basisformular& form) {
    Laufdaten& lauf = form.lauf;
    const Sitzungszustand& zustand = form.zustand;
    lauf.Dateistamm = DateistammAus(lauf.AktuellerNeupunkt);
    lauf.QelAufruf =
        QelAufrufBilden(zustand.VexloVerzeichnis, zustand.Versionskennung, lauf.AktuellerNeupunkt,
                        lauf.Referenzkennungen, form.QelWeitereParameter.Wert());
    lauf.BoAufruf = BoAufrufBilden(zustand.VexloVerzeichnis, zustand.Versionskennung,
                                   lauf.Tageskennung, lauf.Jahreskennung, lauf.AktuellerNeupunkt,
                                   lauf.Dateistamm, form.BoWeitereParameter.Wert());
    const bool pause = form.VexloBildschirmausgabe.Wert() == 1;
    form.umgebung.datei.Schreiben(Text(Jobdatei),
                                  JobdateiText(lauf.QelAufruf, lauf.BoAufruf, pause), false);
}
