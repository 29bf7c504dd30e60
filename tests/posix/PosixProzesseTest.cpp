#include "Prozesstestbasis.h"

#include "platform/Laufzeitfehler.h"

#include <cerrno>
#include <chrono>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

namespace {

long long MsSeit(Uhr::time_point anfang) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Uhr::now() - anfang).count();
}

int LaufzeitfehlerNummer(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const Laufzeitfehler& fehler) {
        return fehler.nummer();
    }
    return 0;
}

class PosixProzesseTest : public Prozesstestbasis {
protected:
    // Stapel mit einer Engine, die auf die Datei "los" im Arbeitsverzeichnis wartet.
    void WartenderStapel(int exitcode) {
        Skript(vexlo / "qel2",
               "while [ ! -e los ]; do sleep 0.01; done\nexit " + std::to_string(exitcode));
        BytesSchreiben(arbeit / "Kestrav.bat", "c:\\programme\\vexlo\\qel2 a.23o\r\npause\r\n");
    }
};

TEST_F(PosixProzesseTest, MeldetNochAktivBisZumEndeUndDannDenExitcodeDesStapels) {
    WartenderStapel(7);
    int pid = prozesse->StapelStarten(u"kestrav.BAT", Fensterstil::MinimiertOhneFokus);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(prozesse->Exitcode(pid), NOCH_AKTIV);
    auto anfang = Uhr::now();
    prozesse->WarteAufEnde(pid, 60);
    EXPECT_GE(MsSeit(anfang), 55) << "WarteAufEnde kehrte vor der Zeit zurück";
    EXPECT_EQ(prozesse->Exitcode(pid), NOCH_AKTIV);

    BytesSchreiben(arbeit / "los", "");
    ASSERT_TRUE(BisZumEnde(pid));
    // pause ohne Terminal wartet nicht und ändert den Exitcode nicht; er bleibt abfragbar.
    EXPECT_EQ(prozesse->Exitcode(pid), 7);
    EXPECT_EQ(prozesse->Exitcode(pid), 7);
}

// Beide Wartearten: mit pidfd und in kurzen Schritten.
class WartearttTest : public PosixProzesseTest,
                      public ::testing::WithParamInterface<void (PosixProzesse::*)(int, int)> {};

TEST_P(WartearttTest, EndetMitDemProzessOderNachDerHoechstzeit) {
    auto warte = GetParam();
    WartenderStapel(0);
    int pid = prozesse->StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus);
    auto anfang = Uhr::now();
    ((*prozesse).*warte)(pid, 80);
    EXPECT_GE(MsSeit(anfang), 75);
    EXPECT_EQ(prozesse->Exitcode(pid), NOCH_AKTIV);

    BytesSchreiben(arbeit / "los", "");
    anfang = Uhr::now();
    ((*prozesse).*warte)(pid, 5000);
    EXPECT_LT(MsSeit(anfang), 1000);
    EXPECT_EQ(prozesse->Exitcode(pid), 0);
    // Nach dem Ende kehrt das Warten sofort zurück.
    anfang = Uhr::now();
    ((*prozesse).*warte)(pid, 1000);
    EXPECT_LT(MsSeit(anfang), 20);
}

INSTANTIATE_TEST_SUITE_P(Arten, WartearttTest,
                         ::testing::Values(&PosixProzesse::WarteAufEnde,
                                           &PosixProzesse::WarteAufEndeInSchritten));

TEST_F(PosixProzesseTest, VerschwundenerOderFremderProzessLaeuftNicht) {
    pid_t weg = fork();
    if (weg == 0)
        _exit(0);
    ASSERT_EQ(waitpid(weg, nullptr, 0), weg);
    for (int pid : {static_cast<int>(weg), static_cast<int>(getppid()), 0, -1}) {
        EXPECT_NE(prozesse->Exitcode(pid), NOCH_AKTIV) << pid;
        auto anfang = Uhr::now();
        prozesse->WarteAufEndeInSchritten(pid, 500);
        EXPECT_LT(MsSeit(anfang), 50) << pid;
    }
    auto anfang = Uhr::now();
    prozesse->WarteAufEnde(weg, 500);
    EXPECT_LT(MsSeit(anfang), 50);
}

