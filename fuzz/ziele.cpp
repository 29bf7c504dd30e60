// Alle Fuzz-Ziele in einem Programm. KESTRAV_FUZZ_ZIEL=<name> legt das Ziel fest (so passen die
// Startkorpora fuzz/korpus/<name>/ unverändert); sonst wählt das erste Byte das Ziel.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "RinexLeser.h"
#include "RinexSchreiber.h"
#include "cmd/Stapelzeile.h"
#include "evaluation/Qualitaet.h"
#include "hilfen/Attrappen.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
#include "shell/Basisformular.h"
#include "shell/Einstellungen.h"
#include "station/Zeilensuche.h"
#include "station/modKestrav.h"

#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t Leseblock = 64 * 1024;

// Das Modell des zeilenweisen Lesens: CR LF oder ein einzelnes CR beenden eine Zeile, ein
// einzelnes LF bleibt im Text, eine letzte Zeile ohne Ende zählt mit, wenn sie nicht leer ist.
std::vector<Text> ModellZeilen(const Text& inhalt) {
    std::vector<Text> zeilen;
    Text zeile;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] != u'\r') {
            zeile.push_back(inhalt[i]);
            continue;
        }
        zeilen.push_back(std::exchange(zeile, Text()));
        if (i + 1 < inhalt.size() && inhalt[i + 1] == u'\n')
            ++i;
    }
    if (!zeile.empty())
        zeilen.push_back(zeile);
    return zeilen;
}

// Eine Datei mit Vorspann und die Zeilen, die das Modell in ihr sieht.
struct Abgelegt {
    Text pfad;
    std::vector<Text> zeilen;
};

// Jede achte Eingabe legt die spannende Stelle an die Blockgrenze des Lesers (der lange Vorspann
// kostet Zeit). Ein Vorspann ohne CR gehört zur ersten Zeile; so bleibt das Modell billig.
Abgelegt MitVorspann(const char* name, std::uint8_t steuer, char zeichen, std::string_view rest) {
    const std::string vorspann =
        (steuer & 7) == 1 ? std::string(Leseblock - (steuer >> 4) % 16, zeichen) : std::string();
    Abgelegt datei{FuzzLaufwerk::Instanz().Ablegen(name, vorspann + std::string(rest)),
                   ModellZeilen(AusWindows1252(rest))};
    if (!vorspann.empty()) {
        if (datei.zeilen.empty())
            datei.zeilen.emplace_back();
        datei.zeilen.front().insert(0, AusWindows1252(vorspann));
    }
    return datei;
}

struct Formular {
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programm;
    AttrappeSysteminfo system;
    // Ohne Laufwerke: Papierkorb und Sperren werden hier nie gebraucht.
    PosixPapierkorb papierkorb{Laufwerke{}, ""};
    PosixSperren sperren{Laufwerke{}};
    Umgebung umgebung;
    Basisformular form{umgebung};
    explicit Formular(Dateisystem& ds)
        : umgebung{ds, prozesse, schleife, dialoge, programm, system, papierkorb, sperren} {}
};

// Zeilenweises Lesen über den POSIX-Dateidienst gegen das Modell, ganz und in Stücken.
void Zeilenleser(Eingabe& eingabe) {
    const std::uint8_t steuer = eingabe.Byte();
    const std::size_t hoechstens = eingabe.Byte(); // 0: alle Zeilen
    const auto [pfad, alle] = MitVorspann("zeilen.txt", steuer, 'v', eingabe.Rest());
    Dateisystem& ds = FuzzLaufwerk::Instanz().Dateien();
    std::vector<Text> gelesen;
    ds.ZeilenLesen(pfad, [&](const Text& zeile) {
        gelesen.push_back(zeile);
        return hoechstens == 0 || gelesen.size() < hoechstens;
    });
    const std::size_t anzahl = hoechstens == 0 ? alle.size() : std::min(hoechstens, alle.size());
    Pruefen(gelesen == std::vector<Text>(alle.begin(), alle.begin() + anzahl),
            "Zeilen wie im Modell, Abbruch nach der gewünschten Zeile");

    std::vector<Text> zusammengesetzt;
    Text zeile;
    ds.ZeilenstueckeLesen(pfad, [&](TextSicht stueck, bool zeilenende) {
        Pruefen(stueck.size() <= Leseblock, "Stück höchstens ein Leseblock");
        Pruefen(zeilenende || !stueck.empty(), "nur das letzte Stück einer Zeile ist leer");
        zeile.append(stueck);
        if (zeilenende)
            zusammengesetzt.push_back(std::exchange(zeile, Text()));
        return true;
    });
    Pruefen(zeile.empty() && zusammengesetzt == alle, "Stücke ergeben die Zeilen");
}

