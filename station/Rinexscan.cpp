#include "station/Rinexscan.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "station/Punktlisten.h"
#include "station/modKestrav.h"

#include <vector>

namespace {

// Virtuelle Referenzstationen schreibt die Engine selbst ins Arbeitsverzeichnis; sie sind
// keine Messungen.
bool IstVirtuelleStation(const Text& name) {
    return Enthaelt(Klein(name), u"virt");
}

std::vector<Text> Beobachtungsdateien(Basisformular& form) {
    try {
        return form.umgebung.datei.Auflisten(u"*.??o");
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

struct Namenspruefung {
    std::vector<Text> ausgelassen;
    std::vector<Text> unlesbar;
};

// Ein Name mit Zeilenumbruch ergäbe eine eigene Zeile der Stapeldatei, also einen eigenen Befehl:
// er kommt in keine Liste.
Namenspruefung NeupunkteFuellen(Basisformular& form) {
    Namenspruefung pruefung;
    for (const Text& name : Beobachtungsdateien(form)) {
        if (IstVirtuelleStation(name))
            continue;
        if (!form.umgebung.prozesse.InStapelzeileSicher(name)) {
            pruefung.ausgelassen.push_back(name);
            continue;
        }
        if (!VomRechenkernLesbar(name))
            pruefung.unlesbar.push_back(name);
        form.Neupunkte.Hinzufuegen(name);
        // Die Meldung kommt erst über den Zeitgeber, wenn die Liste vollständig ist.
        if (TagAusName(form.Neupunkte.Eintrag(0)) != TagAusName(name))
            form.TimerErrFormLoad.SetzeAktiviert(true);
    }
    return pruefung;
}

void NamenshinweisZeigen(Basisformular& form, const Namenspruefung& pruefung) {
    const Text text = NamenshinweisText(pruefung.ausgelassen, pruefung.unlesbar);
    if (!text.empty())
        form.umgebung.dialoge.Zeigen({text, u"Kestrav", Knoepfe::OK, Symbol::Ausrufezeichen, 1});
}

Text AktuellesVerzeichnis(Basisformular& form) {
    try {
        return form.umgebung.datei.AktuellesVerzeichnis();
    } catch (const Laufzeitfehler&) {
        return {};
    }
}

} // namespace

bool VomRechenkernLesbar(TextSicht name) {
    if (name.empty() || name.front() == u'-' || name.find_first_of(u" \"") != TextSicht::npos)
        return false;
    return AusWindows1252(NachWindows1252(name)) == name;
}

Text LesbarerName(TextSicht name) {
    static const char16_t ziffern[] = u"0123456789ABCDEF";
    Text lesbar;
    for (char16_t z : name) {
        if (z == u'\n')
            lesbar += u"<LF>";
        else if (z == u'\r')
            lesbar += u"<CR>";
        else if (z == u'\t')
            lesbar += u"<TAB>";
        else if (z == 0x7F)
            lesbar += u"<DEL>";
        else if (z < 0x20)
            lesbar += Text(u"<0x") + ziffern[z >> 4] + ziffern[z & 15] + u">";
        else
            lesbar += z;
    }
    return lesbar;
}

Text NamenshinweisText(const std::vector<Text>& ausgelassen, const std::vector<Text>& unlesbar) {
    Text text;
    for (const auto& [kopf, namen] :
         {std::pair{AusgelassenKopf, &ausgelassen}, std::pair{UnlesbarKopf, &unlesbar}}) {
        if (namen->empty())
            continue;
        text += (text.empty() ? u"" : u"\n\n") + Text(kopf);
        for (const Text& name : *namen)
            text += u"\n" + LesbarerName(name);
    }
    return text;
}

Text VerzeichnisKurzform(const Text& verzeichnis) {
    return Links(verzeichnis, 3) + u"..." + Teil(Rechts(verzeichnis, 35), 4, 35);
}

void RinexDateienEinlesen(Basisformular& form) {
    form.Referenzpunkte.Leeren();
    form.Neupunkte.Leeren();
    const Namenspruefung pruefung = NeupunkteFuellen(form);
    NeupunkteZaehlen(form);
    ReferenzpunkteZaehlen(form);
    const Text ersterTag =
        form.Neupunkte.Anzahl() > 0 ? TagAusName(form.Neupunkte.Eintrag(0)) : u"";
    form.Beobachtungstag.SetzeText(ersterTag + u"*");
    form.VerzeichnisNeupunkte.SetzeText(
        VerzeichnisKurzform(PfadNormieren(AktuellesVerzeichnis(form))));
    // Nach dem Scan, vor der Tagesmeldung, die erst der Zeitgeber bringt.
    NamenshinweisZeigen(form, pruefung);
}

void ResetRINEX_Click(Basisformular& form) {
    RinexDateienEinlesen(form);
}
