#include "shell/Start.h"

#include "shell/Basisformular.h"
#include "shell/Einstellungen.h"
#include "shell/Menuefarbe.h"
#include "shell/Version.h"
#include "station/modKestrav.h"

#include <exception>

namespace {

// Ein Ladeschritt, der scheitert, wird ohne Meldung übergangen; der Start geht weiter.
template <class Aktion> void Schritt(Aktion&& aktion) {
    try {
        aktion();
    } catch (const std::exception&) {
    }
}

// Die Menüeinträge haben keine Untermenüs; sichtbar werden nur Leiste und Systemmenü weiß.
void MenüsFärben(Programm& programm) {
    Schritt([&] { SetzeMenüfarbe(programm, 2, MenüfarbeWeiß, 1, false); });
    Schritt([&] { SetzeMenüfarbe(programm, 1, MenüfarbeWeiß, 0, false); });
    Schritt([&] { SetzeMenüfarbe(programm, 3, MenüfarbeWeiß, 0, true); });
}

Text ProgrammverzeichnisErmitteln(Umgebung& umgebung) {
    return PfadNormieren(umgebung.datei.AusHostpfad(umgebung.system.Programmpfad())) + u"\\";
}

// Der Text nennt immer das feste Verzeichnis, auch wenn VexloVerzeichnis anders lautete.
void EngineprüfungMelden(Basisformular& form) {
    const Sitzungszustand& z = form.zustand;
    if (DateiExistiert(form.umgebung.datei,
                       z.VexloVerzeichnis + u"bo" + z.Versionskennung + u".exe"))
        return;
    form.umgebung.dialoge.Zeigen(
        Meldung{u"Vexlo ist nicht unter <c:\\programme\\vexlo\\> installiert!\n\n"
                u"Berechnungen nicht möglich!",
                u"Vexlo fehlt!", Knoepfe::OK, Symbol::Ausrufezeichen});
}

// Ohne Geoiddatei keine Normalhöhen: zurück auf ellipsoidische Höhen (die Regel der Option läuft).
void GeoidprüfungMelden(Basisformular& form) {
    const Sitzungszustand& z = form.zustand;
    if (z.Höhensystem != u"1")
        return;
    if (!form.umgebung.datei.Auflisten(z.VexloVerzeichnis + u"*.bog").empty())
        return;
    form.umgebung.dialoge.Zeigen(
        Meldung{u"Eine binäre SatNivGeoid-Datei im Verzeichnis\n"
                u"<c:\\programme\\vexlo\\*.bog> fehlt!\n\n"
                u"Berechnungen von Normalhöhen im System DHHN92 sind nicht möglich!",
                u"Geoidfeld Datei fehlt!", Knoepfe::OK, Symbol::Ausrufezeichen});
    form.QelHöheEllips.Waehlen();
}

// Ein Host-Pfad ("/home/...", auch relativ wie "tag1/x.23o") wird erst in seine Windows-Form
// gebracht, damit Laufwerk und Verzeichnis daraus folgen wie bei einem Windows-Pfad. Ein
// relativer gilt zum Verzeichnis der Shell, die das Programm gestartet hat.
void StartargumentSetzen(Basisformular& form) {
    Umgebung& u = form.umgebung;
    Text& argument = form.zustand.Startargument;
    argument = Entfernen(u.system.Befehlszeile(), u"\"");
    const Text ohneBlanks = TrimmenLinks(argument);
    const bool laufwerk = ohneBlanks.size() >= 2 && ohneBlanks[1] == u':';
    const bool hostform = Enthaelt(ohneBlanks, u"/") && !Enthaelt(ohneBlanks, u"\\");
    if (!laufwerk && hostform)
        argument = u.datei.AusHostpfad(ohneBlanks);
}

// Wechsel in Laufwerk und Verzeichnis des Startarguments; jeder Wechsel darf scheitern.
void InsStartverzeichnis(Basisformular& form) {
    const Text& argument = form.zustand.Startargument;
    if (argument.empty())
        return;
    const auto letzter = argument.rfind(u'\\');
    const long p = letzter == Text::npos ? 0 : static_cast<long>(letzter) + 1;
    Dateisystem& datei = form.umgebung.datei;
    Schritt([&] { datei.LaufwerkWechseln(Links(TrimmenLinks(argument), 2)); });
    if (p > 0)
        Schritt([&] { datei.VerzeichnisWechseln(TrimmenLinks(Links(argument, p))); });
}

Text SystembreiteAusBeschreibung(const Text& beschreibung) {
    if (EnthaeltOhneGross(beschreibung, u"32-bit"))
        return u"32Bit";
    if (EnthaeltOhneGross(beschreibung, u"64-bit"))
        return u"64Bit";
    return beschreibung;
}

} // namespace

void FensterbeschriftungSetzen(Basisformular& form) {
    const Text& version = form.zustand.Versionskennung;
    form.fenster.SetzeCaption(
        u"Kestrav für Qel" + version + u"/Bo" + version + u" V" + ZahlText(KESTRAV_VERSION_HAUPT) +
        u"." + ZahlText(KESTRAV_VERSION_NEBEN) + u"(" + ZahlText(KESTRAV_VERSION_REVISION) + u")");
}

void FormularLaden(Basisformular& form) {
    Sitzungszustand& z = form.zustand;
    Umgebung& u = form.umgebung;

    MenüsFärben(u.programm);
    z.AntexSammeldatei = u"$$$$$.atx";
    z.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
    Schritt([&] { z.Programmverzeichnis = ProgrammverzeichnisErmitteln(u); });
    z.IniDatei = u"kestrav.ini";
    Schritt([&] { EinstellungenLaden(form); });
    Schritt([&] { EngineprüfungMelden(form); });
    Schritt([&] { GeoidprüfungMelden(form); });
    Schritt([&] { FensterbeschriftungSetzen(form); });
    Schritt([&] { StartargumentSetzen(form); });
    InsStartverzeichnis(form);
    Schritt([&] { form.RegisterkarteKestrav.SetzeReiter(0); });
    z.Systembreite.clear();
    Schritt([&] { z.Systembreite = SystembreiteAusBeschreibung(u.system.Beschreibung()); });
}