TEST_F(PosixProzesseTest, StartfehlerSindLaufzeitfehler) {
    EXPECT_EQ(LaufzeitfehlerNummer(
                  [&] { prozesse->StapelStarten(u"fehlt.bat", Fensterstil::MinimiertOhneFokus); }),
              53);
    BytesSchreiben(arbeit / "Kestrav.bat", "rem\r\n");
    Umgebung("KESTRAV_CMD", (temp / "gibtsnicht").string());
    EXPECT_EQ(LaufzeitfehlerNummer([&] {
                  prozesse->StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus);
              }),
              53);
    BytesSchreiben(temp / "nicht-ausfuehrbar", "#!/bin/sh\n");
    Umgebung("KESTRAV_CMD", (temp / "nicht-ausfuehrbar").string());
    EXPECT_EQ(LaufzeitfehlerNummer([&] {
                  prozesse->StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus);
              }),
              70);
    EXPECT_EQ(LaufzeitfehlerNummer([&] {
                  prozesse->ProgrammStarten(u"c:\\programme\\fehlt", u"",
                                            Fensterstil::NormalMitFokus);
              }),
              53);
}

TEST(TerminalVorspann, EinNameBekommtMinusE) {
    using V = std::vector<std::string>;
    EXPECT_EQ(TerminalVorspann(""), (V{"xterm", "-e"}));
    EXPECT_EQ(TerminalVorspann("foot"), (V{"foot", "-e"}));
    EXPECT_EQ(TerminalVorspann("kitty  --hold"), (V{"kitty", "--hold"}));
}

struct Stilfall {
    Fensterstil stil;
    const char* anzeige;
    bool imTerminal;
};

class FensterstilTest : public PosixProzesseTest, public ::testing::WithParamInterface<Stilfall> {};

TEST_P(FensterstilTest, SichtbarHeisstTerminalNurMitAnzeige) {
    // Das Terminal protokolliert seine Argumente und führt den Befehl hinter "-e" im Vordergrund
    // aus.
    Skript(temp / "terminal",
           "printf '%s\\n' \"$@\" > " + (temp / "terminal.txt").string() + "\nshift\nexec \"$@\"");
    Skript(vexlo / "qel2", "printf '%s' \"$(pwd -P)\" > " + (temp / "engine.txt").string());
    BytesSchreiben(arbeit / "Kestrav.bat", "c:\\programme\\vexlo\\qel2\r\n");
    Umgebung("KESTRAV_TERMINAL", (temp / "terminal").string());
    Umgebung("DISPLAY", GetParam().anzeige);
    Umgebung("WAYLAND_DISPLAY", "");

    int pid = prozesse->StapelStarten(u"Kestrav.bat", GetParam().stil);
    ASSERT_TRUE(BisZumEnde(pid));
    EXPECT_EQ(BytesLesen(temp / "engine.txt"), fs::canonical(arbeit).string());
    if (GetParam().imTerminal)
        EXPECT_EQ(BytesLesen(temp / "terminal.txt"),
                  "-e\n" KESTRAV_BIN_DIR "/kestrav-cmd\n/c\nKestrav.bat\n");
    else
        EXPECT_FALSE(fs::exists(temp / "terminal.txt"));
}

INSTANTIATE_TEST_SUITE_P(Faelle, FensterstilTest,
                         ::testing::Values(Stilfall{Fensterstil::NormalMitFokus, ":77", true},
                                           Stilfall{Fensterstil::MaximiertMitFokus, ":77", true},
                                           Stilfall{Fensterstil::NormalMitFokus, "", false},
                                           Stilfall{Fensterstil::MinimiertOhneFokus, ":77",
                                                    false}));

