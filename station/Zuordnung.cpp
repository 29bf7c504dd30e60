#include "station/Zuordnung.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Basisformular.h"
#include "station/Punktlisten.h"
#include "station/Zeilensuche.h"
#include "station/modKestrav.h"

#include <map>
#include <optional>

namespace {

constexpr int MaximaleReferenzstationen = 5;

// Fehler der Listen übergeht der Befehl und macht mit dem nächsten Schritt weiter.
template <class Schritt> void Uebergehend(Schritt&& schritt) {
    try {
        schritt();
    } catch (const Laufzeitfehler&) {
    }
}

void BerechnenFreigeben(Basisformular& form) {
    if (form.Neupunkte.Anzahl() > 0 && form.Referenzpunkte.Anzahl() > 2)
        form.CommandBerechnen.SetzeAktiviert(true);
}

void ReferenzenWarnen(Basisformular& form) {
    if (form.Referenzpunkte.Anzahl() <= MaximaleReferenzstationen)
        return;
    Meldung meldung;
    meldung.text = u"Es sind nur maximal 5 Referenzstationen zulässig!";
    meldung.titel = u"Kestrav";
    meldung.knoepfe = Knoepfe::OK;
    meldung.symbol = Symbol::Information;
    form.umgebung.dialoge.Zeigen(meldung);
}

class Sanduhr {
public:
    explicit Sanduhr(Programm& programm) : programm_(programm) {
        programm_.ZeigerSetzen(Mauszeiger::Sanduhr);
    }
    ~Sanduhr() { programm_.ZeigerSetzen(Mauszeiger::Standard); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;

private:
    Programm& programm_;
};

// Die OBSERVER-Zeile jeder Datei, höchstens einmal je Befehl gelesen. Die Durchgänge beginnen
// nach jedem Treffer von vorn; ohne Ereignis dazwischen ändern sich die Dateien nicht, und eine
// große Datei ohne OBSERVER-Zeile würde sonst in jedem Durchgang ganz gelesen.
class Kopfzeilen {
public:
    explicit Kopfzeilen(Dateisystem& ds) : ds_(ds) {}

    // Die erste Zeile mit "OBSERVER"; nullopt, wenn es keine gibt oder die Datei nicht lesbar ist.
    const std::optional<Text>& Observerzeile(const Text& datei) {
        auto gefunden = zeilen_.find(datei);
        if (gefunden == zeilen_.end())
            gefunden = zeilen_.emplace(datei, Lesen(datei)).first;
        return gefunden->second;
    }

private:
    // Zeilen ohne "OBSERVER" werden beim Lesen verworfen: eine letzte Zeile ohne "OBSERVER" ist
    // keine Referenz, was sie sonst auch enthält. Eine kaputte oder unlesbare Datei ist einfach
    // keine Referenzstation.
    std::optional<Text> Lesen(const Text& datei) { return ErsteZeileMit(ds_, datei, u"OBSERVER"); }

    Dateisystem& ds_;
    std::map<Text, std::optional<Text>> zeilen_;
};

// Beide Tests exakt: ohne Treffer liefert die Zeilensuche die letzte Zeile der Datei.
bool IstReferenzzeile(const Text& zeile, const Text& suchtext) {
    return Enthaelt(zeile, u"OBSERVER") && Enthaelt(zeile, suchtext);
}

// Index des ersten Neupunkts, der Referenzstation ist; -1, wenn keiner.
int ErsteReferenzstation(Basisformular& form, Kopfzeilen& kopfzeilen) {
    for (int i = 0; i < form.Neupunkte.Anzahl(); ++i) {
        const auto& zeile = kopfzeilen.Observerzeile(form.Neupunkte.Eintrag(i));
        // Der Suchtext wird je Datei neu gelesen.
        const Text& suchtext = form.IdSearchAutoZuordRefpunkt.Wert();
        if (zeile && IstReferenzzeile(*zeile, suchtext))
            return i;
    }
    return -1;
}

void Verschieben(Listenfeld& quelle, int index, Listenfeld& ziel) {
    ziel.Hinzufuegen(quelle.Eintrag(index));
    quelle.Entfernen(index);
}

void Zaehlen(Basisformular& form, const Listenfeld& liste) {
    if (&liste == &form.Neupunkte)
        NeupunkteZaehlen(form);
    else
        ReferenzpunkteZaehlen(form);
}

void Doppelklick(Basisformular& form, Listenfeld& quelle, Listenfeld& ziel) {
    form.CommandBerechnen.SetzeAktiviert(false);
    const int gewaehlt = quelle.Auswahl();
    if (gewaehlt < 0)
        return;
    if (form.chkDelRINEX.Wert() != 1) {
        Uebergehend([&] {
            // Wählt den Namen in der Zielliste, wenn er dort schon steht.
            if (!ListeneintragWaehlen(ziel, quelle.Eintrag(gewaehlt))) {
                Verschieben(quelle, gewaehlt, ziel);
                Zaehlen(form, ziel);
            }
        });
        Zaehlen(form, quelle);
        BerechnenFreigeben(form);
        ReferenzenWarnen(form);
    } else {
        // Nur aus der Liste; die Datei bleibt unberührt.
        Uebergehend([&] { quelle.Entfernen(gewaehlt); });
        Zaehlen(form, quelle);
        BerechnenFreigeben(form);
    }
}

void PfeileSetzen(Basisformular& form, const Text& pfeil) {
    form.Richtungspfeil1.SetzeCaption(pfeil);
    form.Richtungspfeil2.SetzeCaption(pfeil);
    form.Richtungspfeil3.SetzeCaption(pfeil);
}

} // namespace

void AutoZuordnungReferenz_Click(Basisformular& form) {
    Sanduhr sanduhr(form.umgebung.programm);
    Kopfzeilen kopfzeilen(form.umgebung.datei);
    // Nach jedem Treffer beginnt der Durchgang von vorn in der verkürzten Liste; so bleibt die
    // Reihenfolge der Treffer erhalten.
    for (;;) {
        int treffer = -1;
        Uebergehend([&] { treffer = ErsteReferenzstation(form, kopfzeilen); });
        if (treffer < 0)
            break;
        bool verschoben = false;
        Uebergehend([&] {
            Verschieben(form.Neupunkte, treffer, form.Referenzpunkte);
            verschoben = true;
        });
        if (!verschoben)
            break;
    }
    ReferenzpunkteZaehlen(form);
    NeupunkteZaehlen(form);
    BerechnenFreigeben(form);
    ReferenzenWarnen(form);
}

void Neupunkte_DblClick(Basisformular& form) {
    Doppelklick(form, form.Neupunkte, form.Referenzpunkte);
}

void Referenzpunkte_DblClick(Basisformular& form) {
    Doppelklick(form, form.Referenzpunkte, form.Neupunkte);
}

void Neupunkte_MouseMove(Basisformular& form) {
    PfeileSetzen(form, u">");
}

void Referenzpunkte_MouseMove(Basisformular& form) {
    PfeileSetzen(form, u"<");
}
