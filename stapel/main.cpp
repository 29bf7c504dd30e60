// kestrav-stapel: ein Beobachtungstag ohne Fenster, mit demselben Fenstermodell und denselben
// Regeln wie kestrav.
#include "Abbruchwache.h"
#include "Argumente.h"
#include "Plattform.h"
#include "StapelDialoge.h"
#include "StapelProzesse.h"
#include "StapelSchleife.h"
#include "evaluation/Auswertung.h"
#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "shell/Start.h"
#include "station/modKestrav.h"

#include <filesystem>
#include <iostream>

namespace {

enum Rueckgabe {
    OHNE_WARNUNGEN = 0,
    MIT_WARNUNGEN = 1,
    VORZEITIG = 2,
    NICHT_GESTARTET = 3,
    OHNE_KOORDINATEN = 4,
};

int NichtGestartet(const std::string& grund) {
    std::cerr << "kestrav-stapel: " << grund << "\n";
    return NICHT_GESTARTET;
}

class StapelProgramm : public Programm {
public:
    void ZeigerSetzen(Mauszeiger) override {}
    void SofortBeenden() override { std::exit(VORZEITIG); }
};

// Der Pfad, wie ihn der Dateidialog liefern würde.
std::optional<Text> GewaehlterPfad(const std::string& angabe, std::string& fehler) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path pfad = fs::absolute(HostPfad(angabe), ec);
    if (ec || !fs::exists(pfad, ec)) {
        fehler = "Pfad nicht gefunden: " + angabe;
        return std::nullopt;
    }
    // Ein Verzeichnis wird gewählt wie eine Datei darin: nur ihr Verzeichnisteil zählt.
    if (fs::is_directory(pfad, ec))
        pfad /= "*.??o";
    return PfadAlsText(pfad.lexically_normal());
}

// Eine Zeile "Name Y X Höhe" mit Zahlen für Y und X; ein gescheiterter Punkt hat "* * *".
bool HatLageKoordinaten(const Text& zeile) {
    auto istZahl = [](const Text& feld) {
        return !feld.empty() && feld.find_first_not_of(u"+-.0123456789") == Text::npos &&
               feld.find_first_of(u"0123456789") != Text::npos;
    };
    const Text spalten = LeerzeichenBereinigen(zeile);
    return istZahl(FeldAusZeile(spalten, 2, u" ")) && istZahl(FeldAusZeile(spalten, 3, u" "));
}

bool KoordinatenBerechnet(Basisformular& form) {
    bool gefunden = false;
    try {
        form.umgebung.datei.ZeilenLesen(Koordinatendatei(form), [&](const Text& zeile) {
            gefunden = HatLageKoordinaten(zeile);
            return !gefunden;
        });
    } catch (const Laufzeitfehler&) {
    }
    return gefunden;
}

// Die Reihenfolge 3, 2, 4, 1, 0: "nicht gestartet" hat main schon früher beendet.
int Rueckgabewert(Basisformular& form, const StapelDialoge& dialoge, const Abbruchwache& wache) {
    if (wache.Abgebrochen() || dialoge.FehlerGemeldet() || !dialoge.AbschlussGezeigt())
        return VORZEITIG;
    if (!KoordinatenBerechnet(form))
        return OHNE_KOORDINATEN;
    return dialoge.MitWarnungen() ? MIT_WARNUNGEN : OHNE_WARNUNGEN;
}

bool ReferenzVerschieben(Basisformular& form, const std::string& name) {
    const Text gesucht = AusUtf8(name);
    for (int i = 0; i < form.Neupunkte.Anzahl(); ++i) {
        if (form.Neupunkte.Eintrag(i) == gesucht) {
            form.Neupunkte.SetzeAuswahl(i);
            if (form.Neupunkte.beiDoppelklick)
                form.Neupunkte.beiDoppelklick();
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::string fehler;
    auto args = ArgumenteLesen(Programmargumente(argc, argv), fehler);
    if (!args)
        return NichtGestartet(fehler + "\n'kestrav-stapel --help' zeigt den Aufruf.");
    if (args->hilfe) {
        std::cout << STAPEL_HILFE;
        return 0;
    }
    auto pfad = GewaehlterPfad(args->pfad, fehler);
    if (!pfad)
        return NichtGestartet(fehler);
    if (!args->einstellungen.empty() &&
        !std::filesystem::is_regular_file(HostPfad(args->einstellungen)))
        return NichtGestartet("Einstellungsdatei nicht gefunden: " + args->einstellungen);

    Plattformdienste dienste;
    Dateisystem& datei = dienste.datei;
    Plattformprozesse& plattform = dienste.prozesse;
    plattform.ElternwacheSetzen(true);
    StapelProzesse prozesse(plattform, args->anzeigen);
    StapelSchleife schleife;
    StapelDialoge dialoge(std::cout, std::cerr, args->ja, *pfad);
    StapelProgramm programm;
    Umgebung umgebung{datei,    prozesse,       schleife,           dialoge,
                      programm, dienste.system, dienste.papierkorb, dienste.sperren};

    Basisformular form(umgebung);
    Abbruchwache wache(form, prozesse, plattform, args->zeitlimit, std::cerr);
    schleife.beiEreignissen = [&wache] { wache.Pruefen(); };
    if (!args->einstellungen.empty())
        form.zustand.Einstellungsdatei = datei.AusHostpfad(PfadAlsText(
            std::filesystem::absolute(HostPfad(args->einstellungen)).lexically_normal()));
    FormularLaden(form);
    // Niemand kann entscheiden, ob ohne Rechenkern gerechnet werden soll: das Aufräumen löschte
    // sonst die letzten guten Ergebnisse.
    if (dialoge.RechenkernFehlt())
        return NichtGestartet("Ohne Rechenkern wird nicht gerechnet.");

    form.AuswahlArbeitsverzeichnis.Klicken();
    // Ohne Fenster gibt es kein Warten auf den Zeitgeber: die Tagesmeldung kommt sofort.
    if (form.TimerErrFormLoad.Aktiviert())
        form.TimerErrFormLoad.Ticken();

    if (args->observer)
        form.IdSearchAutoZuordRefpunkt.SetzeText(AusUtf8(*args->observer));
    form.AutoZuordnungReferenz.Klicken();
    for (const std::string& name : args->referenzen)
        if (!ReferenzVerschieben(form, name))
            return NichtGestartet("Die Datei " + name + " steht nicht in der Neupunktliste.");

    if (!form.CommandBerechnen.Aktiviert())
        return NichtGestartet(
            "Zu wenige Punkte für eine Berechnung: " + std::to_string(form.Neupunkte.Anzahl()) +
            " Neupunkte, " + std::to_string(form.Referenzpunkte.Anzahl()) +
            " Referenzpunkte (nötig: mindestens 1 und 3).");
    wache.Pruefen();
    if (wache.Abgebrochen())
        return VORZEITIG;
    form.CommandBerechnen.Klicken();
    wache.Pruefen();
    return Rueckgabewert(form, dialoge, wache);
}
