#include "Prozesstestbasis.h"

#include "platform/Prozesse.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

Prozesstestbasis::Prozesstestbasis() {
    fs::create_directories(arbeit);
    fs::create_directories(vexlo);
    laufwerke.Setzen(u'z', "/");
    laufwerke.Setzen(u'c', c.string());
    prozesse.emplace(laufwerke);
    vorher_ = fs::current_path();
    fs::current_path(arbeit);
    Umgebung("KESTRAV_LAUFWERK_C", c.string());
    Umgebung("KESTRAV_EXE_STARTER", "");
}

Prozesstestbasis::~Prozesstestbasis() {
    fs::current_path(vorher_);
    for (const auto& [name, wert] : gesichert_) {
        if (wert)
            setenv(name.c_str(), wert->c_str(), 1);
        else
            unsetenv(name.c_str());
    }
}

void Prozesstestbasis::Umgebung(const std::string& name, const std::string& wert) {
    if (!gesichert_.count(name)) {
        const char* alt = std::getenv(name.c_str());
        gesichert_[name] = alt ? std::optional<std::string>(alt) : std::nullopt;
    }
    if (wert.empty())
        unsetenv(name.c_str());
    else
        setenv(name.c_str(), wert.c_str(), 1);
}

void Prozesstestbasis::Skript(const fs::path& datei, const std::string& rumpf) {
    BytesSchreiben(datei, "#!/bin/sh\n" + rumpf + "\n");
    fs::permissions(datei, fs::perms::owner_all, fs::perm_options::add);
}

bool Prozesstestbasis::Erscheint(const fs::path& datei) {
    auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!fs::exists(datei)) {
        if (std::chrono::steady_clock::now() > ende)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool Prozesstestbasis::BisZumEnde(int pid) {
    for (int i = 0; i < 50; ++i) {
        if (prozesse->Exitcode(pid) != NOCH_AKTIV)
            return true;
        prozesse->WarteAufEnde(pid, 100);
    }
    return false;
}
