// Fortschrittsanzeige mit der virtuellen Uhr, Abbruch während des Laufs, Fehler eines Punktes.
#include "Laufumgebung.h"

#include <map>

namespace {

class Fortschritt : public Laufumgebung {
protected:
    Fortschritt() {
        Datei("igs20.atx", AntexBeispiel());
        Neupunkte({u"np012830.23o", u"np022830.23o", u"np032830.23o"});
    }
};

TEST_F(Fortschritt, BerechnungszeitUndPunktzeileJePunkt) {
    Neupunkte({u"aa012830.23o", u"np_12830.23o"});
    t.prozesse.laufzeitMs = 3726000;
    std::map<long long, Text> titel; // jeder neue Titel mit seiner virtuellen Zeit
    std::vector<Text> punktzeilen;
    form.bitteWarten.fenster.Beobachten([&] {
        if (titel.empty() || titel.rbegin()->second != form.bitteWarten.fenster.Caption())
            titel[t.schleife.JetztMs()] = form.bitteWarten.fenster.Caption();
    });
    form.bitteWarten.BerechnePunkt.Beobachten([&] {
        if (punktzeilen.empty() || punktzeilen.back() != form.bitteWarten.BerechnePunkt.Caption())
            punktzeilen.push_back(form.bitteWarten.BerechnePunkt.Caption());
    });

    Berechnen();

    EXPECT_EQ(titel.at(1000), u"Berechnungzeit 00:00:00 ...");
    EXPECT_EQ(titel.at(2000), u"Berechnungzeit 00:00:01 ...");
    EXPECT_EQ(titel.at(3725000), u"Berechnungzeit 01:02:04 ...");
    // Jeder Punkt beginnt wieder bei 00:00:00; "_" fällt aus dem Markernamen.
    EXPECT_EQ(titel.at(3727000), u"Berechnungzeit 00:00:00 ...");
    EXPECT_EQ(punktzeilen, (std::vector<Text>{u"rechne 1.Punkt (1/2), MARKER NAME: aa01",
                                              u"rechne 2.Punkt (2/2), MARKER NAME: np1"}));
    EXPECT_EQ(form.bitteWarten.Label1.Caption(), u"Qel/Bo Berechnung läuft ...");
}

// Abbruch wie ein Klick auf "Abbruch" (Balken auf 0, dann der Abbruch selbst): beim Sammeln der
// ANTEX-Dateien vor jedem Start, oder während des Wartens auf den ersten Punkt.
struct AbbruchFall {
    const char* name;
    long long ms;
    std::size_t starts;
};

class Abbruch : public Fortschritt, public ::testing::WithParamInterface<AbbruchFall> {};

TEST_P(Abbruch, EndetDenLaufSofortUndRaeumtNichtsMehrAuf) {
    t.prozesse.laufzeitMs = 10000;
    t.prozesse.engine = [this, engine = t.prozesse.engine](const Text& stapel) {
        engine(stapel);
        Datei("_ergebnis_2830.erg", "engine\r\n");
    };
    Datei("alt.koord", "alt\r\n");
    t.schleife.Planen(GetParam().ms, [this] {
        form.ProgressBar.SetzeWert(0);
        LaufAbbrechen(form);
    });

    Berechnen();

    // Die Warteschleife fragt alle 100 ms; der Befehl kehrt danach ohne weitere Schritte zurück.
    EXPECT_LE(t.schleife.JetztMs(), GetParam().ms + 100);
    EXPECT_EQ(t.prozesse.starts.size(), GetParam().starts);
    ErwarteMeldungen({UeberschreibenFrage, AbbruchMeldung});
    EXPECT_FALSE(Vorhanden("Kestrav.bat"));
    EXPECT_FALSE(Vorhanden("_ergebnis_2830.erg"));
    // Vor dem ersten Start ist noch nicht aufgeräumt.
    EXPECT_EQ(Vorhanden("alt.koord"), GetParam().starts == 0);
    ErwarteAbgebrochen();

    // Die Zeit läuft weiter, ohne dass noch etwas geschieht; ein neuer Lauf beginnt von vorn.
    t.schleife.Vorruecken(20000);
    EXPECT_EQ(t.prozesse.starts.size(), GetParam().starts);
    Berechnen();
    EXPECT_EQ(t.prozesse.starts.size(), GetParam().starts + 3);
}

INSTANTIATE_TEST_SUITE_P(Zeitpunkte, Abbruch,
                         ::testing::Values(AbbruchFall{"BeimSammeln", 0, 0},
                                           AbbruchFall{"WaehrendDesWartens", 2500, 1}),
                         Fallname);

// Der erste Punkt findet schon ein umbenanntes Qel-Log vor: seins lässt sich nicht umbenennen
// (Laufzeitfehler 58). Liegt dabei der Fehlerbericht der Engine über fehlende gleichzeitige
// Beobachtungen vor, wird der Punkt vermerkt und der Lauf geht weiter.
TEST_F(Fortschritt, NachFehlendenGleichzeitigenBeobachtungenGehtEsWeiter) {
    t.prozesse.engine = [this, engine = t.prozesse.engine](const Text& stapel) {
        engine(stapel);
        Datei("qellog.txt", "ok\r\n");
        if (starts.size() == 1) {
            Datei("_ergebnis_np012830_qelelog.txt", "alt\r\n");
            Datei("qel.err", "  VEXLO-error: no simultaneous observations  \r\n");
        }
        Datei("_ergebnis_" + NachUtf8(form.lauf.Dateistamm) + "_list.txt",
              "RovN\r\nnp 1.0 2.0 3.0 high x 95 12 7.5 1.8\r\n");
    };
    std::vector<bool> zeitgeber;
    form.TimerAbbruch.Beobachten([&] { zeitgeber.push_back(form.TimerAbbruch.Aktiviert()); });

    Berechnen();

    ASSERT_EQ(starts.size(), 3u);
    // Auch der gescheiterte Punkt endet mit abgeschaltetem Zeitgeber.
    EXPECT_EQ(zeitgeber, (std::vector<bool>{true, false, true, false, true, false}));
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text.substr(0, 27),
              u"3 Neupunktkoordinaten mit 1");
    EXPECT_EQ(Inhalt("_ergebnis_2830.info"),
              "Vexlo-Fehler: no simultaneous observations f\xFCr den "
              "Punkt np012830.23o! Keine Berechnung m\xF6glich! ***\r\n");
    // Der gescheiterte Punkt hat keine Zeile im Mini-Protokoll (Normalhöhe ohne Lösungsdatei:
    // leer).
    const std::string zeile = "np 1.0 2.0 3.0 high x 95 12 7.5 1.8          \r\n";
    EXPECT_EQ(Inhalt("_ergebnis_283.mini"), "RovN  NHN-H\xF6he\r\n" + zeile + zeile);
    ErwarteRuhezustand();
}

} // namespace
