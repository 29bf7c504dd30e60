// Ein Lauf über zwei Neupunkte im echten Fenster: echte Prozesse (kestrav-cmd führt Kestrav.bat
// aus), Shell-Skripte als Engine, die Ereignisschleife von Qt. Beobachtet wird, was der Benutzer
// sieht: das Wartefenster, der Fortschritt, "Abbruch" und gesperrte Befehle, danach das wieder
// freie Fenster und die geschriebenen Dateien.
#include "hilfen/TempVerzeichnis.h"
#include "hilfen/TestUmgebung.h"
#include "platform/posix/PosixProzesse.h"
#include "shell/Start.h"
#include "ui/Hauptfenster.h"
#include "ui/QtEreignisschleife.h"
#include "ui/QtText.h"

#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Setzt eine Umgebungsvariable für die Dauer des Tests (nullptr: entfernt sie).
class Umgebungsvariable {
public:
    Umgebungsvariable(const char* name, const char* wert) : name_(name) {
        if (const char* alt = std::getenv(name))
            alt_ = alt;
        if (wert)
            setenv(name, wert, 1);
        else
            unsetenv(name);
    }
    ~Umgebungsvariable() {
        if (alt_)
            setenv(name_, alt_->c_str(), 1);
        else
            unsetenv(name_);
    }
    Umgebungsvariable(const Umgebungsvariable&) = delete;
    Umgebungsvariable& operator=(const Umgebungsvariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> alt_;
};

void Skript(const fs::path& datei, const std::string& rumpf) {
    BytesSchreiben(datei, "#!/bin/sh\n" + rumpf);
    fs::permissions(datei, fs::perms::owner_all, fs::perm_options::add);
}

std::string Rinex(const std::string& observer) {
    return "     2.11           OBSERVATION DATA    M (MIXED)           RINEX VERSION / TYPE\r\n" +
           observer + std::string(60 - observer.size(), ' ') + "OBSERVER / AGENCY\r\n" +
           std::string(60, ' ') + "END OF HEADER\r\n";
}

// Was der Benutzer in einem Moment sieht, in dem die Engine rechnet.
struct Beobachtung {
    std::string punkt; // der Neupunkt, den die Engine gerade rechnet
    bool wartefensterSichtbar;
    int fortschritt;
    int fortschrittMaximum;
    QString ende;
    bool berechnenAktiv;
    bool menuesAktiv;
    bool registerAktiv;
};

} // namespace

