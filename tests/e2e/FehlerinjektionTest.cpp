// Ein Lauf über drei Punkte, in dem der n-te schreibende Dateizugriff scheitert, für jedes n: der
// Lauf geht in seinen Fehlerpfad, meldet den Fehler mit dem richtigen Text, schreibt danach nichts
// mehr, verliert keine Zeile, die vor dem Fehler im Mini-Protokoll oder in der Koordinatendatei
// stand, und gibt das Fenster frei. Ein Fehler beim Neuschreiben der Einstellungen am Ende lässt
// die alte kestrav.ini ganz.
#include "hilfen/FehlerDateisystem.h"
#include "hilfen/Kindprozess.h"
#include "hilfen/TestUmgebung.h"
#include "run/Lauf.h"
#include "shell/Befehle.h"
#include "shell/Einstellungen.h"
#include "shell/Start.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* const Mini = "_ergebnis_283.mini";
const char* const Koordinaten = "_ergebnis_283.PYXZ";

// Stand der beiden Ausgabedateien nach einem schreibenden Zugriff ("" = nicht vorhanden).
struct Ausgabestand {
    std::string mini;
    std::string koordinaten;
    bool operator==(const Ausgabestand&) const = default;
};

std::string WennVorhanden(const fs::path& datei) {
    return fs::exists(datei) ? BytesLesen(datei) : std::string();
}

// Hält nach jedem gelungenen schreibenden Zugriff den Stand der Ausgabedateien fest.
class MitschnittDateisystem : public FehlerDateisystem {
public:
    MitschnittDateisystem(Dateisystem& echt, fs::path arbeit)
        : FehlerDateisystem(echt), arbeit_(std::move(arbeit)) {}
    std::vector<Ausgabestand> staende; // [k]: nach dem k-ten Zugriff, [0]: vor dem ersten

    void Festhalten() {
        staende.push_back({WennVorhanden(arbeit_ / Mini), WennVorhanden(arbeit_ / Koordinaten)});
    }

    void Schreiben(const Text& p, const Text& inhalt, bool anhaengen) override {
        FehlerDateisystem::Schreiben(p, inhalt, anhaengen);
        Festhalten();
    }
    void SicherErsetzen(const Text& p, const Text& inhalt) override {
        FehlerDateisystem::SicherErsetzen(p, inhalt);
        Festhalten();
    }
    void Loeschen(const Text& p) override {
        FehlerDateisystem::Loeschen(p);
        Festhalten();
    }
    void Umbenennen(const Text& alt, const Text& neu) override {
        FehlerDateisystem::Umbenennen(alt, neu);
        Festhalten();
    }

private:
    fs::path arbeit_;
};

// Ein Lauf über drei Neupunkte mit Antennenkorrektur und Normalhöhen; die Engine-Nachbildung
// schreibt je Stapel Qel-Log, Ergebnisliste, Lösungsdatei und virtuelle Station.
class Dreipunktlauf {
public:
    Dreipunktlauf()
        : dateien(*t.datei, t.arbeit), umgebung{dateien,   t.prozesse,       t.schleife,
                                                t.dialoge, t.programmdienst, t.system} {
        t.EngineInstallieren();
        form = std::make_unique<Basisformular>(umgebung);
        form->zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        form->zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
        form->zustand.AntexSammeldatei = u"$$$$$.atx";
        form->zustand.Versionskennung = u"2";
        form->zustand.Arbeitsverzeichnis = u"c:\\daten\\tag1\\";
        t.InsArbeitsverzeichnis();
        for (const char16_t* referenz : {u"aaaa2830.23o", u"bbbb2830.23o", u"cccc2830.23o"})
            Punkt(form->Referenzpunkte, referenz);
        for (const char16_t* neupunkt : {u"np012830.23o", u"np022830.23o", u"np032830.23o"})
            Punkt(form->Neupunkte, neupunkt);
        form->Beobachtungstag.SetzeText(u"283*");
        form->QelHöheDhhn.Waehlen();
        form->QelKorrAntenne.SetzeWert(1);
        form->CommandBerechnen.SetzeAktiviert(true);
        t.Arbeitsdatei("igs20.atx", AntexDatei());
        // Reste eines früheren Laufs, damit auch das Aufräumen schreibt.
        t.Arbeitsdatei(Mini, "alte Zeile\r\n");
        t.Arbeitsdatei("Kestrav.bat", "pause\r\n");
        t.Arbeitsdatei("virt283.23o", "alt\r\n");
        t.prozesse.engine = [this](const Text&) { Engine(); };
    }

    void Berechnen() {
        dateien.Festhalten();
        CommandBerechnen_Click(*form);
    }

