#include "FuzzLaufwerk.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

// lauf.sh gibt ein eigenes Verzeichnis vor, das es danach wegräumt: libFuzzer beendet den Prozess
// nicht immer so, dass Destruktoren laufen.
std::string TempWurzel() {
    const char* vorgabe = std::getenv("KESTRAV_FUZZ_TEMP");
    std::filesystem::path basis = vorgabe && *vorgabe ? std::filesystem::path(vorgabe)
                                  : std::filesystem::is_directory("/dev/shm")
                                      ? std::filesystem::path("/dev/shm")
                                      : std::filesystem::temp_directory_path();
    std::string muster = (basis / "kestrav-fuzz-XXXXXX").string();
    if (!mkdtemp(muster.data()))
        throw std::runtime_error("mkdtemp");
    return muster;
}

} // namespace

FuzzLaufwerk& FuzzLaufwerk::Instanz() {
    static FuzzLaufwerk laufwerk;
    return laufwerk;
}

FuzzLaufwerk::FuzzLaufwerk() : wurzel_(TempWurzel()) {
    Laufwerke laufwerke;
    laufwerke.Setzen(u'c', wurzel_);
    // Absolute Pfade genügen; ein Verzeichniswechsel träfe auch libFuzzers relative Korpuspfade.
    dateien_ = std::make_unique<PosixDateisystem>(laufwerke);
}

FuzzLaufwerk::~FuzzLaufwerk() {
    dateien_.reset();
    std::error_code fehler;
    std::filesystem::remove_all(wurzel_, fehler);
}

Text FuzzLaufwerk::Ablegen(std::string_view name, std::string_view bytes) {
    const std::string host = wurzel_ + "/" + std::string(name);
    std::ofstream datei(host, std::ios::binary | std::ios::trunc);
    // Eine halb geschriebene Datei prüfte die Zerleger gegen das falsche Modell.
    if (!datei.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("Fuzz-Datei nicht geschrieben: " + host);
    return u"c:\\" + AusUtf8(name);
}
