#pragma once
// Gemeinsames der Prozesstests: die Laufwerke der Dateitests, das Arbeitsverzeichnis unter C: als
// aktuelles Verzeichnis, Umgebungsvariablen, die nach dem Test wieder gelten wie vorher.
#include "TempLaufwerke.h"
#include "hilfen/Prozesslauf.h"
#include "platform/Laufzeitfehler.h"
#include "platform/posix/PosixProzesse.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <thread>

// Nummer des Laufzeitfehlers, den die Aktion wirft; 0: keiner.
inline int Fehlernummer(const std::function<void()>& aktion) {
    try {
        aktion();
    } catch (const Laufzeitfehler& f) {
        return f.nummer();
    }
    return 0;
}

class Prozesstestbasis : public ::testing::Test, public TempLaufwerke {
protected:
    Prozesstestbasis() {
        std::filesystem::create_directories(arbeit);
        std::filesystem::create_directories(vexlo);
        std::filesystem::current_path(arbeit);
        Umgebung("KESTRAV_LAUFWERK_C", c.string());
        Umgebung("KESTRAV_EXE_STARTER", "");
    }
    ~Prozesstestbasis() override {
        for (const auto& [name, wert] : gesichert_)
            wert ? setenv(name.c_str(), wert->c_str(), 1) : unsetenv(name.c_str());
    }

    // Setzt (leer: entfernt) eine Umgebungsvariable bis zum Ende des Tests.
    void Umgebung(const std::string& name, const std::string& wert) {
        const char* alt = std::getenv(name.c_str());
        gesichert_.try_emplace(name, alt ? std::optional<std::string>(alt) : std::nullopt);
        wert.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), wert.c_str(), 1);
    }
    // Skript, das seine Argumente nach printf-Format in die Datei schreibt, erst unter anderem
    // Namen: wer auf die Datei wartet, liest nie eine halbe.
    static void Protokollierend(const std::filesystem::path& skript, const std::string& format,
                                const std::filesystem::path& aus) {
        Skript(skript, "printf " + format + " > " + aus.string() + ".neu\nmv " + aus.string() +
                           ".neu " + aus.string());
    }
    // Wartet höchstens 5 s, bis die Datei existiert, und liest sie.
    static std::string Erscheint(const std::filesystem::path& datei) {
        for (int i = 0; i < 1000 && !std::filesystem::exists(datei); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return std::filesystem::exists(datei) ? BytesLesen(datei) : "(fehlt)";
    }

    std::filesystem::path arbeit = c / "daten" / "tag1";
    std::filesystem::path vexlo = c / "programme" / "vexlo";
    PosixProzesse prozesse{laufwerke};

private:
    std::map<std::string, std::optional<std::string>> gesichert_;
};
