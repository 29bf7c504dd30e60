#include "Prozesslauf.h"

#include "hilfen/TempVerzeichnis.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

int ProzessStarten(const Prozessaufruf& aufruf, const std::filesystem::path& ausgabe,
                   const std::filesystem::path& fehler) {
    std::vector<char*> argv;
    for (const auto& a : aufruf.argumente)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork");
    if (pid == 0) {
        for (const auto& [name, wert] : aufruf.umgebung) {
            if (wert.empty())
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), wert.c_str(), 1);
        }
        int ein = aufruf.eingabe >= 0 ? aufruf.eingabe : open("/dev/null", O_RDONLY);
        int aus = open(ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (ein < 0 || aus < 0 || err < 0 || chdir(aufruf.verzeichnis.c_str()) != 0)
            _exit(250);
        dup2(ein, 0);
        dup2(aus, 1);
        dup2(err, 2);
        execv(argv[0], argv.data());
        _exit(251);
    }
    return pid;
}

int AufEndeWarten(int pid) {
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Prozesslauf ProzessAusfuehren(const Prozessaufruf& aufruf) {
    TempVerzeichnis ausgaben;
    const int exitcode = AufEndeWarten(ProzessStarten(aufruf, ausgaben / "aus", ausgaben / "err"));
    return {exitcode, BytesLesen(ausgaben / "aus"), BytesLesen(ausgaben / "err")};
}

void Skript(const std::filesystem::path& datei, const std::string& rumpf) {
    BytesSchreiben(datei, "#!/bin/sh\n" + rumpf + "\n");
    std::filesystem::permissions(datei, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add);
}

std::map<std::string, std::string> StapelUmgebung(const std::filesystem::path& ort,
                                                  const std::string& anzeige) {
    return {{"KESTRAV_LAUFWERK_C", (ort / "c").string()},
            {"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"},
            {"KESTRAV_ANZEIGE", anzeige},
            {"XDG_DATA_HOME", (ort / "xdg").string()},
            {"DISPLAY", ""},
            {"WAYLAND_DISPLAY", ""}};
}

std::vector<std::string> Worte(const std::string& text) {
    std::istringstream s(text);
    std::vector<std::string> worte;
    for (std::string w; s >> w;)
        worte.push_back(w);
    return worte;
}

std::vector<std::string> CrLfZeilen(const std::string& bytes) {
    EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n")) << "letzte Zeile ohne CR LF";
    std::vector<std::string> zeilen;
    for (std::size_t anfang = 0, ende; anfang < bytes.size(); anfang = ende + 2) {
        ende = std::min(bytes.find("\r\n", anfang), bytes.size());
        zeilen.push_back(bytes.substr(anfang, ende - anfang));
        EXPECT_EQ(zeilen.back().find_first_of("\r\n"), std::string::npos)
            << "Zeilenende ohne CR LF";
    }
    return zeilen;
}
