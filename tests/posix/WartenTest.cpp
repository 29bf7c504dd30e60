// Die Warteroutine mit echten Stapelprozessen.
#include "run/Warten.h"
#include "Prozesstestbasis.h"
#include "hilfen/Attrappen.h"
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Echte Zeit; vermerkt nur, wie oft abgegeben wurde.
class ZaehlendeSchleife : public Ereignisschleife {
public:
    int aufrufe = 0;
    void Ereignisse() override { ++aufrufe; }
    void Schlafen(int) override {}
};

class WartenTest : public Prozesstestbasis {
protected:
    PosixDateisystem datei{laufwerke};
    ZaehlendeSchleife schleife;
    AttrappeDialoge dialoge;
    AttrappeProgramm programm;
    AttrappeSysteminfo system;
    PosixPapierkorb papierkorb{laufwerke, ""};
    PosixSperren sperren{laufwerke};
    ::Umgebung umgebung{datei, *prozesse, schleife, dialoge, programm, system, papierkorb, sperren};
};

// Wie schnell das Warten nach dem Stapel endet, misst bench_warten; hier zählt, dass es den ganzen
// Stapel abdeckt und abgibt, ohne im Kreis zu warten.
TEST_F(WartenTest, DecktDenGanzenStapelAbUndGibtAb) {
    Skript(vexlo / "qel2", "sleep 0.06; echo qel > qel.txt");
    Skript(vexlo / "bo2", "sleep \"$2\"; [ -e qel.txt ] && echo bo > bo.txt");
    for (int punkt = 0; punkt < 5; ++punkt) {
        BytesSchreiben(
            arbeit / "Kestrav.bat",
            "c:\\programme\\vexlo\\qel2 np.23o\r\nc:\\programme\\vexlo\\bo2 virt.23o 0.0" +
                std::to_string(40 + 13 * punkt) + "\r\n");
        for (const char* alt : {"qel.txt", "bo.txt"})
            fs::remove(arbeit / alt);
        schleife.aufrufe = 0;
        long long anfang = JetztMs();
        int pid = prozesse->StapelStarten(u"Kestrav.bat", Fensterstil::MinimiertOhneFokus);
        WarteAufProzess(umgebung, pid);
        long long zurueck = JetztMs();

        ASSERT_TRUE(fs::exists(arbeit / "bo.txt")) << "Warten endete vor dem Stapel";
        // Höchstens ein Abgeben je angefangene 100 ms: kein Warten im Kreis.
        EXPECT_GE(schleife.aufrufe, 1);
        EXPECT_LE(schleife.aufrufe, (zurueck - anfang) / 100 + 2);
    }
}

TEST_F(WartenTest, VerschwundenerOderFremderProzessLaeuftNicht) {
    pid_t weg = fork();
    if (weg == 0)
        _exit(0);
    ASSERT_EQ(waitpid(weg, nullptr, 0), weg);
    for (int pid : {static_cast<int>(weg), static_cast<int>(getppid()), 0, -1}) {
        EXPECT_NE(prozesse->Exitcode(pid), NOCH_AKTIV) << pid;
        long long anfang = JetztMs();
        prozesse->WarteAufEndeInSchritten(pid, 2000);
        if (pid == weg) // auf einen fremden, lebenden Prozess wartet WarteAufEnde die Höchstzeit
            prozesse->WarteAufEnde(pid, 2000);
        EXPECT_LT(JetztMs() - anfang, 500) << pid;
    }
    // Die Warteroutine gibt dann gar nicht erst ab.
    int Prozesskennung = weg;
    WarteAufProzess(umgebung, Prozesskennung);
    EXPECT_EQ(schleife.aufrufe, 0);
}

} // namespace