    TestUmgebung t;
    MitschnittDateisystem dateien;
    Umgebung umgebung;
    std::unique_ptr<Basisformular> form;

private:
    void Punkt(Listenfeld& liste, const char16_t* name) {
        liste.Hinzufuegen(name);
        t.Arbeitsdatei(NachUtf8(name), "RINEX\r\n");
    }

    static std::string AntexDatei() {
        const std::string b60(60, ' ');
        return "     1.4            M                                       ANTEX VERSION / "
               "SYST\r\n" +
               b60 + "END OF HEADER       \r\n" + b60 + "START OF ANTENNA    \r\n" + b60 +
               "END OF ANTENNA      \r\n";
    }

    void Engine() {
        const std::string stamm = NachUtf8(form->lauf.Dateistamm);
        const bool zweiter = stamm == "np022830";
        t.Arbeitsdatei("qellog.txt", zweiter ? "Qel\r\nFATAL ERROR: zu wenig Referenzen\r\n"
                                             : "Qel\r\nfertig\r\n");
        t.Arbeitsdatei("virt283.23o", "virtuell\r\n");
        t.Arbeitsdatei("_ergebnis_" + stamm + "_list.txt",
                       "RovN Y X h Q n Amb Zeit Sat PDOP\r\n" + stamm +
                           " 32500.1 56000.2 101.5 high 1 95 12 7.5 1.8\r\n");
        t.Arbeitsdatei("_ergebnis_" + stamm + "_sol.txt",
                       "Bo\r\nNHN-H\xF6he [m]: 1" + stamm.substr(3, 1) + "3.456\r\n");
    }
};

struct Fehlerfall {
    const char* name;
    int nummer;
    const char16_t* beschreibung;
    friend void PrintTo(const Fehlerfall& f, std::ostream* aus) { *aus << f.name; }
};

class Fehlerinjektion : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Fehlerinjektion, JederSchreibendeZugriffKannScheitern) {
    // Der ungestörte Lauf zählt die schreibenden Zugriffe und hält die Stände fest.
    std::vector<Ausgabestand> staende;
    {
        Dreipunktlauf lauf;
        lauf.Berechnen();
        ASSERT_EQ(lauf.t.dialoge.protokoll.size(), 2u);
        ASSERT_EQ(lauf.t.dialoge.protokoll.back().meldung.titel, u"Achtung Warnungen!");
        staende = lauf.dateien.staende;
        // Kopfzeile und drei Punkte im Protokoll, drei Koordinatenzeilen.
        ASSERT_EQ(staende.back().koordinaten, "np012830 32500.1 56000.2 113.456\r\n"
                                              "np022830 32500.1 56000.2 123.456\r\n"
                                              "np032830 32500.1 56000.2 133.456\r\n");
    }
    const int zugriffe = static_cast<int>(staende.size()) - 1;
    ASSERT_GT(zugriffe, 10);

    const Text erwartet = u"Fehlerart: [" + Text(GetParam().beschreibung) +
                          u"]!\n\nBitte alle Dateien schließen, Daten bereinigen und die "
                          u"Berechnung neu starten!";
    for (int n = 1; n <= zugriffe; ++n) {
        SCOPED_TRACE("scheiternder Zugriff " + std::to_string(n) + " von " +
                     std::to_string(zugriffe));
        Dreipunktlauf lauf;
        lauf.dateien.ScheiternBei(n, GetParam().nummer);
        lauf.Berechnen();

        EXPECT_EQ(lauf.dateien.SchreibendeZugriffe(), n)
            << "nach dem Fehler wird nichts geschrieben";
        ASSERT_FALSE(lauf.t.dialoge.protokoll.empty());
        const Meldung& box = lauf.t.dialoge.protokoll.back().meldung;
        EXPECT_EQ(NachUtf8(box.titel), "Achtung Fehler!");
        EXPECT_EQ(NachUtf8(box.text), NachUtf8(erwartet));
        EXPECT_EQ(box.symbol, Symbol::Ausrufezeichen);
        EXPECT_EQ(box.knoepfe, Knoepfe::OK);

        // Was vor dem Fehler geschrieben war, steht noch da, Byte für Byte.
        EXPECT_EQ(WennVorhanden(lauf.t.arbeit / Mini), staende[n - 1].mini);
        EXPECT_EQ(WennVorhanden(lauf.t.arbeit / Koordinaten), staende[n - 1].koordinaten);

        const Basisformular& form = *lauf.form;
        EXPECT_EQ(form.EndeFrame.Caption(), u"Ende");
        EXPECT_EQ(form.EndeMenü.Caption(), u"Ende");
        EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
        EXPECT_TRUE(form.cmdBerechnen.Aktiviert());
        EXPECT_TRUE(form.FrameBenutzereinstellungen.Aktiviert());
        EXPECT_TRUE(form.FrameFehler.Aktiviert());
        EXPECT_TRUE(form.RegisterkarteKestrav.Aktiviert());
        EXPECT_FALSE(form.TimerAbbruch.Aktiviert());
        EXPECT_EQ(form.ProgressBar.Wert(), 0);
        EXPECT_FALSE(form.bitteWarten.fenster.Angezeigt());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fehlernummern, Fehlerinjektion,
    ::testing::Values(Fehlerfall{"DatentraegerVoll", 61, u"Datenträger voll"},
                      Fehlerfall{"Zugriffsfehler", 75,
                                 u"Fehler beim Zugriff auf Pfad/Datei. Entfernen Sie eventellen \n"
                                 u"Schreibschutz und erlauben Sie Schreib/Lösch- und Leserechte"}),
    [](const auto& info) { return std::string(info.param.name); });

// Das Programm mit der ausgelieferten kestrav.ini gestartet, zwei Einstellungen geändert; das
// Beenden ist schon bestätigt.
class Beenden {
public:
    Beenden()
        : fehler(*t.datei), umgebung{fehler,    t.prozesse,       t.schleife,
                                     t.dialoge, t.programmdienst, t.system} {
        t.EngineInstallieren();
        BytesSchreiben(ini, alt);
        form = std::make_unique<Basisformular>(umgebung);
        FormularLaden(*form);
        form->PDOP.SetzeText(u"7");
        form->QelGPS.SetzeWert(1);
        form->zustand.BeendenBestätigt = true;
    }