// OBSERVER-Suche: ZeileSuchen (erste Zeile mit dem Text, sonst die letzte) und ErsteZeileMit.
void Rinexkopf(Eingabe& eingabe) {
    const std::uint8_t steuer = eingabe.Byte();
    const Text suchtext = (steuer & 8) ? AusWindows1252(eingabe.Stueck()) : Text(u"OBSERVER");
    const Abgelegt datei = MitVorspann("kopf.23o", steuer, ' ', eingabe.Rest());
    Dateisystem& ds = FuzzLaufwerk::Instanz().Dateien();
    // ErsteZeileMit endet Zeilen auch an einem einzelnen LF (RINEX von Unix-Werkzeugen).
    const auto ersteMit = [&](bool auchAnLf) -> std::optional<Text> {
        for (const Text& zeile : datei.zeilen)
            for (std::size_t anfang = 0, ende = 0; ende != Text::npos; anfang = ende + 1) {
                ende = auchAnLf ? zeile.find(u'\n', anfang) : Text::npos;
                Text teil = zeile.substr(anfang, ende == Text::npos ? Text::npos : ende - anfang);
                if (Enthaelt(teil, suchtext))
                    return teil;
            }
        return std::nullopt;
    };
    const std::optional<Text> erste = ersteMit(false);
    const Text erwartet = erste ? *erste : (datei.zeilen.empty() ? Text() : datei.zeilen.back());
    Pruefen(ZeileSuchen(ds, datei.pfad, suchtext) == erwartet,
            "ZeileSuchen: erste Treffer, sonst letzte");
    Pruefen(ErsteZeileMit(ds, datei.pfad, suchtext) == ersteMit(true),
            "ErsteZeileMit: erster Treffer");
}

// Zeilen von kestrav-cmd: ohne Zeilenende, nichts geht verloren, Wörter ohne Trenner.
void Stapelzeile(Eingabe& eingabe) {
    const std::string_view inhalt = eingabe.Rest();
    std::string ohneEnden, zusammen;
    for (char z : inhalt)
        if (z != '\r' && z != '\n')
            ohneEnden.push_back(z);
    for (const std::string& zeile : StapelZeilen(inhalt)) {
        Pruefen(zeile.find_first_of("\r\n") == std::string::npos, "Zeile ohne Zeilenende");
        zusammen += zeile;
        const Stapelbefehl befehl = ZeileDeuten(zeile);
        const bool programm = befehl.art == Befehlsart::Programm;
        Pruefen(!programm || !befehl.worte.empty(), "ein Programmaufruf hat ein erstes Wort");
        Pruefen(programm || befehl.art == Befehlsart::Ausgabe || befehl.worte.empty(),
                "nur Programm und Ausgabe haben Wörter");
        for (const Text& wort : befehl.worte) {
            Pruefen(!programm || zeile.find('"') != std::string::npos ||
                        (!wort.empty() && wort.find_first_of(u" \t") == Text::npos),
                    "Wörter ohne Anführungszeichen sind nicht leer und ohne Trenner");
            Pruefen(!programm || wort.find(u'"') == Text::npos, "Anführungszeichen fallen weg");
        }
    }
    Pruefen(zusammen == ohneEnden, "außer den Zeilenenden geht kein Byte verloren");
}

