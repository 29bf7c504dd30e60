// Ohne libFuzzer: spielt einen Startkorpus einmal gegen die Eigenschaften seines Ziels ab. So
// bleiben die Ziele im gewöhnlichen Testlauf mit dem Code im Takt, auch wenn niemand fuzzt.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    for (int i = 1; i < argc; ++i)
        for (const auto& eintrag : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream datei(eintrag.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(datei), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
        }
    return 0;
}
