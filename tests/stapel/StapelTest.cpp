// kestrav-stapel als echter Prozess über vorbereiteten Verzeichnissen, mit Shell-Skripten als
// Rechenkern in einem temporären Laufwerk C:. Meldungen mit Warnungen prüft der Demotag.
#include "hilfen/Faelle.h"
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>
#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Ein Aufruf: Argumente durch Leerzeichen getrennt (TAG steht für das Tagesverzeichnis, NP für
// den Neupunkt darin), ob die ANTEX-Datei fehlt, Exitcode, erwarteter Teil der Ausgaben, ob
// gerechnet wurde und was am Tag anders ist ("ohneRechenkern", "ohneListe", "feindlich").
struct Aufruf {
    const char* name;
    const char* argumente;
    bool ohneAntex;
    int exitcode;
    const char* erwartet;
    bool gerechnet;
    std::string umbau = "";
};

// Ein Tag mit drei Referenzen und einem Neupunkt; Qel hinterlässt sein Log, Bo Ergebnisliste und
// Lösung. Eine Datei, die der Benutzer behält, trifft ein Aufräummuster.
class Tagesordner {
public:
    void Anlegen(const std::string& umbau, bool ohneAntex) {
        if (umbau != "ohneRechenkern")
            BytesSchreiben(vexlo / "bo2.exe", "");
        BytesSchreiben(vexlo / "geoid.bog", "");
        Skript(vexlo / "qel2", "printf 'Qel ok\\r\\n' > qellog.txt");
        Skript(vexlo / "bo2",
               umbau == "ohneListe"
                   ? "exit 0\n"
                   : "printf '  Punkt RovN Y X h Q T Amb Zeit Sat PDOP\\r\\n%s 32500000.1 "
                     "5600000.2 101.5 high 1 95 12 7.5 1.8\\r\\n' \"${2%%.*}\" > \"${3#+FE}\"\n"
                     "printf 'NHN-H\\366he [m]: 55.125\\r\\n' > \"${4#+FS}\"\n");
        for (const char* ref : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
            BytesSchreiben(tag / ref, RinexKopf("SAPOS"));
        BytesSchreiben(tag / "np012830.23o", RinexKopf("Messtrupp"));
        BytesSchreiben(tag / "Festpunkte.koord", "bleibt\r\n");
        if (umbau == "feindlich")
            BytesSchreiben(tag / "x\ntouch PWNED\n2830.23o", RinexKopf("Messtrupp"));
        if (!ohneAntex)
            BytesSchreiben(tag / "igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");
        // Ein Betrachter, der sich nicht starten lässt: ausführbar, aber kein Programm.
        BytesSchreiben(temp / "kaputt", "kein Programm\n");
        chmod((temp / "kaputt").c_str(), 0755);
    }

    // Programm, Argumente (TAG, NP wie oben), Umgebung mit C: und Papierkorb im Temp-Ordner.
    Prozessaufruf Aufrufdaten(const std::string& argumente) const {
        std::vector<std::string> liste{KESTRAV_BIN_DIR "/kestrav-stapel"};
        for (const std::string& arg : Worte(argumente))
            liste.push_back(arg == "TAG"  ? tag.string()
                            : arg == "NP" ? (tag / "np012830.23o").string()
                                          : arg);
        return {liste, temp.Pfad(), StapelUmgebung(temp.Pfad(), (temp / "kaputt").string())};
    }

    TempVerzeichnis temp;
    fs::path vexlo = temp / "c" / "programme" / "vexlo";
    fs::path tag = temp / "tag1";
};

class Stapel : public ::testing::TestWithParam<Aufruf>, public Tagesordner {
protected:
    void SetUp() override { Anlegen(GetParam().umbau, GetParam().ohneAntex); }
};

TEST_P(Stapel, ExitcodeUndMeldungen) {
    const Aufruf& a = GetParam();
    const Prozesslauf lauf = ProzessAusfuehren(Aufrufdaten(a.argumente));
    EXPECT_EQ(lauf.exitcode, a.exitcode) << lauf.ausgabe << lauf.fehler;
    EXPECT_NE((lauf.ausgabe + lauf.fehler).find(a.erwartet), std::string::npos)
        << lauf.ausgabe << lauf.fehler;
    EXPECT_EQ(fs::exists(tag / "_ergebnis_283.PYXZ"), a.gerechnet);
    // Nur der Fehlerweg lässt die Jobdatei liegen.
    EXPECT_EQ(fs::exists(tag / "Kestrav.bat"), a.name == std::string("BetrachterScheitert"));
    EXPECT_FALSE(fs::exists(tag / "PWNED"));
    // Nur ein Lauf, der aufgeräumt hat, legt die Datei des Benutzers in den Papierkorb.
    EXPECT_EQ(fs::exists(tag / "Festpunkte.koord"), !a.gerechnet);
    EXPECT_EQ(fs::exists(temp / "xdg" / "Trash" / "files" / "Festpunkte.koord"), a.gerechnet);
}

const char* const OhneWarnungen =
    "== Vexlo Neuberechnung ==\nAlle Ergebnisdateien werden jetzt überschrieben!   \n-> Ja\n"
    "== Kestrav ==\n1 Neupunktkoordinaten ohne Warnungen berechnet!\n-> OK\n";

INSTANTIATE_TEST_SUITE_P(
    Faelle, Stapel,
    ::testing::Values(
        Aufruf{"Verzeichnis", "TAG", false, 0, OhneWarnungen, true},
        // Ohne ANTEX-Datei fragt das Programm; ohne --ja heißt die Antwort Nein.
        Aufruf{"OhneAntex", "NP", true, 2, "Berechnung starten?\n-> Nein\n", false},
        Aufruf{"OhneAntexMitJa", "--ja NP", true, 0, "Berechnung starten?\n-> Ja\n", true},
        Aufruf{"ZuWenigeReferenzen", "--observer sapos TAG", false, 3, "Zu wenige Punkte", false},
        Aufruf{"ReferenzenVonHand",
               "--observer sapos --referenz aaaa2830.23o --referenz bbbb2830.23o --referenz "
               "cccc2830.23o TAG",
               false, 0, OhneWarnungen, true},
        Aufruf{"PfadFehlt", "/gibtesnicht/x.23o", false, 3, "Pfad nicht gefunden", false},
        Aufruf{"UnbekannteOption", "--unbekannt TAG", false, 3, "", false},
        Aufruf{"OhneArgumente", "", false, 3, "", false},
        Aufruf{"ReferenzFehlt", "--referenz zzzz2830.23o TAG", false, 3, "", false},
        Aufruf{"Hilfe", "--help", false, 0, "Aufruf: kestrav-stapel", false},
        Aufruf{"OhneRechenkern", "--ja TAG", false, 3, "Ohne Rechenkern wird nicht", false,
               "ohneRechenkern"},
        Aufruf{"KeineKoordinaten", "TAG", false, 4, "Neupunktkoordinaten", true, "ohneListe"},
        Aufruf{"BetrachterScheitert", "--anzeigen TAG", false, 2, "Achtung Fehler!", true},
        Aufruf{"FeindlicherName", "TAG", false, 0, "x<LF>touch PWNED<LF>2830.23o", true,
               "feindlich"}),
    Fallname);

// Alle Dateien eines Ordners mit Inhalt, auch die versteckten.
std::map<std::string, std::string> Inhalte(const fs::path& ordner) {
    std::map<std::string, std::string> inhalte;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        inhalte[eintrag.path().filename().string()] = BytesLesen(eintrag.path());
    return inhalte;
}

// Beendet oder ein Zombie, den nur noch niemand eingesammelt hat.
bool Verschwunden(const std::string& pid) {
    for (int i = 0; !pid.empty() && i < 100;
         ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
        const std::string stat = BytesLesen("/proc/" + pid + "/stat");
        if (stat.empty() || stat.find(") Z ") != std::string::npos)
            return true;
    }
    return false;
}

// Wie kestrav-stapel endet (Signal oder Zeitlimit) und was es dazu auf die Fehlerausgabe schreibt.
struct Ende {
    const char* name;
    int signal;
    const char* argumente;
    const char* grund;
};

class HaengenderRechenkern : public ::testing::TestWithParam<Ende>, public Tagesordner {};

// Qel hängt mit einem Kind. Ein zweiter Lauf im Verzeichnis wird abgewiesen und ändert kein Byte;
// wie auch immer der erste endet, Rechenkern und Kind enden mit.
TEST_P(HaengenderRechenkern, EndetMitDemStapel) {
    const Ende& e = GetParam();
    Anlegen("", false);
    Skript(vexlo / "qel2", "sleep 60 & printf $! > kind.pid\nprintf $$ > engine.pid\nwait");
    const int pid = ProzessStarten(Aufrufdaten(e.argumente), temp / "aus", temp / "err");
    for (int i = 0; i < 200 && BytesLesen(tag / "engine.pid").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto vorher = Inhalte(tag);
    const Prozesslauf zweiter = ProzessAusfuehren(Aufrufdaten("TAG"));
    EXPECT_EQ(zweiter.exitcode, 2);
    EXPECT_NE(zweiter.ausgabe.find("In diesem Arbeitsverzeichnis rechnet bereits ein anderer "
                                   "Kestrav-Lauf."),
              std::string::npos)
        << zweiter.ausgabe;
    EXPECT_EQ(Inhalte(tag), vorher);

    if (e.signal)
        kill(pid, e.signal);
    EXPECT_EQ(AufEndeWarten(pid), e.signal == SIGKILL ? -1 : 2);
    EXPECT_NE(BytesLesen(temp / "err").find(e.grund), std::string::npos)
        << BytesLesen(temp / "err");
    for (const char* datei : {"engine.pid", "kind.pid"})
        EXPECT_TRUE(Verschwunden(BytesLesen(tag / datei))) << datei;
    // Nur SIGKILL lässt keinen Abbruch zu, der die Jobdatei löscht.
    EXPECT_EQ(fs::exists(tag / "Kestrav.bat"), e.signal == SIGKILL);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HaengenderRechenkern,
    ::testing::Values(Ende{"SIGTERM", SIGTERM, "TAG", "durch das Signal SIGTERM abgebrochen"},
                      Ende{"SIGKILL", SIGKILL, "TAG", ""},
                      Ende{"Zeitlimit", 0, "--zeitlimit 4 TAG", "np012830.23o rechnet länger"}),
    Fallname);

} // namespace
