// kestrav-cmd als echter Prozess über Stapeldateien in einem temporären Laufwerk C:, mit
// Shell-Skript-Engines, die Arbeitsverzeichnis, Programmpfad und Argumente protokollieren.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string PAUSENTEXT = "Drücken Sie eine beliebige Taste . . .";

class KestravCmd : public ::testing::Test {
protected:
    TempVerzeichnis temp;
    fs::path c = temp / "c";
    fs::path vexlo = c / "programme" / "vexlo";
    fs::path arbeit = c / "daten" / "tag1";
    fs::path protokoll = temp / "aufrufe.txt";

    void SetUp() override {
        fs::create_directories(vexlo);
        fs::create_directories(arbeit);
    }

    static void Ausfuehrbar(const fs::path& datei, const std::string& inhalt) {
        BytesSchreiben(datei, inhalt);
        fs::permissions(datei, fs::perms::owner_all, fs::perm_options::add);
    }

    // Protokolliert cwd, $0 und jedes Argument in einer Zeile, endet mit exitcode.
    void Engine(const fs::path& datei, int exitcode = 0) {
        Ausfuehrbar(datei, "#!/bin/sh\n"
                           "{ printf 'cwd=%s\\n' \"$(pwd -P)\"; printf 'prog=%s\\n' \"$0\";\n"
                           "  for a in \"$@\"; do printf 'arg=%s\\n' \"$a\"; done\n"
                           "} >> \"$KESTRAV_TEST_PROTOKOLL\"\n"
                           "exit " +
                               std::to_string(exitcode) + "\n");
    }

    std::string Aufruf(const fs::path& programm, const std::vector<std::string>& argumente) {
        std::string zeilen =
            "cwd=" + fs::canonical(arbeit).string() + "\nprog=" + programm.string() + "\n";
        for (const auto& a : argumente)
            zeilen += "arg=" + a + "\n";
        return zeilen;
    }

    Prozessaufruf Aufrufdaten(std::vector<std::string> argumente = {"/c", "Kestrav.bat"}) {
        argumente.insert(argumente.begin(), KESTRAV_BIN_DIR "/kestrav-cmd");
        return Prozessaufruf{argumente,
                             arbeit,
                             {{"KESTRAV_LAUFWERK_C", c.string()},
                              {"KESTRAV_TEST_PROTOKOLL", protokoll.string()},
                              {"KESTRAV_EXE_STARTER", ""}},
                             -1};
    }

    Prozesslauf Stapel(const std::string& bytes,
                       const std::map<std::string, std::string>& umgebung = {}) {
        BytesSchreiben(arbeit / "Kestrav.bat", bytes);
        Prozessaufruf aufruf = Aufrufdaten();
        for (const auto& [name, wert] : umgebung)
            aufruf.umgebung[name] = wert;
        return ProzessAusfuehren(aufruf);
    }

    std::string Aufrufe() const { return BytesLesen(protokoll); }
};

TEST_F(KestravCmd, JobstapelRuftBeideModuleMitUnveraendertenArgumenten) {
    Engine(vexlo / "qel2");
    Engine(vexlo / "bo2");
    Prozesslauf lauf =
        Stapel("c:\\programme\\vexlo\\qel2 np012830.23o aaaa,bbbb +PRO -e10 +A$$$$$.atx\r\n"
               "c:\\programme\\vexlo\\bo2 virt283.23o np012830.23o +FE_ergebnis_np012830_list.txt "
               "+FS_ergebnis_np012830_sol.txt +FL_ergebnis_np012830_log.txt -e10 "
               "+E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb +ACF$$$$$.atx\r\n");
    EXPECT_EQ(lauf.exitcode, 0) << lauf.fehler;
    EXPECT_EQ(Aufrufe(),
              Aufruf(vexlo / "qel2", {"np012830.23o", "aaaa,bbbb", "+PRO", "-e10", "+A$$$$$.atx"}) +
                  Aufruf(vexlo / "bo2",
                         {"virt283.23o", "np012830.23o", "+FE_ergebnis_np012830_list.txt",
                          "+FS_ergebnis_np012830_sol.txt", "+FL_ergebnis_np012830_log.txt", "-e10",
                          "+E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU", "+Sb", "+ACF$$$$$.atx"}));
}

