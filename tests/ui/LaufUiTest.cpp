// Ein Lauf über zwei Neupunkte im echten Fenster: echte Prozesse (kestrav-cmd führt Kestrav.bat
// aus), Shell-Skripte als Engine, die Ereignisschleife von Qt. Beobachtet wird, was der Benutzer
// sieht: das Wartefenster, der Fortschritt, "Abbruch" und gesperrte Befehle, danach das wieder
// freie Fenster. Die geschriebenen Dateien prüfen die e2e-Tests.
#include "Fenstertest.h"
#include "hilfen/Prozesslauf.h"
#include "shell/Start.h"
#include "ui/qt/QtText.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

class LaufImFenster : public Fenstertest {
protected:
    LaufImFenster() : Fenstertest(true) {
        // Das Kind findet C: über die Umgebung; ohne Anzeige läuft der sichtbare Stil ohne
        // Terminal, und statt des Betrachters läuft nichts.
        setenv("KESTRAV_LAUFWERK_C", env.laufwerkC.c_str(), 1);
        setenv("KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd", 1);
        setenv("KESTRAV_ANZEIGE", "/bin/true", 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        env.EngineInstallieren(true);
        BytesSchreiben(env.programm / "kestrav.ini",
                       BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini"));
        // Qel meldet über eine Markendatei, solange es rechnet; Bo schreibt Ergebnisliste und
        // Lösung.
        Skript(env.vexlo / "qel2", "echo \"$1\" > engine.tmp && mv engine.tmp engine_laeuft\n"
                                   "sleep 0.3\n"
                                   "printf 'Qel ok\\r\\n' > qellog.txt\n"
                                   ": > virt283.23o\n"
                                   "rm -f engine_laeuft\n");
        Skript(env.vexlo / "bo2",
               "printf '  Punkt RovN Y X h Q T Amb Zeit Sat PDOP\\r\\n%s 32500000.1 5600000.2 "
               "101.5 high 1 95 12 7.5 %s\\r\\n' \"${2%%.*}\" \"$(cat ../pdop || echo 1.8)\" > "
               "\"${3#+FE}\"\n"
               "printf 'NHN-H\\366he [m]: 55.125\\r\\n' > \"${4#+FS}\"\n");
        for (const char* referenz : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
            env.Arbeitsdatei(referenz, RinexKopf("SAPOS"));
        for (const char* neupunkt : {"np012830.23o", "np022830.23o"})
            env.Arbeitsdatei(neupunkt, RinexKopf("Messtrupp"));
        env.Arbeitsdatei("igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");

        FormularLaden(form);
        form.fenster.Zeigen();
        QApplication::processEvents();
    }
    void Klicken(const char* knopf) {
        QTest::mouseClick(Widget<QPushButton>(knopf), Qt::LeftButton);
    }
    // Die Befehle, die ein Lauf sperrt, soweit sie gerade frei sind.
    QStringList Frei() {
        QStringList frei;
        for (const char* name : {"CommandBerechnen", "RegisterkarteKestrav", "KestravHilfeMenü",
                                 "QelHilfeMenü", "Info"})
            if (Widget<QObject>(name)->property("enabled").toBool())
                frei << QString::fromUtf8(name);
        return frei;
    }
    // Wie der Benutzer: Arbeitsverzeichnis über np01 wählen, Referenzen zuordnen, berechnen.
    void Rechnen() {
        env.dialoge.dateiantworten = {AusUtf8((env.arbeit / "np012830.23o").string())};
        for (const char* knopf :
             {"AuswahlArbeitsverzeichnis", "AutoZuordnungReferenz", "CommandBerechnen"})
            Klicken(knopf);
    }
};

TEST_F(LaufImFenster, ZweiPunkteMitWartefensterUndFreiemFensterDanach) {
    // Während der Lauf in der Ereignisschleife wartet, sieht ein Zeitgeber nach dem Fenster.
    auto* balken = Widget<QProgressBar>("ProgressBar");
    int beobachtet[3] = {};
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
        const std::string marke = BytesLesen(env.arbeit / "engine_laeuft");
        const int position = marke == "np012830.23o\n" ? 1 : marke == "np022830.23o\n" ? 2 : 0;
        if (marke.empty() || position == 0)
            return;
        ++beobachtet[position];
        EXPECT_TRUE(fenster->BitteWarten()->isVisible());
        EXPECT_EQ(balken->value(), position);
        EXPECT_EQ(Widget<QPushButton>("EndeFrame")->text(), QStringLiteral("Abbruch"));
        EXPECT_EQ(Frei(), QStringList());
    });
    beobachter.start(10);
    Rechnen();
    beobachter.stop();
    EXPECT_GT(beobachtet[1], 0);
    EXPECT_GT(beobachtet[2], 0);
    EXPECT_EQ(env.dialoge.Texte(),
              (std::vector<Text>{u"Alle Ergebnisdateien werden jetzt überschrieben!   ",
                                 u"2 Neupunktkoordinaten ohne Warnungen berechnet!"}));

    // Das Fenster ist wieder frei.
    EXPECT_FALSE(fenster->BitteWarten()->isVisible());
    EXPECT_EQ(Widget<QPushButton>("EndeFrame")->text(), QStringLiteral("Ende"));
    EXPECT_EQ(Frei().size(), 5);
    EXPECT_EQ(balken->value(), 0);
}

// Vom Desktop mit einer Datei gestartet ("kestrav %f"), ohne den Dialog: "Daten neu laden" liest
// den Ordner der Datei, und der Demotag rechnet mit dessen ANTEX-Dateien, nicht mit denen der
// Laufwerkswurzel (die fehlen, und jeder Punkt bekäme eine falsche Warnung).
TEST_F(LaufImFenster, DemotagNachStartMitDateiUndDatenNeuLaden) {
    const fs::path tag = env.temp / "demotag";
    for (const auto& [schalter, ziel] : {std::pair{"--installieren", env.vexlo}, {"--demo", tag}})
        ASSERT_EQ(
            ProzessAusfuehren({{KESTRAV_BIN_DIR "/vexlo-sim", schalter, ziel.string()}, "/", {}})
                .exitcode,
            0);
    env.system.befehlszeile = AusUtf8((tag / "np012830.23o").string());
    FormularLaden(form);
    for (const char* knopf : {"ResetRINEX", "AutoZuordnungReferenz", "CommandBerechnen"})
        Klicken(knopf);
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, Text());
    EXPECT_EQ(env.dialoge.Texte(),
              (std::vector<Text>{u"Alle Ergebnisdateien werden jetzt überschrieben!   ",
                                 u"3 Neupunktkoordinaten mit 9 Warnungen berechnet!\n"
                                 u"Siehe Datei <_ergebnis_283.mini>!"}));
}

