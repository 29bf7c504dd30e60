// Feindliche Namen und Inhalte: RINEX-Dateien mit $, &, ;, %, Umlauten und führenden Strichen im
// Namen gehen durch einen ganzen Lauf mit echtem kestrav-cmd und Skript-Engines, ohne eine Shell
// zu erreichen und ohne als Schalter zu gelten; ein Name mit Leerzeichen kommt als zwei Wörter an.
// Eine dünn besetzte RINEX-Datei von 1 GB ohne OBSERVER-Zeile erschöpft in der Zuordnung nicht den
// Speicher.
#include "hilfen/Kindprozess.h"
#include "hilfen/TestUmgebung.h"
#include "platform/posix/PosixProzesse.h"
#include "run/Lauf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Jeder Name würde, von einer Shell gedeutet, eine Datei GEHACKT... anlegen.
const std::vector<std::string> FeindlicheNeupunkte = {
    "-rf;touch${IFS}GEHACKT1;2830.23o",
    "a&&touch${IFS}GEHACKT2&2830.23o",
    "%PATH%$(touch${IFS}GEHACKT3)`touch${IFS}GEHACKT4`2830.23o",
    "--help2830.23o",
    "m\xC3\xBC\xC3\x9Fig2830.23o", // müßig, auf dem Host UTF-8
};
const std::vector<std::string> FeindlicheReferenzen = {"$ref2830.23o", "&ab;2830.23o",
                                                       "--\xC3\xB6l2830.23o"};

