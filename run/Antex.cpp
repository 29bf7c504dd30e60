#include "run/Antex.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "station/clsString.h"
#include "station/modKestrav.h"

namespace {
constexpr TextSicht KopfEnde = u"END OF HEADER";
constexpr TextSicht CrLf = u"\r\n";
} // namespace

Text AntexKopf() {
    Text kopf;
    kopf += u"     1.4            M                                       ANTEX VERSION / SYST";
    kopf += CrLf;
    kopf += u"A                                                           PCV TYPE / REFANT   ";
    kopf += CrLf;
    kopf += u"                                                            END OF HEADER       ";
    kopf += CrLf;
    return kopf;
}

Text AntexRumpf(const Text& inhalt) {
    const auto marke = inhalt.find(KopfEnde);
    // Eine Datei ohne Kopfende hat keinen Rumpf; der Lauf geht damit in seinen Fehlerpfad.
    if (marke == Text::npos)
        throw Laufzeitfehler(9, "ANTEX-Datei ohne END OF HEADER");
    const auto anfang = marke + KopfEnde.size();
    const auto zweite = inhalt.find(KopfEnde, anfang);
    const auto ende = zweite == Text::npos ? inhalt.size() : zweite;
    return Trimmen(TextSicht(inhalt).substr(anfang, ende - anfang));
}

void AntexDateienSammeln(Basisformular& form) {
    Umgebung& u = form.umgebung;
    const Text& sammeldatei = form.zustand.AntexSammeldatei;
    u.programm.ZeigerSetzen(Mauszeiger::Sanduhr);

    // Eine alte Sammeldatei (etwa nach einem Abbruch) darf nie in die neue geraten.
    if (DateiExistiert(u.datei, sammeldatei))
        u.datei.Loeschen(sammeldatei);

    // Mit einer Datei gestartet und nie den Dialog benutzt: Arbeitsverzeichnis ist leer, aber
    // "Daten neu laden" hat das aktuelle Verzeichnis gelesen; dessen ANTEX-Dateien gelten, nicht
    // die der Laufwerkswurzel.
    const Text& arbeitsverzeichnis = form.zustand.Arbeitsverzeichnis;
    const std::vector<Text> namen = DateienAuflisten(
        u.datei, arbeitsverzeichnis.empty() ? u.datei.AktuellesVerzeichnis() : arbeitsverzeichnis,
        u"*.atx");
    if (namen.size() == 1 && namen.front().empty()) {
        u.dialoge.Zeigen({u"Es wurden keine Antenndateien im Arbeitsverzeichnis vorgefunden!   ",
                          u"Kestrav", Knoepfe::OK, Symbol::Information, 1});
        u.programm.ZeigerSetzen(Mauszeiger::Standard);
        return;
    }

    u.datei.Schreiben(sammeldatei, AntexKopf(), false);
    clsString puffer;
    for (const Text& name : namen) {
        puffer.Reset();
        puffer.Add(DateiLesen(u.datei, name));
        u.datei.Schreiben(sammeldatei, AntexRumpf(puffer.Result()) + Text(CrLf), true);
        u.schleife.Ereignisse();
        // Nach einem Abbruch während des Nachgebens wird nichts mehr geschrieben.
        if (form.lauf.Abgebrochen)
            break;
    }
    u.programm.ZeigerSetzen(Mauszeiger::Standard);
}
