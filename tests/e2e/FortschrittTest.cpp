// Fortschrittsanzeige mit der virtuellen Uhr, Abbruch während des Laufs, Fehler beim Start.
#include "Laufumgebung.h"

#include "platform/Laufzeitfehler.h"

#include <map>

namespace {

class Fortschritt : public Laufumgebung {
protected:
    Fortschritt() {
        Datei("igs20.atx", AntexBeispiel());
        form.bitteWarten.fenster.Beobachten([this] {
            const Text& titel = form.bitteWarten.fenster.Caption();
            if (fensterTitel.empty() || fensterTitel.rbegin()->second != titel)
                fensterTitel[t.schleife.JetztMs()] = titel;
        });
        form.bitteWarten.BerechnePunkt.Beobachten([this] {
            const Text& zeile = form.bitteWarten.BerechnePunkt.Caption();
            if (punktzeilen.empty() || punktzeilen.back() != zeile)
                punktzeilen.push_back(zeile);
        });
    }
    // Beim Abbruch wie ein Klick auf "Abbruch": Balken auf 0, dann der Abbruch selbst.
    void AbbrechenBei(long long ms) {
        t.schleife.Planen(ms, [this] {
            form.ProgressBar.SetzeWert(0);
            LaufAbbrechen(form);
        });
    }

    std::map<long long, Text> fensterTitel; // jeder neue Titel mit seiner virtuellen Zeit
    std::vector<Text> punktzeilen;
};

TEST_F(Fortschritt, BerechnungszeitUndPunktzeileJePunkt) {
    Neupunkte({u"aa012830.23o", u"np_12830.23o"});
    t.prozesse.laufzeitMs = 3726000;

    Berechnen();

    EXPECT_EQ(fensterTitel.at(1000), u"Berechnungzeit 00:00:00 ...");
    EXPECT_EQ(fensterTitel.at(2000), u"Berechnungzeit 00:00:01 ...");
    EXPECT_EQ(fensterTitel.at(3725000), u"Berechnungzeit 01:02:04 ...");
    EXPECT_EQ(punktzeilen, (std::vector<Text>{u"rechne 1.Punkt (1/2), MARKER NAME: aa01",
                                              u"rechne 2.Punkt (2/2), MARKER NAME: np1"}));
    // Jeder Punkt beginnt wieder bei 00:00:00.
    std::size_t nullen = 0;
    for (const auto& [ms, titel] : fensterTitel)
        nullen += titel == u"Berechnungzeit 00:00:00 ...";
    EXPECT_EQ(nullen, 2u);
    EXPECT_EQ(form.bitteWarten.Label1.Caption(), u"Qel/Bo Berechnung läuft ...");
    ErwarteRuhezustand();
}

TEST_F(Fortschritt, AbbruchWaehrendDesWartensEndetDenLaufSofort) {
    Neupunkte({u"np012830.23o", u"np022830.23o", u"np032830.23o"});
    t.prozesse.laufzeitMs = 10000;
    t.prozesse.engine = [this, engine = t.prozesse.engine](const Text& stapel) {
        engine(stapel);
        Datei("_ergebnis_2830.erg", "engine\r\n");
    };
    AbbrechenBei(2500);

    Berechnen();

    // Die Warteschleife fragt alle 100 ms; der Befehl kehrt danach ohne weitere Schritte zurück.
    EXPECT_LE(t.schleife.JetztMs(), 2600);
    EXPECT_EQ(t.prozesse.starts.size(), 1u);
    ErwarteMeldungen({UeberschreibenFrage(), AbbruchMeldung()});
    EXPECT_FALSE(Vorhanden("Kestrav.bat"));
    EXPECT_FALSE(Vorhanden("_ergebnis_2830.erg"));
    ErwarteAbgebrochen();

    // Die Zeit läuft weiter, ohne dass noch etwas geschieht; ein neuer Lauf beginnt von vorn.
    t.schleife.Vorruecken(20000);
    EXPECT_EQ(t.prozesse.starts.size(), 1u);
    Berechnen();
    EXPECT_EQ(t.prozesse.starts.size(), 4u);
}

TEST_F(Fortschritt, AbbruchBeimSammelnStartetNichts) {
    Datei("alt.koord", "alt\r\n");
    AbbrechenBei(0);

    Berechnen();

    EXPECT_TRUE(t.prozesse.starts.empty());
    EXPECT_TRUE(Vorhanden("alt.koord"));
    ErwarteMeldungen({UeberschreibenFrage(), AbbruchMeldung()});
    ErwarteAbgebrochen();
}

TEST_F(Fortschritt, StapelNichtStartbarGehtInDenFehlerpfad) {
    Neupunkte({u"np012830.23o", u"np022830.23o"});
    t.prozesse.engine = [](const Text&) { throw Laufzeitfehler(53, "Kestrav.bat"); };

    Berechnen();

    EXPECT_EQ(t.prozesse.starts.size(), 1u);
    // Nach dem Fehlerpfad bleibt die Jobdatei des Punktes liegen.
    EXPECT_TRUE(Vorhanden("Kestrav.bat"));
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.titel, u"Achtung Fehler!");
    EXPECT_NE(form.zustand.Fehlerbeschreibung.find(u"Datei nicht gefunden"), Text::npos);
    ErwarteAbgebrochen();
}

TEST_F(Fortschritt, NachFehlendenGleichzeitigenBeobachtungenGehtEsWeiter) {
    Neupunkte({u"np012830.23o", u"np022830.23o", u"np032830.23o"});
    // Der erste Punkt scheitert mit dem Fehlerbericht der Engine, die anderen rechnen ohne Warnung.
    t.prozesse.engine = [this, engine = t.prozesse.engine](const Text& stapel) {
        engine(stapel);
        if (starts.size() == 1) {
            Datei("qel.err", "  VEXLO-error: no simultaneous observations  \r\n");
            throw Laufzeitfehler(53, "Engine");
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
    ErwarteRuhezustand();
}

} // namespace