// Wörter einer Stapelzeile: die Befehlszeilen sind ungequotet, Leerzeichen trennen.
std::vector<std::string> Woerter(const std::string& zeile) {
    std::vector<std::string> woerter;
    std::size_t anfang = 0;
    while (anfang <= zeile.size()) {
        std::size_t ende = zeile.find(' ', anfang);
        if (ende == std::string::npos)
            ende = zeile.size();
        if (ende > anfang)
            woerter.push_back(zeile.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return woerter;
}

// Eine Protokollzeile der Skript-Engine: Modul, dann jedes Argument in Klammern.
std::string Aufruf(const std::string& modul, const std::string& zeile) {
    std::string text = modul;
    for (const std::string& wort : Woerter(zeile))
        text += " [" + wort + "]";
    return text + "\n";
}

std::string Stamm(const std::string& punkt) {
    return punkt.substr(0, punkt.find('.'));
}

class FeindlicheDaten : public ::testing::Test {
protected:
    FeindlicheDaten() {
        setenv("KESTRAV_LAUFWERK_C", t.laufwerkC.c_str(), 1);
        setenv("KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd", 1);
        setenv("KESTRAV_TEST_PROTOKOLL", protokoll.c_str(), 1);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        for (const char* modul : {"qel2", "bo2"})
            Engine(modul);
        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        form.zustand.AntexSammeldatei = u"$$$$$.atx";
        form.zustand.Versionskennung = u"2";
        form.zustand.Arbeitsverzeichnis = u"c:\\daten\\tag1\\";
        t.InsArbeitsverzeichnis();
        form.Beobachtungstag.SetzeText(u"283*");
        form.QelKorrAntenne.SetzeWert(2); // weder Frage noch Antennenschalter
        form.QelWeitereParameter.SetzeText(u"-e10");
        form.BoWeitereParameter.SetzeText(u"-e10");
        form.QelHöheEllips.Waehlen();
        // Kein Editor am Ende: kestrav-anzeige gehört nicht zu diesem Test.
        form.ErgebnisAnzeigen.SetzeWert(0);
        form.FehlerAnzeigen.SetzeWert(0);
    }

    // Das Skript schreibt Modul und Argumente auf; Qel legt die virtuelle Station an, Bo eine
    // Ergebnisliste mit dem Namen aus seinem zweiten Argument.
    void Engine(const std::string& modul) {
        const fs::path datei = t.vexlo / modul;
        BytesSchreiben(datei, "#!/bin/sh\n"
                              "{ printf '%s' \"$(basename \"$0\")\"\n"
                              "  for a in \"$@\"; do printf ' [%s]' \"$a\"; done; echo; } >> "
                              "\"$KESTRAV_TEST_PROTOKOLL\"\n"
                              "case \"$0\" in\n"
                              "  *qel*) : > virt283.23o ;;\n"
                              "  *) for a in \"$@\"; do case \"$a\" in\n"
                              "       +FE*) printf 'RovN\\r\\n%s 1 2 3 high 1 95 12 7.5 1.8\\r\\n' "
                              "\"$2\" > \"${a#+FE}\" ;; esac; done ;;\n"
                              "esac\n");
        fs::permissions(datei, fs::perms::owner_all, fs::perm_options::add);
    }

    void Punkte(Listenfeld& liste, const std::vector<std::string>& namen) {
        for (const std::string& name : namen) {
            t.Arbeitsdatei(name, "RINEX\r\n");
            liste.Hinzufuegen(AusUtf8(name));
        }
    }

    std::string Referenzkennungen() const {
        std::string kennungen;
        for (const Text& punkt : form.Referenzpunkte.Eintraege())
            kennungen += (kennungen.empty() ? "" : ",") + NachUtf8(punkt.substr(0, 4));
        return kennungen;
    }

    // Was die beiden Module eines Punktes nach den ungequoteten Befehlszeilen bekommen.
    std::string Aufrufe(const std::string& punkt) const {
        const std::string stamm = Stamm(punkt);
        return Aufruf("qel2", punkt + " " + Referenzkennungen() + " +PRO -e10") +
               Aufruf("bo2", "virt283.23o " + punkt + " +FE_ergebnis_" + stamm +
                                 "_list.txt +FS_ergebnis_" + stamm + "_sol.txt +FL_ergebnis_" +
                                 stamm + "_log.txt -e10");
    }

    std::vector<fs::path> Angelegt(const std::string& anfang) const {
        std::vector<fs::path> gefunden;
        for (const auto& eintrag : fs::recursive_directory_iterator(t.temp.Pfad()))
            if (eintrag.path().filename().string().rfind(anfang, 0) == 0)
                gefunden.push_back(eintrag.path());
        return gefunden;
    }

    void ErwarteRuhezustand() const {
        EXPECT_EQ(form.EndeFrame.Caption(), u"Ende");
        EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
        EXPECT_TRUE(form.FrameBenutzereinstellungen.Aktiviert());
        EXPECT_TRUE(form.FrameFehler.Aktiviert());
    }

    TestUmgebung t;
    PosixProzesse prozesse{t.laufwerke};
    Umgebung umgebung{*t.datei, prozesse, t.schleife, t.dialoge, t.programmdienst, t.system};
    Basisformular form{umgebung};
    fs::path protokoll = t.temp / "aufrufe.txt";
};

TEST_F(FeindlicheDaten, SonderzeichenErreichenKeineShellUndSindKeineSchalter) {
    Punkte(form.Referenzpunkte, FeindlicheReferenzen);
    Punkte(form.Neupunkte, FeindlicheNeupunkte);

    CommandBerechnen_Click(form);

    std::string erwartet;
    for (const std::string& punkt : FeindlicheNeupunkte)
        erwartet += Aufrufe(punkt);
    EXPECT_EQ(BytesLesen(protokoll), erwartet);
    EXPECT_TRUE(Angelegt("GEHACKT").empty());

    // Jeder Name kommt über die Ergebnisliste unverändert in die Koordinatendatei.
    std::string koordinaten;
    for (const std::string& punkt : FeindlicheNeupunkte)
        koordinaten += punkt + " 1 2 3\r\n";
    EXPECT_EQ(BytesLesen(t.arbeit / "_ergebnis_283.PYXZ"), koordinaten);
    ASSERT_FALSE(t.dialoge.protokoll.empty());
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text,
              u"5 Neupunktkoordinaten ohne Warnungen berechnet!");
    ErwarteRuhezustand();
}

TEST_F(FeindlicheDaten, NameMitLeerzeichenKommtAlsZweiWoerterAn) {
    Punkte(form.Referenzpunkte, {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"});
    Punkte(form.Neupunkte, {"np 012830.23o", "np022830.23o"});

    CommandBerechnen_Click(form);

    // "np" und "012830.23o" sind zwei Argumente; Bo schreibt seine Liste darum nach
    // "_ergebnis_np", und der Punkt hat keine Ergebnisliste: vier Warnungen, sonst nichts.
    EXPECT_EQ(BytesLesen(protokoll), Aufrufe("np 012830.23o") + Aufrufe("np022830.23o"));
    EXPECT_EQ(BytesLesen(t.arbeit / "_ergebnis_283.PYXZ"), "* * * *\r\nnp022830.23o 1 2 3\r\n");
    ASSERT_FALSE(t.dialoge.protokoll.empty());
    EXPECT_EQ(t.dialoge.protokoll.back().meldung.text,
              u"2 Neupunktkoordinaten mit 4 Warnungen berechnet!\nSiehe Datei "
              u"<_ergebnis_283.mini>!");
    ErwarteRuhezustand();
}

// Die Zuordnung liest jeden Kopf bis zur OBSERVER-Zeile. Eine dünn besetzte Datei ist eine
// einzige Zeile aus Nullbytes ohne "OBSERVER"; sie darf nicht ganz gehalten werden. Im Kindprozess
// sind nur 256 MB zusätzlicher Adressraum erlaubt, jede gescheiterte Anforderung ist ein
// Fehlschlag.
TEST_F(FeindlicheDaten, DuennBesetzteGigabyteDateiErschoepftDieZuordnungNicht) {
    const std::string version = "     2.11           OBSERVATION DATA    G (GPS)             "
                                "RINEX VERSION / TYPE\r\n";
    const std::string sapos = version +
                              "SAPOS               LGLN                                    "
                              "OBSERVER / AGENCY   \r\n";
    for (const char* name : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
        t.Arbeitsdatei(name, sapos);
    t.Arbeitsdatei("gros2830.23o", version + "SAPOS");
    ASSERT_EQ(truncate((t.arbeit / "gros2830.23o").c_str(), 1LL << 30), 0);
    form.ResetRINEX.Klicken();
    ASSERT_EQ(form.Neupunkte.Anzahl(), 4);

    const int ergebnis = MitSpeichergrenze(256u << 20, [&] {
        form.AutoZuordnungReferenz.Klicken();
        const bool richtig =
            form.Referenzpunkte.Eintraege() ==
                std::vector<Text>{u"aaaa2830.23o", u"bbbb2830.23o", u"cccc2830.23o"} &&
            form.Neupunkte.Eintraege() == std::vector<Text>{u"gros2830.23o"};
        return richtig ? 0 : 1;
    });
    EXPECT_EQ(ergebnis, 0) << (ergebnis == SpeicherErschoepft ? "Speicher erschöpft" : "");
}

} // namespace
