#include "run/Jobdatei.h"

#include "shell/Basisformular.h"
#include "station/modKestrav.h"

#include <algorithm>

namespace {

// Was die Muster treffen, in der Reihenfolge des Aufräumens; jeder Name einmal.
std::vector<Text> Aufraeumdateien(Dateisystem& ds) {
    std::vector<Text> namen;
    for (TextSicht muster : Aufraeummuster)
        for (Text& name : ds.Auflisten(Text(muster)))
            if (std::find(namen.begin(), namen.end(), name) == namen.end())
                namen.push_back(std::move(name));
    return namen;
}

bool EndgueltigLoeschen(Basisformular& form, const std::vector<Text>& namen) {
    return form.umgebung.dialoge.Zeigen({EndgueltigLoeschenText(namen), u"Kestrav", Knoepfe::JaNein,
                                         Symbol::Frage, 2}) == Antwort::Ja;
}

} // namespace

Text EndgueltigLoeschenText(const std::vector<Text>& namen) {
    Text text = u"Diese Dateien können nicht in den Papierkorb verschoben werden:\n";
    for (const Text& name : namen)
        text += name + u"\n";
    return text + u"\nSollen sie endgültig gelöscht werden?";
}

// Die Muster treffen ohne Rücksicht auf Groß-/Kleinschreibung auch Dateien, die der Benutzer
// behalten will (Festpunkte.koord, Notizen.book): sie kommen in den Papierkorb statt zu
// verschwinden.
bool ArbeitsbereichAufraeumen(Basisformular& form) {
    Umgebung& u = form.umgebung;
    std::vector<Text> endgueltig;
    for (const Text& name : Aufraeumdateien(u.datei))
        if (!u.papierkorb.Moeglich(name))
            endgueltig.push_back(name);
    if (!endgueltig.empty() && !EndgueltigLoeschen(form, endgueltig))
        return false;
    for (TextSicht muster : Aufraeummuster) {
        for (const Text& name : u.datei.Auflisten(Text(muster))) {
            if (std::find(endgueltig.begin(), endgueltig.end(), name) != endgueltig.end())
                u.datei.Loeschen(name);
            else
                u.papierkorb.Verschieben(name);
        }
    }
    u.schleife.Ereignisse();
    return true;
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
