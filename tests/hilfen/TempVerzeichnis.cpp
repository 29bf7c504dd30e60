#include "TempVerzeichnis.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempVerzeichnis::TempVerzeichnis() {
    std::string muster = (std::filesystem::temp_directory_path() / "kestrav-test-XXXXXX").string();
    if (!mkdtemp(muster.data()))
        throw std::runtime_error("mkdtemp");
    pfad_ = muster;
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
