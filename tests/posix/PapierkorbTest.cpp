// Die beiden Formen des Papierkorbs eines Datenträgers und die Info-Datei. Ein Temp-Ordner steht
// für die Wurzel eines Datenträgers; die Wurzel "/" selbst bekommt nie einen Papierkorb.
#include "hilfen/TempVerzeichnis.h"
#include "platform/posix/PosixPapierkorb.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Papierkorb, FormenDesDatentraegers) {
    const uid_t uid = getuid();
    const std::string eigen = ".Trash-" + std::to_string(uid);
    const std::string gemeinsam = ".Trash/" + std::to_string(uid);
    // Rechte von $topdir/.Trash (0: keins), ob es ein Verweis auf ein solches Verzeichnis ist, und
    // der Papierkorb relativ zur Wurzel.
    using F = std::tuple<mode_t, bool, std::string>;
    for (const auto& [rechte, verweis, ziel] : {F{0, false, eigen}, F{01777, false, gemeinsam},
                                                F{0777, false, eigen}, F{01777, true, eigen}}) {
        TempVerzeichnis wurzel;
        const fs::path trash = wurzel / (verweis ? "echt" : ".Trash");
        if (rechte) {
            fs::create_directory(trash);
            chmod(trash.c_str(), rechte);
        }
        if (verweis)
            fs::create_directory_symlink(trash, wurzel / ".Trash");
        EXPECT_EQ(VolumenPapierkorb(wurzel.Pfad().string(), uid), (wurzel / ziel).string());
        EXPECT_TRUE(fs::is_directory(wurzel / ziel / "files")) << ziel;
        EXPECT_TRUE(fs::is_directory(wurzel / ziel / "info")) << ziel;
    }
    EXPECT_EQ(VolumenPapierkorb("/", uid), "");
}

TEST(Papierkorb, InfoKodiertDenPfadWieEineUrl) {
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(PapierkorbInfo("/d/a b/M\xC3\xBCller%&.koord", 1700000000),
              "[Trash Info]\r\nPath=/d/a%20b/M%C3%BCller%25%26.koord\r\n"
              "DeletionDate=2023-11-14T22:13:20\r\n");
    unsetenv("TZ");
    tzset();
}
