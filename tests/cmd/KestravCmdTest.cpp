// kestrav-cmd als echter Prozess über Stapeldateien in einem temporären Laufwerk C:, mit
// Shell-Skript-Engines, die Arbeitsverzeichnis, Programmpfad und Argumente protokollieren.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string PAUSENTEXT = "Drücken Sie eine beliebige Taste . . .\n";

class KestravCmd : public ::testing::Test {
protected:
    // Protokolliert cwd, $0 und die Argumente in einer Zeile, endet mit exitcode.
    static void Engine(const fs::path& datei, int exitcode = 0) {
        Skript(datei, "printf '%s|' \"$(pwd -P)\" \"$0\" \"$@\" >> \"$PROTOKOLL\"\n"
                      "echo >> \"$PROTOKOLL\"\nexit " +
                          std::to_string(exitcode));
    }
    // Was Engine für diesen Aufruf protokolliert.
    std::string Aufruf(const fs::path& programm, const std::vector<std::string>& argumente) {
        std::string zeile = fs::canonical(arbeit).string() + "|" + programm.string() + "|";
        for (const auto& a : argumente)
            zeile += a + "|";
        return zeile + "\n";
    }
    Prozessaufruf Aufrufdaten(std::vector<std::string> argumente = {"/c", "Kestrav.bat"},
                              const std::string& starter = "") {
        argumente.insert(argumente.begin(), KESTRAV_BIN_DIR "/kestrav-cmd");
        return {argumente,
                arbeit,
                {{"KESTRAV_LAUFWERK_C", c.string()},
                 {"PROTOKOLL", protokoll.string()},
                 {"KESTRAV_EXE_STARTER", starter}}};
    }
    Prozesslauf Stapel(const std::string& bytes, const std::string& starter = "") {
        fs::remove(protokoll);
        BytesSchreiben(arbeit / "Kestrav.bat", bytes);
        return ProzessAusfuehren(Aufrufdaten({"/c", "Kestrav.bat"}, starter));
    }
    std::string Aufrufe() const { return BytesLesen(protokoll); }

    TempVerzeichnis temp;
    fs::path c = temp / "c";
    fs::path vexlo = c / "programme" / "vexlo";
    fs::path arbeit = c / "daten" / "tag1";
    fs::path protokoll = temp / "aufrufe.txt";
};

// Programme: der Name, dann .exe, dann .bat, ohne Rücksicht auf Großschreibung. Die Stapeldatei
// ist Windows-1252, die Namen auf dem Host UTF-8; Sonderzeichen erreichen keine Shell.
TEST_F(KestravCmd, ProgrammsucheUndWoertlicheArgumente) {
    Engine(vexlo / "qel");
    Engine(vexlo / "qel.exe"); // der Name selbst geht vor
    Engine(vexlo / "bo2.exe");
    BytesSchreiben(vexlo / "Unter.BAT", "c:\\programme\\vexlo\\bo2 aus-unter\r\n");
    const fs::path ordner = c / "a$b&c%d;e" / "Übung";
    Engine(ordner / "zähle;&%$");
    Prozesslauf lauf = Stapel("C:\\Programme\\VEXLO\\QEL a\r\nc:\\programme\\vexlo\\BO2 b\r\n"
                              "c:\\programme\\vexlo\\unter\r\n"
                              "c:\\a$b&c%d;e\\\xDC"
                              "bung\\z\xE4hle;&%$ M\xFCller.23o +A$$$$$.atx %PATH% x;y |z $(id) "
                              "`id` 'q' \x80\r\n");
    EXPECT_EQ(lauf.exitcode, 0) << lauf.fehler;
    EXPECT_EQ(Aufrufe(),
              Aufruf(vexlo / "qel", {"a"}) + Aufruf(vexlo / "bo2.exe", {"b"}) +
                  Aufruf(vexlo / "bo2.exe", {"aus-unter"}) +
                  Aufruf(ordner / "zähle;&%$", {"Müller.23o", "+A$$$$$.atx", "%PATH%", "x;y", "|z",
                                                "$(id)", "`id`", "'q'", "€"}));
}