TEST_F(PosixProzesseTest, ProgrammStartenBildetLaufwerkspfadeAbOhneZombie) {
    fs::path protokoll = temp / "betrachter.txt";
    Skript(c / "programme" / "betrachter", "printf '%s\\n' \"$@\" > " + protokoll.string() +
                                               ".neu\nmv " + protokoll.string() + ".neu " +
                                               protokoll.string());
    fs::create_directories(c / "Mein Ordner");
    int pid = prozesse->ProgrammStarten(
        u"C:\\Programme\\Betrachter",
        u"c:\\daten\\TAG1\\a.pdf \"file://C:/Mein Ordner/hilfe.htm\" file://m:/x.htm relativ.txt",
        Fensterstil::MaximiertMitFokus);
    EXPECT_GT(pid, 0);
    ASSERT_TRUE(Erscheint(protokoll));
    EXPECT_EQ(BytesLesen(protokoll), (arbeit / "a.pdf").string() + "\n" +
                                         (c / "Mein Ordner" / "hilfe.htm").string() +
                                         "\nfile://m:/x.htm\nrelativ.txt\n");
    // Der Betrachter ist nicht unser Kind, und kein Zwischenprozess blieb als Zombie.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(PosixProzesseTest, ZugeordnetesProgrammUeberXdgMime) {
    fs::path bin = temp / "bin";
    Skript(bin / "xdg-mime", "case \"$2\" in\n"
                             "filetype) [ -f \"$3\" ] && echo application/pdf ;;\n"
                             "default) [ \"$3\" = application/pdf ] && [ -e " +
                                 (temp / "zugeordnet").string() +
                                 " ] && echo betrachter.desktop ;;\n"
                                 "esac\nexit 0");
    Skript(bin / "xdg-open", "exit 0");
    Umgebung("PATH", bin.string() + ":/usr/bin:/bin");
    BytesSchreiben(vexlo / "Qel-Manual.pdf", "%PDF");

    EXPECT_EQ(prozesse->ZugeordnetesProgramm(u"c:\\programme\\vexlo\\Qel-Manual.pdf"), u"");
    BytesSchreiben(temp / "zugeordnet", "");
    EXPECT_EQ(prozesse->ZugeordnetesProgramm(u"c:\\programme\\vexlo\\Qel-Manual.pdf"),
              AusUtf8((bin / "xdg-open").string()));
    EXPECT_EQ(prozesse->ZugeordnetesProgramm(u"C:\\PROGRAMME\\VEXLO\\qel-manual.PDF"),
              AusUtf8((bin / "xdg-open").string()));
    EXPECT_EQ(prozesse->ZugeordnetesProgramm(u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf"), u"");
    Umgebung("PATH", "/nirgends");
    EXPECT_EQ(prozesse->ZugeordnetesProgramm(u"c:\\programme\\vexlo\\Qel-Manual.pdf"), u"");
}

TEST_F(PosixProzesseTest, TexteditorNimmtDieAnzeigeSonstXdgOpen) {
    fs::path bin = temp / "bin";
    for (const char* name : {"anzeige", "xdg-open"})
        Skript(bin / name,
               "printf '%s %s' \"$(basename \"$0\")\" \"$1\" > " + (temp / "editor.neu").string() +
                   "\nmv " + (temp / "editor.neu").string() + " " + (temp / "editor.txt").string());
    Umgebung("PATH", bin.string() + ":/usr/bin:/bin");
    BytesSchreiben(arbeit / "_ergebnis_283.mini", "x");

    Umgebung("KESTRAV_ANZEIGE", (bin / "anzeige").string());
    prozesse->TexteditorOeffnen(u"_ergebnis_283.mini");
    ASSERT_TRUE(Erscheint(temp / "editor.txt"));
    EXPECT_EQ(BytesLesen(temp / "editor.txt"),
              "anzeige " + (arbeit / "_ergebnis_283.mini").string());

    fs::remove(temp / "editor.txt");
    Umgebung("KESTRAV_ANZEIGE", (bin / "fehlt").string());
    prozesse->TexteditorOeffnen(u"_ergebnis_283.mini");
    ASSERT_TRUE(Erscheint(temp / "editor.txt"));
    EXPECT_EQ(BytesLesen(temp / "editor.txt"),
              "xdg-open " + (arbeit / "_ergebnis_283.mini").string());
}

} // namespace
