// Die beiden Formen des Papierkorbs eines Datenträgers und die Info-Datei. Ein Temp-Ordner steht
// für die Wurzel eines Datenträgers; die Wurzel "/" selbst bekommt nie einen Papierkorb.
#include "hilfen/TempVerzeichnis.h"
#include "platform/posix/PosixPapierkorb.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Papierkorb, FormenDesDatentraegers) {
    struct Fall {
        const char* name;
        mode_t trash;     // Rechte von $topdir/.Trash, 0 = keins
        bool verweis;     // $topdir/.Trash ist ein Verweis auf ein solches Verzeichnis
        const char* ziel; // relativ zur Wurzel
    };
    const uid_t uid = getuid();
    const std::string eigen = ".Trash-" + std::to_string(uid);
    const std::string gemeinsam = ".Trash/" + std::to_string(uid);
    for (const Fall& f :
         {Fall{"ohne", 0, false, eigen.c_str()}, Fall{"sticky", 01777, false, gemeinsam.c_str()},
          Fall{"ohneSticky", 0777, false, eigen.c_str()},
          Fall{"verweis", 01777, true, eigen.c_str()}}) {
        TempVerzeichnis wurzel;
        const fs::path trash = wurzel / (f.verweis ? "echt" : ".Trash");
        if (f.trash) {
            fs::create_directory(trash);
            chmod(trash.c_str(), f.trash);
        }
        if (f.verweis)
            fs::create_directory_symlink(trash, wurzel / ".Trash");
        EXPECT_EQ(VolumenPapierkorb(wurzel.Pfad().string(), uid), (wurzel / f.ziel).string())
            << f.name;
        EXPECT_TRUE(fs::is_directory(wurzel / f.ziel / "files")) << f.name;
        EXPECT_TRUE(fs::is_directory(wurzel / f.ziel / "info")) << f.name;
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
