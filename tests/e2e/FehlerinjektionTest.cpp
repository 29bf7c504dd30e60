// Ein Lauf über drei Punkte, in dem der n-te schreibende Dateizugriff scheitert, für jedes n: der
// Lauf geht in seinen Fehlerpfad, meldet den Fehler mit dem richtigen Text, schreibt danach nichts
// mehr, verliert keine Zeile, die vor dem Fehler im Mini-Protokoll oder in der Koordinatendatei
// stand, und gibt das Fenster frei.
#include "Laufumgebung.h"

#include "hilfen/FehlerDateisystem.h"
#include "shell/Befehle.h"
#include "shell/Einstellungen.h"
#include "shell/Start.h"

namespace {

namespace fs = std::filesystem;

// Stand der beiden Ausgabedateien ("" = nicht vorhanden).
std::string Ausgaben(const fs::path& arbeit) {
    std::string stand;
    for (const char* name : {"_ergebnis_283.mini", "_ergebnis_283.PYXZ"})
        stand += (fs::exists(arbeit / name) ? BytesLesen(arbeit / name) : "") + "|";
    return stand;
}

// Ein Lauf über dem Dateisystem, das den n-ten schreibenden Zugriff scheitern lässt.
class Fehlerlauf : public Testlauf {
public:
    Fehlerlauf()
        : Testlauf([](TestUmgebung& t) { return std::make_unique<FehlerDateisystem>(*t.datei); }),
          fehler(static_cast<FehlerDateisystem&>(*dateien)) {}

    FehlerDateisystem& fehler;
};

// Drei Neupunkte mit Antennenkorrektur und Normalhöhen; die Engine-Nachbildung schreibt je Stapel
// Qel-Log (beim zweiten mit Fehler), Ergebnisliste, Lösungsdatei und virtuelle Station.
class Dreipunktlauf : public Fehlerlauf {
public:
    Dreipunktlauf() {
        t.EngineInstallieren();
        form.Referenzpunkte.Hinzufuegen(u"cccc2830.23o");
        Neupunkte({u"np012830.23o", u"np022830.23o", u"np032830.23o"});
        form.QelHöheDhhn.Waehlen();
        form.QelKorrAntenne.SetzeWert(1);
        Datei("igs20.atx", AntexBeispiel());
        // Reste eines früheren Laufs, damit auch das Aufräumen schreibt.
        for (const char* name : {"_ergebnis_283.mini", "Kestrav.bat", "virt283.23o"})
            Datei(name, "alt\r\n");
        t.prozesse.engine = [this](const Text&) {
            const std::string stamm = NachUtf8(form.lauf.Dateistamm);
            Datei("qellog.txt",
                  stamm == "np022830" ? "FATAL ERROR: zu wenig Referenzen\r\n" : "fertig\r\n");
            Datei("virt283.23o", "virtuell\r\n");
            Datei("_ergebnis_" + stamm + "_list.txt",
                  "RovN\r\n" + stamm + " 32500.1 56000.2 101.5 high 1 95 12 7.5 1.8\r\n");
            Datei("_ergebnis_" + stamm + "_sol.txt",
                  "NHN-H\xF6he [m]: 1" + stamm.substr(3, 1) + "3.456\r\n");
        };
    }
};

TEST(Fehlerinjektion, JederSchreibendeZugriffKannScheitern) {
    // Der ungestörte Lauf zählt die schreibenden Zugriffe und hält die Stände davor fest.
    std::vector<std::string> staende; // [n - 1]: vor dem n-ten Zugriff
    {
        Dreipunktlauf lauf;
        lauf.fehler.vorJedemZugriff = [&] { staende.push_back(Ausgaben(lauf.t.arbeit)); };
        lauf.Berechnen();
        ASSERT_EQ(lauf.t.dialoge.protokoll.back().meldung.titel, u"Achtung Warnungen!");
        ASSERT_EQ(lauf.Inhalt("_ergebnis_283.PYXZ"), "np012830 32500.1 56000.2 113.456\r\n"
                                                     "np022830 32500.1 56000.2 123.456\r\n"
                                                     "np032830 32500.1 56000.2 133.456\r\n");
    }
    const int zugriffe = static_cast<int>(staende.size());
    ASSERT_GT(zugriffe, 10);

    const Meldung erwartet{u"Fehlerart: [Datenträger voll]!\n\nBitte alle Dateien schließen, "
                           u"Daten bereinigen und die Berechnung neu starten!",
                           u"Achtung Fehler!", Knoepfe::OK, Symbol::Ausrufezeichen, 1};
    for (int n = 1; n <= zugriffe; ++n) {
        SCOPED_TRACE("scheiternder Zugriff " + std::to_string(n) + " von " +
                     std::to_string(zugriffe));
        Dreipunktlauf lauf;
        lauf.fehler.ScheiternBei(n, 61);
        lauf.Berechnen();

        EXPECT_EQ(lauf.fehler.SchreibendeZugriffe(), n) << "nach dem Fehler nichts schreiben";
        // Nur die letzte Meldung gehört zum Fehler.
        ASSERT_FALSE(lauf.t.dialoge.protokoll.empty());
        lauf.t.dialoge.protokoll.erase(lauf.t.dialoge.protokoll.begin(),
                                       lauf.t.dialoge.protokoll.end() - 1);
        lauf.ErwarteMeldungen({erwartet});
        // Was vor dem Fehler geschrieben war, steht noch da, Byte für Byte.
        EXPECT_EQ(Ausgaben(lauf.t.arbeit), staende[n - 1]);
        lauf.ErwarteAbgebrochen();
    }
}

// Beenden mit geänderten Einstellungen über einer kestrav.ini mit einer eigenen Zeile.
class Beenden : public Fehlerlauf {
public:
    Beenden() {
        t.EngineInstallieren();
        BytesSchreiben(ini, alt);
        FormularLaden(form);
        form.PDOP.SetzeText(u"7");
        form.zustand.BeendenBestätigt = true;
    }

    fs::path ini = t.programm / "kestrav.ini";
    std::string alt = BytesLesen(KESTRAV_SOURCE_DIR "/data/kestrav.ini") + "eigene Zeile\r\n";
};

// Erst ungestört (n = 0), das zählt die schreibenden Zugriffe; dann scheitert jeder einmal.
TEST(FehlerBeimBeenden, JederScheiterndeZugriffLaesstDieAlteDateiGanz) {
    for (int n = 0, zugriffe = 0; n <= zugriffe; ++n) {
        SCOPED_TRACE("scheiternder Zugriff " + std::to_string(n));
        Beenden beenden;
        beenden.fehler.ScheiternBei(n, 61);
        EndeMenü_Click(beenden.form);
        EXPECT_EQ(beenden.t.programmdienst.beendet, 1);
        if (n == 0) {
            EXPECT_NE(BytesLesen(beenden.ini).find("PDOP = 7\r\n"), std::string::npos);
            zugriffe = beenden.fehler.SchreibendeZugriffe();
            ASSERT_GE(zugriffe, 1);
            continue;
        }
        EXPECT_EQ(BytesLesen(beenden.ini), beenden.alt);
        // Die Meldung, dass nichts gespeichert wurde (mit der Fehlernummer), und das sofortige
        // Ende.
        beenden.ErwarteMeldungen({EinstellungenFehlermeldung(beenden.form, Laufzeitfehler(61))});
    }
}

} // namespace