// Qualitätstests mit beliebigen Grenzwerten: je Warnung eine Marke " *", "_" wird Leerzeichen.
void Ergebnisliste(Eingabe& eingabe) {
    Grenzwerte g;
    for (Text* wert :
         {&g.loesungsqualitaet, &g.ambiguities, &g.beobachtungszeit, &g.satellitenanzahl, &g.pdop})
        *wert = AusWindows1252(eingabe.Stueck());
    const Text zeile2 = AusWindows1252(eingabe.Rest());
    const Pruefergebnis ergebnis = ErgebniszeilePruefen(zeile2, g);
    Pruefen(ergebnis.warnungen >= 0 && ergebnis.warnungen <= 5, "höchstens fünf Warnungen");
    Text erwartet = Ersetzen(zeile2, u"_", u" ");
    for (int i = 0; i < ergebnis.warnungen; ++i)
        erwartet += u" *";
    Pruefen(ergebnis.punktzeile == erwartet, "Punktzeile mit einer Marke je Warnung");
    const Text gedehnt =
        u"  " +
        Ersetzen(erwartet.substr(0, erwartet.size() - 2 * ergebnis.warnungen), u" ", u"   ");
    Pruefen(ErgebniszeilePruefen(gedehnt, g).warnungen == ergebnis.warnungen,
            "Leerzeichen zwischen den Spalten zählen nicht");
}

// Zeilen, wie der Schreiber der Einstellungen sie sieht: an CR LF, ohne leeren Rest.
std::vector<Text> SchreiberZeilen(const Text& inhalt) {
    std::vector<Text> zeilen;
    for (std::size_t anfang = 0; anfang < inhalt.size();) {
        std::size_t ende = inhalt.find(u"\r\n", anfang);
        zeilen.push_back(inhalt.substr(anfang, ende == Text::npos ? Text::npos : ende - anfang));
        anfang = ende == Text::npos ? inhalt.size() : ende + 2;
    }
    return zeilen;
}

bool EnthaeltEinen(const Text& zeile, const std::vector<Text>& schlüssel) {
    for (const Text& s : schlüssel)
        if (EnthaeltOhneGross(zeile, s))
            return true;
    return false;
}

// Keine Zeile kommt hinzu oder fällt weg, nur Zeilen mit einem der Schlüssel ändern sich, die
// Datei endet mit CR LF (eine leere wird eine leere Zeile).
void ZeilenErhalten(const Text& alt, const Text& neu, const std::vector<Text>& schlüssel) {
    std::vector<Text> vorher = SchreiberZeilen(alt);
    if (vorher.empty())
        vorher.emplace_back();
    const std::vector<Text> nachher = SchreiberZeilen(neu);
    Pruefen(neu.size() >= 2 && neu.compare(neu.size() - 2, 2, u"\r\n") == 0, "endet mit CR LF");
    Pruefen(nachher.size() == vorher.size(), "keine Zeile kommt hinzu oder fällt weg");
    for (std::size_t i = 0; i < vorher.size() && i < nachher.size(); ++i)
        Pruefen(EnthaeltEinen(vorher[i], schlüssel) || nachher[i] == vorher[i],
                "Zeilen ohne Schlüssel bleiben");
}

