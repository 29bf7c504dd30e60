#pragma once
// C: und D: in einem frischen Temp-Ordner, Z: ist "/". Das Dateisystem startet auf c:\ und das
// Arbeitsverzeichnis des Prozesses wird am Ende zurückgesetzt.
#include "hilfen/TempVerzeichnis.h"
#include "platform/posix/Laufwerke.h"
#include "platform/posix/PosixDateisystem.h"

#include <filesystem>
#include <memory>

struct TempLaufwerke {
    TempLaufwerke() {
        std::filesystem::create_directories(c);
        std::filesystem::create_directories(d);
        laufwerke.Setzen(u'C', c.string());
        laufwerke.Setzen(u'd', d.string());
        laufwerke.Setzen(u'z', "/");
        std::filesystem::current_path(c);
        ds = std::make_unique<PosixDateisystem>(laufwerke);
    }
    ~TempLaufwerke() {
        std::error_code fehler;
        std::filesystem::current_path(vorher, fehler);
    }

    std::filesystem::path vorher = std::filesystem::current_path();
    TempVerzeichnis temp;
    std::filesystem::path c = temp / "c";
    std::filesystem::path d = temp / "d";
    Laufwerke laufwerke;
    std::unique_ptr<PosixDateisystem> ds;
};