TEST_F(KestravCmd, WindowsProgrammLaeuftUeberDenStarter) {
    BytesSchreiben(vexlo / "bo1.exe", std::string("MZ\x90\0\3\0\0\0", 8));
    fs::permissions(vexlo / "bo1.exe", fs::perms::owner_all, fs::perm_options::add);
    Engine(temp / "starter");
    const std::string zeile = "c:\\programme\\vexlo\\bo1 virt283.23o +Sb\r\n";
    Prozesslauf ohne = Stapel(zeile);
    EXPECT_EQ(ohne.exitcode, 126);
    EXPECT_NE(ohne.fehler.find("KESTRAV_EXE_STARTER"), std::string::npos) << ohne.fehler;
    EXPECT_EQ(Stapel(zeile, (temp / "starter").string() + " -q").exitcode, 0);
    EXPECT_EQ(Aufrufe(),
              Aufruf(temp / "starter", {"-q", (vexlo / "bo1.exe").string(), "virt283.23o", "+Sb"}));
}

TEST_F(KestravCmd, ExitcodeDesLetztenBefehlsUndFehlendes) {
    for (int n : {0, 3, 7})
        Engine(vexlo / ("e" + std::to_string(n)), n);
    Skript(vexlo / "sig", "kill -KILL $$");
    const std::pair<const char*, int> faelle[] = {
        {"", 0},
        {"c:\\programme\\vexlo\\e0\r\nc:\\programme\\vexlo\\e7", 7},
        // pause, rem und Leerzeilen ändern den Exitcode nicht
        {"c:\\programme\\vexlo\\e3\r\npause\r\n\r\nrem x\r\n", 3},
        {"c:\\programme\\vexlo\\e3\r\nc:\\programme\\vexlo\\nix\r\n", 127},
        // Nur Laufwerkspfade außer Z: nennen Programme; nichts kommt aus PATH.
        {"touch PWNED\r\n", 127},
        {"z:\\usr\\bin\\touch PWNED\r\n", 127},
        {"Z:/bin/sh -c \"touch PWNED\"\r\n", 127},
        {"c:\\programme\\vexlo\\sig\r\n", 128 + 9}}; // beendet durch ein Signal
    for (const auto& [stapel, exitcode] : faelle)
        EXPECT_EQ(Stapel(stapel).exitcode, exitcode) << stapel;
    EXPECT_FALSE(fs::exists(arbeit / "PWNED"));
    // Ein fehlendes Programm wird deutsch gemeldet, und der Stapel geht weiter.
    Prozesslauf lauf =
        Stapel("c:\\programme\\vexlo\\fehlt a\r\npause\r\nc:\\programme\\vexlo\\e0 b\r\n");
    EXPECT_EQ(lauf.fehler, "Der Befehl \"c:\\programme\\vexlo\\fehlt\" ist entweder falsch "
                           "geschrieben oder konnte nicht gefunden werden.\n");
    // pause ohne Terminal meldet sich und wartet nicht.
    EXPECT_EQ(lauf.ausgabe, PAUSENTEXT);
    EXPECT_EQ(Aufrufe(), Aufruf(vexlo / "e0", {"b"}));
    Prozesslauf fehlt = ProzessAusfuehren(Aufrufdaten({"/c", "fehlt.bat"}));
    EXPECT_EQ(fehlt.exitcode, 1);
    EXPECT_EQ(fehlt.fehler, "Die Stapeldatei \"fehlt.bat\" wurde nicht gefunden.\n");
}

TEST_F(KestravCmd, PauseMitTerminalWartetAufEineTaste) {
    BytesSchreiben(arbeit / "Kestrav.bat", "pause\r\n");
    int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal) | unlockpt(terminal), 0);
    Prozessaufruf aufruf = Aufrufdaten();
    aufruf.eingabe = open(ptsname(terminal), O_RDWR | O_NOCTTY);
    ASSERT_GE(aufruf.eingabe, 0);
    int pid = ProzessStarten(aufruf, temp / "aus", temp / "err");
    close(aufruf.eingabe);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), 0) << "pause hat nicht gewartet";
    ASSERT_EQ(write(terminal, "x\n", 2), 2);
    EXPECT_EQ(AufEndeWarten(pid), 0);
    close(terminal);
    EXPECT_EQ(BytesLesen(temp / "aus"), PAUSENTEXT);
}

} // namespace
