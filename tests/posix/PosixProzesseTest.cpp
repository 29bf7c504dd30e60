#include "Prozesstestbasis.h"

#include <cerrno>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class PosixProzesseTest : public Prozesstestbasis {};

// Beide Wartearten: mit pidfd und in kurzen Schritten.
class WarteartTest : public Prozesstestbasis,
                     public ::testing::WithParamInterface<void (PosixProzesse::*)(int, int)> {};

TEST_P(WarteartTest, EndetMitDemProzessOderNachDerHoechstzeit) {
    auto warte = [&](int pid, int ms) {
        const auto anfang = std::chrono::steady_clock::now();
        (prozesse.*GetParam())(pid, ms);
        return std::chrono::steady_clock::now() - anfang;
    };
    // Die Engine wartet auf die Datei "los"; pause ohne Terminal wartet nicht und ändert den
    // Exitcode nicht.
    Skript(vexlo / "qel2", "while [ ! -e los ]; do sleep 0.01; done\nexit 7");
    BytesSchreiben(arbeit / "Kestrav.bat", "c:\\programme\\vexlo\\qel2 a.23o\r\npause\r\n");
    int pid = prozesse.StapelStarten(u"kestrav.BAT", Fensterstil::MinimiertOhneFokus);
    ASSERT_GT(pid, 0);
    EXPECT_GE(warte(pid, 80), 75ms) << "Warten kehrte vor der Zeit zurück";
    EXPECT_EQ(prozesse.Exitcode(pid), NOCH_AKTIV);
    BytesSchreiben(arbeit / "los", "");
    EXPECT_LT(warte(pid, 5000), 1s);
    EXPECT_EQ(prozesse.Exitcode(pid), 7);
    EXPECT_LT(warte(pid, 2000), 500ms) << "nach dem Ende kehrt das Warten sofort zurück";
}

INSTANTIATE_TEST_SUITE_P(Arten, WarteartTest,
                         ::testing::Values(&PosixProzesse::WarteAufEnde,
                                           &PosixProzesse::WarteAufEndeInSchritten));

TEST_F(PosixProzesseTest, StartfehlerSindLaufzeitfehler) {
    auto stapel = [&] { prozesse.StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus); };
    EXPECT_EQ(Fehlernummer(stapel), 53);
    BytesSchreiben(arbeit / "Kestrav.bat", "rem\r\n");
    BytesSchreiben(temp / "nicht-ausfuehrbar", "#!/bin/sh\n");
    Umgebung("KESTRAV_CMD", (temp / "gibtsnicht").string());
    EXPECT_EQ(Fehlernummer(stapel), 53);
    Umgebung("KESTRAV_CMD", (temp / "nicht-ausfuehrbar").string());
    EXPECT_EQ(Fehlernummer(stapel), 70);
    auto programm = [&] {
        prozesse.ProgrammStarten(u"c:\\fehlt", u"", Fensterstil::NormalMitFokus);
    };
    EXPECT_EQ(Fehlernummer(programm), 53);
}

TEST_F(PosixProzesseTest, SichtbarHeisstTerminalNurMitAnzeige) {
    Skript(temp / "terminal", "printf '%s\\n' \"$@\" > " + (temp / "terminal.txt").string());
    BytesSchreiben(arbeit / "Kestrav.bat", "rem\r\n");
    Umgebung("KESTRAV_TERMINAL", (temp / "terminal").string());
    Umgebung("WAYLAND_DISPLAY", "");
    using F = std::tuple<Fensterstil, const char*, bool>;
    for (const auto& [stil, anzeige, imTerminal] :
         {F{Fensterstil::MaximiertMitFokus, ":77", true}, F{Fensterstil::NormalMitFokus, "", false},
          F{Fensterstil::MinimiertOhneFokus, ":77", false}}) {
        fs::remove(temp / "terminal.txt");
        Umgebung("DISPLAY", anzeige);
        int pid = prozesse.StapelStarten(u"Kestrav.bat", stil);
        prozesse.WarteAufEnde(pid, 10000);
        EXPECT_EQ(prozesse.Exitcode(pid), 0);
        EXPECT_EQ(BytesLesen(temp / "terminal.txt"),
                  imTerminal ? "-e\n" KESTRAV_BIN_DIR "/kestrav-cmd\n/c\nKestrav.bat\n" : "")
            << anzeige;
    }
}

TEST_F(PosixProzesseTest, ProgrammeLaufenLosgeloestMitAbgebildetenPfaden) {
    Protokollierend(c / "programme" / "betrachter", "'%s\\n' \"$@\"", temp / "betrachter.txt");
    fs::create_directories(c / "Mein Ordner");
    EXPECT_GT(prozesse.ProgrammStarten(u"C:\\Programme\\Betrachter",
                                       u"c:\\daten\\TAG1\\a.pdf \"file://C:/Mein Ordner/h.htm\" "
                                       u"file://m:/x.htm",
                                       Fensterstil::MaximiertMitFokus),
              0);
    EXPECT_EQ(Erscheint(temp / "betrachter.txt"), (arbeit / "a.pdf").string() + "\n" +
                                                      (c / "Mein Ordner/h.htm").string() +
                                                      "\nfile://m:/x.htm\n");
    // Der Betrachter ist unser Kind, und kein Zwischenprozess blieb als Zombie.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    // Der Texteditor ist die Anzeige, mit dem Host-Pfad der Datei.
    Protokollierend(temp / "anzeige", "'%s' \"$1\"", temp / "anzeige.txt");
    Umgebung("KESTRAV_ANZEIGE", (temp / "anzeige").string());
    prozesse.TexteditorOeffnen(u"_ergebnis_283.mini");
    EXPECT_EQ(Erscheint(temp / "anzeige.txt"), (arbeit / "_ergebnis_283.mini").string());
}
