// Ganze Läufe mit echten Prozessen: kestrav-cmd führt Kestrav.bat aus, kleine Shell-Skripte
// stehen für die Engine-Module und schreiben auf, wo und womit sie gerufen wurden.
#include "Laufumgebung.h"

#include "platform/posix/PosixProzesse.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Die virtuelle Uhr steht bei echten Prozessen still; Aktionen hängen sich daher an jedes
// Nachgeben.
class Schleife : public AttrappeSchleife {
public:
    std::function<void()> beiEreignissen;
    void Ereignisse() override {
        if (beiEreignissen)
            beiEreignissen();
        AttrappeSchleife::Ereignisse();
    }
};

class EngineSkripte : public ::testing::Test {
protected:
    EngineSkripte() {
        // Das Kind findet C: über die Umgebung; ohne Anzeige läuft auch der sichtbare Stil
        // ohne Terminal, und "pause" wartet ohne Terminal nicht.
        setenv("KESTRAV_LAUFWERK_C", t.laufwerkC.c_str(), 1);
        setenv("KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd", 1);
        setenv("KESTRAV_TEST_PROTOKOLL", protokoll.c_str(), 1);
        // Kein echter Betrachter für das Mini-Protokoll.
        setenv("KESTRAV_ANZEIGE", "/bin/true", 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        for (const char* modul : {"qel2", "bo2"})
            Engine(modul);

        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        form.zustand.AntexSammeldatei = u"$$$$$.atx";
        form.zustand.Versionskennung = u"2";
        form.zustand.Arbeitsverzeichnis = u"c:\\daten\\tag1\\";
        t.InsArbeitsverzeichnis();
        for (const char16_t* name :
             {u"aaaa2830.23o", u"bbbb2830.23o", u"np012830.23o", u"np022830.23o"}) {
            t.Arbeitsdatei(NachUtf8(name), "RINEX\r\n");
            (name[0] == u'n' ? form.Neupunkte : form.Referenzpunkte).Hinzufuegen(name);
        }
        t.Arbeitsdatei("igs20.atx", AntexBeispiel());
        form.Beobachtungstag.SetzeText(u"283*");
        form.CommandBerechnen.SetzeAktiviert(true);
    }

    // Qel legt die virtuelle Station an; Bo schreibt seine Ergebnisliste erst nach einer
    // Weile, damit ein zu früh endendes Warten den nächsten Punkt vorzeitig beginnen ließe.
    void Engine(const std::string& modul) {
        const fs::path datei = t.vexlo / modul;
        BytesSchreiben(datei, "#!/bin/sh\n"
                              "{ printf '%s %s' \"$(basename \"$0\")\" \"$(pwd -P)\"\n"
                              "  for a in \"$@\"; do printf ' [%s]' \"$a\"; done; echo; } >> "
                              "\"$KESTRAV_TEST_PROTOKOLL\"\n"
                              "case \"$0\" in\n"
                              "  *qel*) sleep \"${KESTRAV_TEST_QELZEIT:-0}\"; : > virt283.23o ;;\n"
                              "  *) sleep 0.2; for a in \"$@\"; do case \"$a\" in\n"
                              "       +FE*) echo RovN > \"${a#+FE}\" ;; esac; done ;;\n"
                              "esac\n");
        fs::permissions(datei, fs::perms::owner_all, fs::perm_options::add);
    }

    TestUmgebung t;
    PosixProzesse prozesse{t.laufwerke};
    Schleife schleife;
    Umgebung umgebung{*t.datei, prozesse, schleife, t.dialoge, t.programmdienst, t.system};
    Basisformular form{umgebung};
    fs::path protokoll = t.temp / "aufrufe.txt";
};

// Mit Pause und sichtbarem Fenster: ohne Terminal wartet "pause" nicht.
TEST_F(EngineSkripte, BeideAufrufeJePunktImArbeitsverzeichnis) {
    form.VexloBildschirmausgabe.SetzeWert(1);

    CommandBerechnen_Click(form);

    const std::string arbeit = fs::canonical(t.arbeit).string();
    std::string erwartet;
    for (const std::string punkt : {"np012830", "np022830"}) {
        erwartet +=
            "qel2 " + arbeit + " [" + punkt + ".23o] [aaaa,bbbb] [+PRO] [-e10] [+A$$$$$.atx]\n";
        erwartet += "bo2 " + arbeit + " [virt283.23o] [" + punkt + ".23o] [+FE_ergebnis_" + punkt +
                    "_list.txt] [+FS_ergebnis_" + punkt + "_sol.txt] [+FL_ergebnis_" + punkt +
                    "_log.txt] [-e10] [+E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU] [+Sb] "
                    "[+ACF$$$$$.atx]\n";
    }
    EXPECT_EQ(BytesLesen(protokoll), erwartet);
    EXPECT_EQ(BytesLesen(t.arbeit / "_ergebnis_np022830_list.txt"), "RovN\n");
    EXPECT_EQ(form.EndeFrame.Caption(), u"Ende");
}

TEST_F(EngineSkripte, AbbruchLaesstDieEngineWeiterlaufen) {
    setenv("KESTRAV_TEST_QELZEIT", "1", 1);
    // Abbruch beim ersten Nachgeben, nachdem Qel sich gemeldet hat.
    schleife.beiEreignissen = [this] {
        if (form.EndeFrame.Caption() == u"Abbruch" && fs::exists(protokoll)) {
            schleife.beiEreignissen = nullptr;
            form.ProgressBar.SetzeWert(0);
            LaufAbbrechen(form);
        }
    };

    CommandBerechnen_Click(form);
    unsetenv("KESTRAV_TEST_QELZEIT");

    // Der Befehl ist zurück, während Qel noch schläft; danach beendet die Engine ihren Stapel.
    EXPECT_FALSE(fs::exists(t.arbeit / "virt283.23o"));
    EXPECT_FALSE(fs::exists(t.arbeit / "Kestrav.bat"));
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text, AbbruchMeldung().text);
    EXPECT_EQ(form.EndeFrame.Caption(), u"Ende");
    for (int i = 0; i < 100 && !fs::exists(t.arbeit / "_ergebnis_np012830_list.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(t.arbeit / "_ergebnis_np012830_list.txt"));
    EXPECT_FALSE(fs::exists(t.arbeit / "_ergebnis_np022830_list.txt"));
}

} // namespace
