#pragma once
#include <filesystem>
#include <string>

// Ein frisches Verzeichnis unter /tmp, das mit dem Objekt wieder verschwindet.
class TempVerzeichnis {
public:
    TempVerzeichnis();
    ~TempVerzeichnis();
    TempVerzeichnis(const TempVerzeichnis&) = delete;
    TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return pfad_; }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }

private:
    std::filesystem::path pfad_;
};

// Dateien byte-genau schreiben und lesen (an der Logik vorbei).
void BytesSchreiben(const std::filesystem::path& datei, const std::string& bytes);
std::string BytesLesen(const std::filesystem::path& datei);
