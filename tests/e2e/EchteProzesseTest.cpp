// Ein ganzer Lauf mit echten Prozessen: kestrav-cmd führt Kestrav.bat aus, kleine Shell-Skripte
// stehen für die Engine-Module und schreiben auf, wo und womit sie gerufen wurden. Ein Abbruch
// lässt die Engine ihren Stapel beenden. Feindliche Namen prüfen die Tests von kestrav-cmd und
// kestrav-stapel.
#include "Laufumgebung.h"

#include "hilfen/Prozesslauf.h"
#include "platform/posix/PosixProzesse.h"
#include "run/Vorbereitung.h"

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

// Abbruch beim ersten Nachgeben, nachdem Qel sich gemeldet hat.
TEST(EchteProzesse, AbbruchLaesstDieEngineWeiterlaufen) {
    TestUmgebung t;
    PosixProzesse prozesse{t.laufwerke};
    Schleife schleife;
    Umgebung umgebung{*t.datei,         prozesse, schleife,      t.dialoge,
                      t.programmdienst, t.system, *t.papierkorb, *t.sperren};
    Basisformular form{umgebung};
    const fs::path protokoll = t.temp / "aufrufe.txt";
    // Das Kind findet C: über die Umgebung; ohne Anzeige läuft auch der sichtbare Stil ohne
    // Terminal, und "pause" wartet dann nicht.
    setenv("KESTRAV_LAUFWERK_C", t.laufwerkC.c_str(), 1);
    setenv("KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    // Das Skript schreibt Modul, Verzeichnis und Argumente auf. Qel legt nach einer Sekunde die
    // virtuelle Station an; Bo schreibt erst nach einer Weile eine Ergebnisliste unter dem Namen
    // aus "+FE", damit ein zu früh endendes Warten den nächsten Punkt vorzeitig beginnen ließe.
    for (const char* modul : {"qel2", "bo2"})
        Skript(t.vexlo / modul,
               "{ printf '%s %s' \"$(basename \"$0\")\" \"$(pwd -P)\"\n"
               "  for a in \"$@\"; do printf ' [%s]' \"$a\"; done; echo; } >> '" +
                   protokoll.string() +
                   "'\n"
                   "case \"$0\" in\n"
                   "  *qel*) sleep 1; : > virt283.23o ;;\n"
                   "  *) sleep 0.1; for a in \"$@\"; do case \"$a\" in\n"
                   "       +FE*) printf 'RovN\\r\\n%s 1 2 3 high 1 95 12 7.5 1.8\\r\\n' "
                   "\"$2\" > \"${a#+FE}\" ;; esac; done ;;\n"
                   "esac");
    Laufbereit(t, form);
    for (const char* name : {"aaaa2830.23o", "bbbb2830.23o", "np012830.23o", "np022830.23o"}) {
        t.Arbeitsdatei(name, "RINEX\r\n");
        (name[0] == 'n' ? form.Neupunkte : form.Referenzpunkte).Hinzufuegen(AusUtf8(name));
    }
    form.QelKorrAntenne.SetzeWert(2); // weder Frage noch Antennenschalter
    form.QelWeitereParameter.SetzeText(u"-e10");
    form.BoWeitereParameter.SetzeText(u"-e10");
    form.QelHöheEllips.Waehlen();
    form.VexloBildschirmausgabe.SetzeWert(1);
    // Kein Editor am Ende: kestrav-anzeige gehört nicht zu diesen Tests.
    form.ErgebnisAnzeigen.SetzeWert(0);
    form.FehlerAnzeigen.SetzeWert(0);
    bool abgebrochen = false;
    schleife.beiEreignissen = [&] {
        if (!abgebrochen && form.EndeFrame.Caption() == u"Abbruch" && fs::exists(protokoll)) {
            abgebrochen = true;
            form.ProgressBar.SetzeWert(0);
            LaufAbbrechen(form);
        }
    };

    CommandBerechnen_Click(form);

    // Der Befehl ist zurück, während Qel noch schläft; danach beendet die Engine ihren Stapel.
    EXPECT_FALSE(fs::exists(t.arbeit / "virt283.23o"));
    EXPECT_FALSE(fs::exists(t.arbeit / "Kestrav.bat"));
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text, AbbruchMeldung.text);
    EXPECT_EQ(form.EndeFrame.Caption(), u"Ende");
    // Der Stapel hält die Sperre weiter: ein zweiter Lauf wird abgewiesen, bis er endet.
    CommandBerechnen_Click(form);
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text, LaufsperreText);
    for (int i = 0; i < 100 && !t.sperren->Nehmen(u"c:\\daten\\tag1"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // Die Befehlszeilen sind ungequotet: Leerzeichen trennen die Wörter.
    const std::string ort = fs::canonical(t.arbeit).string();
    EXPECT_EQ(BytesLesen(protokoll),
              "qel2 " + ort + " [np012830.23o] [aaaa,bbbb] [+PRO] [-e10]\nbo2 " + ort +
                  " [virt283.23o] [np012830.23o] [+FE_ergebnis_np012830_list.txt] "
                  "[+FS_ergebnis_np012830_sol.txt] [+FL_ergebnis_np012830_log.txt] [-e10]\n");
    EXPECT_FALSE(fs::exists(t.arbeit / "_ergebnis_np022830_list.txt"));
    EXPECT_NE(t.sperren->Nehmen(u"c:\\daten\\tag1"), nullptr);
}

} // namespace