TEST_F(KestravCmd, SonderzeichenUndUmlauteBleibenWoertlich) {
    // Die Stapeldatei ist Windows-1252, die Namen auf dem Host UTF-8.
    fs::path ordner = c / "a$b&c%d;e" / "Übung";
    fs::create_directories(ordner);
    Engine(ordner / "zähle;&%$");
    Prozesslauf lauf = Stapel("c:\\a$b&c%d;e\\\xDC"
                              "bung\\z\xE4hle;&%$ M\xFCller.23o $HOME a&b %PATH% x;y |z $(id) `id` "
                              "'q' \x80\r\n");
    EXPECT_EQ(lauf.exitcode, 0) << lauf.fehler;
    EXPECT_EQ(Aufrufe(), Aufruf(ordner / "zähle;&%$", {"Müller.23o", "$HOME", "a&b", "%PATH%",
                                                       "x;y", "|z", "$(id)", "`id`", "'q'", "€"}));
}

TEST_F(KestravCmd, FehlendesProgrammMeldetDeutschUndDerStapelGehtWeiter) {
    Engine(vexlo / "qel2");
    Prozesslauf lauf = Stapel("c:\\programme\\vexlo\\fehlt a\r\nc:\\programme\\vexlo\\qel2 b\r\n");
    EXPECT_EQ(lauf.fehler, "Der Befehl \"c:\\programme\\vexlo\\fehlt\" ist entweder falsch "
                           "geschrieben oder konnte nicht gefunden werden.\n");
    EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "qel2", {"b"}));
    EXPECT_EQ(lauf.exitcode, 0);
}

TEST_F(KestravCmd, NameDannExeDannBatOhneRuecksichtAufGrossschreibung) {
    Engine(vexlo / "qel");
    Engine(vexlo / "qel.exe"); // der Name selbst geht vor
    Engine(vexlo / "bo2.exe");
    BytesSchreiben(vexlo / "Unter.BAT", "c:\\programme\\vexlo\\bo2 aus-unter\r\n");
    Prozesslauf lauf = Stapel("C:\\Programme\\VEXLO\\QEL a\r\n"
                              "c:\\programme\\vexlo\\BO2 b\r\n"
                              "c:\\programme\\vexlo\\unter\r\n");
    EXPECT_EQ(lauf.exitcode, 0) << lauf.fehler;
    EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "qel", {"a"}) + Aufruf(vexlo / "bo2.exe", {"b"}) +
                             Aufruf(vexlo / "bo2.exe", {"aus-unter"}));
}

TEST_F(KestravCmd, WindowsProgrammLaeuftUeberDenStarter) {
    BytesSchreiben(vexlo / "bo1.exe", std::string("MZ\x90\0\3\0\0\0", 8));
    fs::permissions(vexlo / "bo1.exe", fs::perms::owner_all, fs::perm_options::add);
    Engine(temp / "starter");
    const std::string zeile = "c:\\programme\\vexlo\\bo1 virt283.23o +Sb\r\n";

    Prozesslauf ohne = Stapel(zeile);
    EXPECT_EQ(ohne.exitcode, 126);
    EXPECT_NE(ohne.fehler.find("KESTRAV_EXE_STARTER"), std::string::npos) << ohne.fehler;
    EXPECT_EQ(Aufrufe(), "");

    Prozesslauf mit = Stapel(zeile, {{"KESTRAV_EXE_STARTER", (temp / "starter").string() + " -q"}});
    EXPECT_EQ(mit.exitcode, 0) << mit.fehler;
    EXPECT_EQ(Aufrufe(),
              Aufruf(temp / "starter", {"-q", (vexlo / "bo1.exe").string(), "virt283.23o", "+Sb"}));
}