class LaufImFenster : public ::testing::Test {
protected:
    LaufImFenster() {
        env.EngineInstallieren(true);
        BytesSchreiben(env.programm / "kestrav.ini",
                       BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini"));
        // Qel meldet über eine Markendatei, solange es rechnet, und hinterlässt Log und virtuelle
        // Station; Bo schreibt Ergebnisliste und Lösung mit einer Höhe je Punkt.
        Skript(env.vexlo / "qel2", "echo \"$1\" > engine.tmp && mv engine.tmp engine_laeuft\n"
                                   "sleep 0.3\n"
                                   "printf 'Qel ok\\r\\n' > qellog.txt\n"
                                   ": > virt283.23o\n"
                                   "rm -f engine_laeuft\n");
        Skript(env.vexlo / "bo2",
               "stamm=${2%%.*}\n"
               "case \"$stamm\" in np01*) h=55.125 ;; *) h=123.456 ;; esac\n"
               "printf '  Punkt RovN Y X h Q T Amb Zeit Sat PDOP\\r\\n%s 32500000.1 5600000.2 "
               "101.5 high 1 95 12 7.5 1.8\\r\\n' \"$stamm\" > \"${3#+FE}\"\n"
               "printf 'NHN-H\\366he [m]: %s\\r\\n' \"$h\" > \"${4#+FS}\"\n");
        // Statt eines Betrachters: festhalten, welche Datei er zeigen sollte.
        Skript(anzeige, "echo \"$1\" > \"$0.txt\"\n");

        for (const char* referenz : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
            env.Arbeitsdatei(referenz, Rinex("SAPOS"));
        for (const char* neupunkt : {"np012830.23o", "np022830.23o"})
            env.Arbeitsdatei(neupunkt, Rinex("Messtrupp"));
        env.Arbeitsdatei("igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");

        fenster = std::make_unique<Hauptfenster>(form);
        FormularLaden(form);
        form.fenster.Zeigen();
        QApplication::processEvents();
    }
    ~LaufImFenster() override {
        fenster.reset();
        QApplication::processEvents();
    }

    template <class T = QWidget> T* Widget(const char* name) {
        T* w = fenster->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Klicken(const char* knopf) {
        QTest::mouseClick(Widget<QPushButton>(knopf), Qt::LeftButton);
    }
    bool MenuesAktiv() {
        return Widget<QAction>("KestravHilfeMenü")->isEnabled() &&
               Widget<QAction>("QelHilfeMenü")->isEnabled() && Widget<QAction>("Info")->isEnabled();
    }
    QWidget* Wartefenster() { return Widget("FormBitteWarten"); }

    Beobachtung Beobachten(const std::string& punkt) {
        auto* balken = Widget<QProgressBar>("ProgressBar");
        return {punkt,
                Wartefenster()->isVisible(),
                balken->value(),
                balken->maximum(),
                Widget<QPushButton>("EndeFrame")->text(),
                Widget("CommandBerechnen")->isEnabled(),
                MenuesAktiv(),
                Widget("RegisterkarteKestrav")->isEnabled()};
    }

    std::string Arbeitsbytes(const char* name) { return BytesLesen(env.arbeit / name); }

    TestUmgebung env;
    fs::path anzeige = env.temp / "anzeige";
    Umgebungsvariable laufwerkC{"KESTRAV_LAUFWERK_C", env.laufwerkC.c_str()};
    Umgebungsvariable cmd{"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"};
    Umgebungsvariable betrachter{"KESTRAV_ANZEIGE", anzeige.c_str()};
    Umgebungsvariable ohneX{"DISPLAY", nullptr};
    Umgebungsvariable ohneWayland{"WAYLAND_DISPLAY", nullptr};
    PosixProzesse prozesse{env.laufwerke};
    QtEreignisschleife schleife;
    Basisformular& form = MitEchtenProzessen();
    std::unique_ptr<Hauptfenster> fenster;

private:
    Basisformular& MitEchtenProzessen() {
        env.umgebung = std::make_unique<Umgebung>(
            Umgebung{*env.datei, prozesse, schleife, env.dialoge, env.programmdienst, env.system});
        return env.Formular();
    }
};

TEST_F(LaufImFenster, ZweiPunkteMitWartefensterUndFreiemFensterDanach) {
    env.dialoge.dateiantworten = {AusUtf8((env.arbeit / "np012830.23o").string())};
    Klicken("AuswahlArbeitsverzeichnis");
    Klicken("AutoZuordnungReferenz");
    ASSERT_TRUE(Widget("CommandBerechnen")->isEnabled());
    ASSERT_FALSE(Wartefenster()->isVisible());

    // Während der Lauf in der Ereignisschleife wartet, sieht ein Zeitgeber nach dem Fenster.
    std::vector<Beobachtung> waehrendDerEngine;
    QTimer beobachter;
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
        const std::string marke = BytesLesen(env.arbeit / "engine_laeuft");
        if (!marke.empty())
            waehrendDerEngine.push_back(Beobachten(marke.substr(0, marke.find('\n'))));
    });
    beobachter.start(10);
    std::vector<bool> wartefensterBeiMeldung;
    env.dialoge.waehrendOffen = [&](const Meldung&) {
        wartefensterBeiMeldung.push_back(Wartefenster()->isVisible());
    };

    Klicken("CommandBerechnen");
    beobachter.stop();

    ASSERT_FALSE(waehrendDerEngine.empty());
    int punkt1 = 0, punkt2 = 0;
    for (const Beobachtung& b : waehrendDerEngine) {
        SCOPED_TRACE(b.punkt);
        const int position = b.punkt == "np012830.23o" ? 1 : b.punkt == "np022830.23o" ? 2 : 0;
        ASSERT_NE(position, 0);
        (position == 1 ? punkt1 : punkt2)++;
        EXPECT_TRUE(b.wartefensterSichtbar);
        EXPECT_EQ(b.fortschritt, position);
        EXPECT_EQ(b.fortschrittMaximum, 2);
        EXPECT_EQ(b.ende, QStringLiteral("Abbruch"));
        EXPECT_FALSE(b.berechnenAktiv);
        EXPECT_FALSE(b.menuesAktiv);
        EXPECT_FALSE(b.registerAktiv);
    }
    EXPECT_GT(punkt1, 0);
    EXPECT_GT(punkt2, 0);

    // Die Frage vor dem Lauf und die Abschlussmeldung; das Wartefenster ist bei beiden zu.
    const std::vector<Text> texte = env.dialoge.Texte();
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0], u"Alle Ergebnisdateien werden jetzt überschrieben!   ");
    EXPECT_EQ(texte[1], u"2 Neupunktkoordinaten ohne Warnungen berechnet!");
    EXPECT_EQ(env.dialoge.protokoll[1].meldung.titel, u"Kestrav");
    EXPECT_EQ(wartefensterBeiMeldung, (std::vector<bool>{false, false}));

    // Das Fenster ist wieder frei.
    EXPECT_FALSE(Wartefenster()->isVisible());
    EXPECT_EQ(Widget<QPushButton>("EndeFrame")->text(), QStringLiteral("Ende"));
    EXPECT_EQ(Widget<QAction>("EndeMenü")->text(), QStringLiteral("Ende"));
    EXPECT_TRUE(Widget("CommandBerechnen")->isEnabled());
    EXPECT_TRUE(MenuesAktiv());
    EXPECT_TRUE(Widget("RegisterkarteKestrav")->isEnabled());
    EXPECT_TRUE(Widget("FrameBenutzereinstellungen")->isEnabled());
    EXPECT_EQ(Widget<QProgressBar>("ProgressBar")->value(), 0);
    EXPECT_FALSE(Widget<QTimer>("TimerAbbruch")->isActive());

    EXPECT_EQ(Arbeitsbytes("_ergebnis_283.mini"),
              "  Punkt RovN Y X h Q T Amb Zeit Sat PDOP  NHN-H\xF6he\r\n"
              "np012830 32500000.1 5600000.2 101.5 high 1 95 12 7.5 1.8    55.125\r\n"
              "np022830 32500000.1 5600000.2 101.5 high 1 95 12 7.5 1.8   123.456\r\n");
    EXPECT_EQ(Arbeitsbytes("_ergebnis_283.PYXZ"), "np012830 32500000.1 5600000.2 55.125\r\n"
                                                  "np022830 32500000.1 5600000.2 123.456\r\n");
    for (const char* weg : {"Kestrav.bat", "$$$$$.atx", "virt283.23o", "qellog.txt"})
        EXPECT_FALSE(fs::exists(env.arbeit / weg)) << weg;
    // Der Betrachter läuft abgekoppelt; er bekommt das Mini-Protokoll.
    const fs::path gezeigt = anzeige.string() + ".txt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !BytesLesen(gezeigt).empty(); }, 2000));
    EXPECT_EQ(BytesLesen(gezeigt), (env.arbeit / "_ergebnis_283.mini").string() + "\n");
}