// LeseSchlüssel und ErsetzeSchlüssel über beliebige Dateien, oder Laden und Speichern aller
// Schlüssel über ein Hauptfenster; ein geschriebener Wert wird wieder gelesen.
void Einstellungen(Eingabe& eingabe) {
    static const std::vector<Text> alle = {u"VexloVersion",
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
    const bool ganzesFenster = eingabe.Byte() & 1;
    const Text schlüssel = AusWindows1252(eingabe.Stueck());
    const Text wert = AusWindows1252(eingabe.Stueck());
    const std::string_view bytes = eingabe.Rest();
    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    Dateisystem& ds = laufwerk.Dateien();
    const Text pfad = laufwerk.Ablegen("kestrav.ini", bytes);
    const Text alt = AusWindows1252(bytes);
    if (ganzesFenster) {
        Formular f(ds);
        f.form.zustand.Programmverzeichnis = u"c:\\";
        f.form.zustand.IniDatei = u"kestrav.ini";
        EinstellungenLaden(f.form);
        EinstellungenSpeichern(f.form);
        ZeilenErhalten(alt, ds.Lesen(pfad), alle);
        return;
    }
    const Text gelesen = LeseSchlüssel(ds, pfad, schlüssel, u"=");
    Pruefen(gelesen.find(u'=') == Text::npos && Trimmen(gelesen) == gelesen,
            "Wert getrimmt, ohne Trenner");
    ErsetzeSchlüssel(ds, pfad, schlüssel, u"=", wert);
    const Text neu = ds.Lesen(pfad);
    // Ein Wert mit CR LF (aus keinem Textfeld möglich) bringt eigene Zeilen mit.
    if (Enthaelt(wert, u"\r\n"))
        return;
    ZeilenErhalten(alt, neu, {schlüssel});
    if (SchreiberZeilen(alt).empty()) {
        Pruefen(neu == u"\r\n", "aus einer leeren Datei wird eine leere Zeile");
        return;
    }
    for (const Text& zeile : SchreiberZeilen(neu))
        Pruefen(!EnthaeltOhneGross(zeile, schlüssel) || zeile == schlüssel + u" = " + wert,
                "jede Zeile mit dem Schlüssel wird zur Einstellungszeile");
    auto wohlgeformt = [](const Text& t) {
        return t.find_first_of(u"=\r") == Text::npos && Trimmen(t) == t;
    };
    if (EnthaeltEinen(alt, {schlüssel}) && wohlgeformt(schlüssel) && wohlgeformt(wert))
        Pruefen(LeseSchlüssel(ds, pfad, schlüssel, u"=") == wert, "geschriebener Wert gelesen");
}

// RINEX-Leser des Simulators: gelesen oder druckbarer Fehlertext; nach Zeit sortiert, ein Wert je
// Satellit und Typ, und was der Schreiber daraus macht, liest der Leser wieder gleich.
void Simrinex(Eingabe& eingabe) {
    const RinexErgebnis ergebnis = RinexLesen(eingabe.Rest());
    for (char z : ergebnis.fehler)
        Pruefen(z >= ' ' && z <= '~', "Fehlertext nur aus druckbarem ASCII");
    if (!ergebnis.fehler.empty())
        return;
    const RinexDatei& datei = ergebnis.datei;
    for (std::size_t i = 0; i < datei.epochen.size(); ++i) {
        const Epoche& e = datei.epochen[i];
        Pruefen(i == 0 || datei.epochen[i - 1].zeit <= e.zeit, "Epochen nach Zeit sortiert");
        Pruefen(e.werte.size() == e.satelliten.size() * datei.kopf.typen.size() &&
                    e.merker.size() == 2 * e.werte.size(),
                "ein Wert je Satellit und Typ, zwei Merker je Wert");
    }
    // Eine Näherung außerhalb der festen Spalten des Schreibers ist nicht sein Fall.
    if (!NaeherungBrauchbar(datei.kopf))
        return;
    std::string geschrieben;
    for (const std::string& zeile : RinexZeilen(datei, {"fuzz", "fuzz"}))
        geschrieben += zeile + "\r\n";
    const RinexErgebnis wieder = RinexLesen(geschrieben);
    Pruefen(wieder.fehler.empty() && wieder.datei.epochen.size() == datei.epochen.size(),
            "Geschriebenes mit derselben Zahl von Epochen wieder gelesen");
    for (std::size_t i = 0; i < datei.epochen.size() && i < wieder.datei.epochen.size(); ++i)
        Pruefen(wieder.datei.epochen[i].zeit == datei.epochen[i].zeit &&
                    wieder.datei.epochen[i].satelliten == datei.epochen[i].satelliten,
                "dieselben Zeiten und Satelliten");
}

struct Ziel {
    const char* name;
    void (*lauf)(Eingabe&);
};

constexpr Ziel Ziele[] = {
    {"zeilenleser", Zeilenleser},     {"rinexkopf", Rinexkopf},
    {"stapelzeile", Stapelzeile},     {"ergebnisliste", Ergebnisliste},
    {"einstellungen", Einstellungen}, {"simrinex", Simrinex},
};

const Ziel* festesZiel = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* name = std::getenv("KESTRAV_FUZZ_ZIEL");
    if (!name || !*name)
        return 0;
    for (const Ziel& ziel : Ziele)
        if (std::strcmp(ziel.name, name) == 0)
            festesZiel = &ziel;
    if (!festesZiel) {
        std::fprintf(stderr, "Unbekanntes Fuzz-Ziel %s\n", name);
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const Ziel& ziel = festesZiel ? *festesZiel : Ziele[eingabe.Byte() % std::size(Ziele)];
    ziel.lauf(eingabe);
    return 0;
}