// Ein deutscher Desktop (Dezimalkomma; für das Fenster im Lauf ui_de_DE): Fenster und
// kestrav-stapel lesen Zahlen mit Punkt gleich. PDOP 6.5 gegen die Grenze 6 ist je Punkt eine
// Marke; "PDOP = 7.5" lädt als 8, 8 ist keine.
TEST_F(LaufImFenster, ZahlenMitPunktAufDeutschemDesktopInFensterUndStapel) {
    const std::string ausgeliefert = BytesLesen(env.programm / "kestrav.ini");
    for (const auto& [grenze, pdop, meldung] :
         {std::tuple{"6", "6.5", "2 Neupunktkoordinaten mit 2 Warnungen berechnet!"},
          {"7.5", "8", "2 Neupunktkoordinaten ohne Warnungen berechnet!"}}) {
        std::string ini = ausgeliefert;
        BytesSchreiben(env.programm / "kestrav.ini",
                       ini.replace(ini.find("PDOP = 6"), 8, std::string("PDOP = ") + grenze));
        BytesSchreiben(env.arbeit.parent_path() / "pdop", pdop);
        FormularLaden(form);
        Rechnen();
        ASSERT_FALSE(env.dialoge.Texte().empty());
        EXPECT_TRUE(env.dialoge.Texte().back().starts_with(AusUtf8(meldung))) << grenze;
        const Prozesslauf lauf =
            ProzessAusfuehren({{KESTRAV_BIN_DIR "/kestrav-stapel", "--einstellungen",
                                (env.programm / "kestrav.ini").string(), env.arbeit.string()},
                               env.arbeit,
                               {{"LC_ALL", "de_DE.UTF-8"}}});
        EXPECT_NE(lauf.ausgabe.find(meldung), std::string::npos) << lauf.ausgabe << lauf.fehler;
    }
}
