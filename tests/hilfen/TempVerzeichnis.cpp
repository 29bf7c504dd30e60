#include "TempVerzeichnis.h"

#include <fstream>
#include <iterator>
#include <random>

// Ohne mkdtemp (MinGW kennt es nicht): ein zufälliger Name, den create_directory exklusiv anlegt;
// scheitert das Anlegen aus anderem Grund, wirft es.
TempVerzeichnis::TempVerzeichnis() {
    static std::mt19937_64 zufall{std::random_device{}()};
    do
        pfad_ = std::filesystem::temp_directory_path() /
                ("kestrav-test-" + std::to_string(zufall() % 1000000000u));
    while (!std::filesystem::create_directory(pfad_));
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
