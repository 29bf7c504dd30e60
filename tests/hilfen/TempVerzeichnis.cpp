#include "TempVerzeichnis.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

// Ohne mkdtemp (MinGW kennt es nicht): ein zufälliger Name, den create_directory exklusiv anlegt.
TempVerzeichnis::TempVerzeichnis() {
    static std::mt19937_64 zufall{std::random_device{}()};
    const auto basis = std::filesystem::temp_directory_path();
    for (int versuch = 0; versuch < 100; ++versuch) {
        auto kandidat = basis / ("kestrav-test-" + std::to_string(zufall() % 1000000000u));
        if (std::filesystem::create_directory(kandidat)) {
            pfad_ = kandidat;
            return;
        }
    }
    throw std::runtime_error("kein Temp-Verzeichnis");
}

TempVerzeichnis::~TempVerzeichnis() {
    std::error_code fehler;
    std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, fehler);
    std::filesystem::remove_all(pfad_, fehler);
}

void BytesSchreiben(const std::filesystem::path& datei, const std::string& bytes) {
    std::filesystem::create_directories(datei.parent_path());
    std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string BytesLesen(const std::filesystem::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}
