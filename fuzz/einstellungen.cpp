// Einstellungsdatei: LeseSchlüssel und ErsetzeSchlüssel über beliebige Dateien, Schlüssel und
// Werte, dazu auf Wunsch Laden und Speichern aller fünfzehn Schlüssel über ein Hauptfenster. Keine
// Zeile kommt hinzu oder fällt weg, nur Zeilen mit dem Schlüssel ändern sich, und ein Wert, der
// für einen Schlüssel geschrieben wurde, wird wieder gelesen, wenn keine andere Zeile der Datei
// den Schlüssel enthält.
#include "shell/Einstellungen.h"
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "hilfen/Attrappen.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
#include "shell/Basisformular.h"

#include <string>
#include <vector>

namespace {

const Text Trenner = u"=";

// Zeilen, wie der Schreiber sie sieht: getrennt an CR LF, ohne den leeren Rest hinter dem letzten.
std::vector<Text> SchreiberZeilen(const Text& inhalt) {
    std::vector<Text> zeilen;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find(u"\r\n", anfang);
        zeilen.push_back(inhalt.substr(anfang, ende == Text::npos ? Text::npos : ende - anfang));
        if (ende == Text::npos)
            break;
        anfang = ende + 2;
    }
    return zeilen;
}

bool Wohlgeformt(const Text& t) {
    return t.find_first_of(u"=\r") == Text::npos && Trimmen(t) == t;
}

// Jede Zeile bleibt, außer sie enthält einen der Schlüssel (ohne Rücksicht auf Groß- und
// Kleinschreibung); die Datei endet mit CR LF, eine leere Datei wird eine leere Zeile.
void ZeilenErhalten(const Text& alt, const Text& neu, const std::vector<Text>& schlüssel) {
    std::vector<Text> vorher = SchreiberZeilen(alt);
    if (vorher.empty())
        vorher.emplace_back();
    const std::vector<Text> nachher = SchreiberZeilen(neu);
    Pruefen(neu.size() >= 2 && neu.compare(neu.size() - 2, 2, u"\r\n") == 0, "endet mit CR LF");
    Pruefen(nachher.size() == vorher.size(), "keine Zeile kommt hinzu oder fällt weg");
    for (std::size_t i = 0; i < vorher.size() && i < nachher.size(); ++i) {
        bool betroffen = false;
        for (const Text& s : schlüssel)
            betroffen = betroffen || EnthaeltOhneGross(vorher[i], s);
        Pruefen(betroffen || nachher[i] == vorher[i], "Zeilen ohne Schlüssel bleiben");
    }
}

void Speichern(Dateisystem& ds, const Text& ordner) {
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programm;
    AttrappeSysteminfo system;
    // Ohne Laufwerke: Papierkorb und Sperren werden hier nie gebraucht.
    PosixPapierkorb papierkorb{Laufwerke{}, ""};
    PosixSperren sperren{Laufwerke{}};
    Umgebung umgebung{ds, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};
    Basisformular form(umgebung);
    form.zustand.Programmverzeichnis = ordner;
    form.zustand.IniDatei = u"kestrav.ini";
    EinstellungenLaden(form);
    EinstellungenSpeichern(form);
}

const std::vector<Text> AlleSchlüssel = {u"VexloVersion",
                                         u"ANTEX-Antennkorrektur",
                                         u"Höhensystem",
                                         u"ignoriere Beobachtungen von",
                                         u"Warnung Lösungsqualität",
                                         u"mittl. Satelittenanzahl",
                                         u"Beobachtungszeit",
                                         u"PDOP",
                                         u"Ambiquities gelöst für",
                                         u"Anzeige Berechnung",
                                         u"Anzeige Ergebnis",
                                         u"Anzeige Warnung",
                                         u"Prüfung Qel-Logfile",
                                         u"Qel-weitereParameter",
                                         u"Bo-weitereParameter"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const bool ganzesFenster = eingabe.Byte() & 1;
    const Text schlüssel = AusWindows1252(eingabe.Stueck());
    const Text wert = AusWindows1252(eingabe.Stueck());
    const std::string_view bytes = eingabe.Rest();

    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    Dateisystem& ds = laufwerk.Dateien();
    const Text pfad = laufwerk.Ablegen("kestrav.ini", bytes);
    const Text alt = AusWindows1252(bytes);

    if (ganzesFenster) {
        Speichern(ds, u"c:\\");
        ZeilenErhalten(alt, ds.Lesen(pfad), AlleSchlüssel);
        return 0;
    }

    const Text gelesen = LeseSchlüssel(ds, pfad, schlüssel, Trenner);
    Pruefen(gelesen.find(u'=') == Text::npos && Trimmen(gelesen) == gelesen,
            "ein gelesener Wert ist getrimmt und ohne Trenner");

    ErsetzeSchlüssel(ds, pfad, schlüssel, Trenner, wert);
    const Text neu = ds.Lesen(pfad);
    // Ein Wert mit CR LF (aus keinem Textfeld möglich) bringt eigene Zeilen mit.
    if (Enthaelt(wert, u"\r\n"))
        return 0;
    ZeilenErhalten(alt, neu, {schlüssel});
    if (SchreiberZeilen(alt).empty())
        Pruefen(neu == u"\r\n", "aus einer leeren Datei wird eine leere Zeile");
    else
        for (const Text& zeile : SchreiberZeilen(neu))
            Pruefen(!EnthaeltOhneGross(zeile, schlüssel) ||
                        zeile == schlüssel + u" " + Trenner + u" " + wert,
                    "jede Zeile mit dem Schlüssel wird zur Einstellungszeile");

    bool vorhanden = false;
    for (const Text& zeile : SchreiberZeilen(alt))
        vorhanden = vorhanden || EnthaeltOhneGross(zeile, schlüssel);
    if (vorhanden && Wohlgeformt(schlüssel) && Wohlgeformt(wert))
        Pruefen(LeseSchlüssel(ds, pfad, schlüssel, Trenner) == wert,
                "ein geschriebener Wert wird wieder gelesen");
    return 0;
}