    void Klicken() { EndeMenü_Click(*form); }

    // Die Meldung, dass nichts gespeichert wurde (mit der Fehlernummer), und das sofortige Ende.
    bool OhneSpeichernBeendet(int nummer) const {
        if (t.dialoge.protokoll.empty() || t.programmdienst.beendet != 1)
            return false;
        const Meldung& gezeigt = t.dialoge.protokoll.back().meldung;
        const Meldung erwartet = EinstellungenFehlermeldung(*form, Laufzeitfehler(nummer));
        return gezeigt.text == erwartet.text && gezeigt.titel == erwartet.titel &&
               gezeigt.symbol == Symbol::Ausrufezeichen &&
               Enthaelt(gezeigt.text, u"Die Datei ist unverändert geblieben.");
    }

    TestUmgebung t;
    fs::path ini = t.programm / "kestrav.ini";
    std::string alt = BytesLesen(KESTRAV_SOURCE_DIR "/data/kestrav.ini") + "eigene Zeile\r\n";
    FehlerDateisystem fehler;
    Umgebung umgebung;
    std::unique_ptr<Basisformular> form;
};

TEST(FehlerBeimBeenden, UngestoertWirdDieDateiNeuGeschrieben) {
    Beenden beenden;
    beenden.Klicken();
    const std::string neu = BytesLesen(beenden.ini);
    EXPECT_NE(neu, beenden.alt);
    EXPECT_NE(neu.find("PDOP = 7\r\n"), std::string::npos);
    EXPECT_NE(neu.find("ignoriere Beobachtungen von = -SVG\r\n"), std::string::npos);
    EXPECT_EQ(beenden.t.programmdienst.beendet, 1);
}

TEST(FehlerBeimBeenden, JederScheiterndeZugriffLaesstDieAlteDateiGanz) {
    int zugriffe = 0;
    {
        Beenden beenden;
        beenden.fehler.ScheiternBei(0, 0);
        beenden.Klicken();
        zugriffe = beenden.fehler.SchreibendeZugriffe();
    }
    ASSERT_GE(zugriffe, 1);
    for (int n = 1; n <= zugriffe; ++n) {
        SCOPED_TRACE("scheiternder Zugriff " + std::to_string(n));
        Beenden beenden;
        beenden.fehler.ScheiternBei(n, 61);
        beenden.Klicken();
        EXPECT_EQ(BytesLesen(beenden.ini), beenden.alt);
        EXPECT_TRUE(beenden.OhneSpeichernBeendet(61));
    }
}

// Ein echter Schreibfehler mitten in der neuen Datei: im Kindprozess darf keine Datei über 16 Bytes
// hinaus wachsen (wie ein voller Datenträger). Die alte Datei bleibt Byte für Byte, und es bleibt
// keine halbe Datei daneben liegen.
TEST(FehlerBeimBeenden, VollerDatentraegerMittenImSchreibenLaesstDieAlteDateiGanz) {
    Beenden beenden;
    const int ergebnis = ImKindprozess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &grenze) != 0)
            return 98;
        beenden.Klicken();
        return beenden.OhneSpeichernBeendet(61) ? 0 : 1;
    });
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(BytesLesen(beenden.ini), beenden.alt);
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(beenden.t.programm))
        namen.push_back(eintrag.path().filename().string());
    EXPECT_EQ(namen, std::vector<std::string>{"kestrav.ini"});
}

} // namespace