struct Exitcodefall {
    std::string stapel; // e<N>: Engine mit Exitcode N
    int erwartet;
};

class KestravCmdExitcode : public KestravCmd, public ::testing::WithParamInterface<Exitcodefall> {};

TEST_P(KestravCmdExitcode, GiltDerLetzteBefehl) {
    for (int n : {0, 3, 7})
        Engine(vexlo / ("e" + std::to_string(n)), n);
    EXPECT_EQ(Stapel(GetParam().stapel).exitcode, GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KestravCmdExitcode,
    ::testing::Values(Exitcodefall{"", 0}, Exitcodefall{"rem nur\r\n@echo off\r\n", 0},
                      Exitcodefall{"c:\\programme\\vexlo\\e3\r\nc:\\programme\\vexlo\\e0\r\n", 0},
                      Exitcodefall{"c:\\programme\\vexlo\\e0\r\nc:\\programme\\vexlo\\e7", 7},
                      // pause, rem und Leerzeilen ändern den Exitcode nicht
                      Exitcodefall{"c:\\programme\\vexlo\\e3\r\npause\r\n\r\nrem x\r\n", 3},
                      Exitcodefall{"c:\\programme\\vexlo\\e3\r\nc:\\programme\\vexlo\\nix\r\n",
                                   127}));

TEST_F(KestravCmd, PauseOhneTerminalMeldetUndWartetNicht) {
    Engine(vexlo / "qel2");
    Prozesslauf lauf = Stapel("pause\r\nc:\\programme\\vexlo\\qel2 danach\r\n");
    EXPECT_EQ(lauf.ausgabe, PAUSENTEXT + "\n");
    EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "qel2", {"danach"}));
}

TEST_F(KestravCmd, PauseMitTerminalWartetAufEineTaste) {
    Engine(vexlo / "qel2");
    BytesSchreiben(arbeit / "Kestrav.bat", "pause\r\nc:\\programme\\vexlo\\qel2 danach\r\n");
    int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    int geraet = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    ASSERT_GE(geraet, 0);
    Prozessaufruf aufruf = Aufrufdaten();
    aufruf.eingabe = geraet;
    int pid = ProzessStarten(aufruf, temp / "aus", temp / "err");
    close(geraet);

    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "pause hat nicht gewartet";
    EXPECT_EQ(Aufrufe(), "");
    ASSERT_EQ(write(terminal, "x\n", 2), 2);
    EXPECT_EQ(AufEndeWarten(pid), 0);
    close(terminal);
    EXPECT_EQ(BytesLesen(temp / "aus"), PAUSENTEXT + "\n");
    EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "qel2", {"danach"}));
}

TEST_F(KestravCmd, AufrufformenUndFehlendeStapeldatei) {
    Engine(vexlo / "qel2");
    BytesSchreiben(arbeit / "Kestrav.bat", "c:\\programme\\vexlo\\qel2\r\n");
    for (std::vector<std::string> argumente : {std::vector<std::string>{"/c", "Kestrav.bat"},
                                               {"/C", "KESTRAV.bat"},
                                               {"Kestrav.bat"},
                                               {"c:\\daten\\TAG1\\kestrav.bat"},
                                               {(arbeit / "Kestrav.bat").string()}}) {
        fs::remove(protokoll);
        Prozesslauf lauf = ProzessAusfuehren(Aufrufdaten(argumente));
        EXPECT_EQ(lauf.exitcode, 0) << argumente.back() << ": " << lauf.fehler;
        EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "qel2", {})) << argumente.back();
    }
    Prozesslauf fehlt = ProzessAusfuehren(Aufrufdaten({"/c", "fehlt.bat"}));
    EXPECT_EQ(fehlt.exitcode, 1);
    EXPECT_EQ(fehlt.fehler, "Die Stapeldatei \"fehlt.bat\" wurde nicht gefunden.\n");
}

} // namespace
