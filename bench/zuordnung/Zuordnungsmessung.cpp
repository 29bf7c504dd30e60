// Misst die automatische Referenzauswahl über 50 RINEX-Dateien von je etwa 5 MB (Kopf oben,
// einige ohne OBSERVER-Zeile) gegen "grep -m1 -l OBSERVER" über dieselben Dateien und gibt
// "ratio X" aus (Zeit der Zuordnung / Zeit von grep, jeweils die beste von mehreren Runden).
#include "platform/Umgebung.h"
#include "platform/posix/Laufwerke.h"
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
#include "shell/Basisformular.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int Dateianzahl = 50;
constexpr std::size_t Zielgroesse = 5 * 1024 * 1024;
constexpr int Runden = 3;

// Nicht-interaktive Dienste: jede Meldung gilt als bestätigt, kein Prozess, keine Uhr.
class StilleDialoge : public Dialoge {
public:
    int meldungen = 0;
    Antwort Zeigen(const Meldung&) override {
        ++meldungen;
        return Antwort::OK;
    }
    Text DateiOeffnen(const Dateiauswahl&) override { return {}; }
};

class StilleSchleife : public Ereignisschleife {
public:
    void Ereignisse() override {}
    void Schlafen(int) override {}
};

class KeineProzesse : public Prozesse {
public:
    int StapelStarten(const Text&, Fensterstil) override { return 0; }
    int ProgrammStarten(const Text&, const Text&, Fensterstil) override { return 0; }
    int Exitcode(int) override { return 0; }
    void WarteAufEnde(int, int) override {}
    Text ZugeordnetesProgramm(const Text&) override { return {}; }
    void TexteditorOeffnen(const Text&) override {}
};

class StillesProgramm : public Programm {
public:
    void ZeigerSetzen(Mauszeiger) override {}
    void SofortBeenden() override {}
};

class FesteSysteminfo : public Systeminfo {
public:
    Text Beschreibung() override { return u"Messlauf, 64-bit"; }
    Text Programmpfad() override { return {}; }
    Text Befehlszeile() override { return {}; }
};

enum class Art { Referenz, Neupunkt, OhneObserver };

// Referenzen, Neupunkte und Dateien ohne OBSERVER-Zeile gemischt, damit die Durchgänge nach
// jedem Treffer an Dateien ohne Treffer vorbei müssen.
Art ArtVon(int i) {
    if (i % 5 == 1)
        return Art::Referenz;
    if (i % 5 == 3)
        return Art::OhneObserver;
    return Art::Neupunkt;
}

std::string Zeile(const std::string& inhalt, const std::string& label) {
    std::string z = inhalt;
    z.resize(60, ' ');
    return z + label + "\r\n";
}

std::string Kopf(int i, Art art) {
    char marker[8];
    std::snprintf(marker, sizeof marker, "P%03d", i);
    std::string k;
    k += Zeile("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE");
    k +=
        Zeile("MESSLAUF 1.0        KESTRAV             20230503 120000 UTC", "PGM / RUN BY / DATE");
    k += Zeile(marker, "MARKER NAME");
    if (art == Art::Referenz)
        k += Zeile("SAPOS               LGLN", "OBSERVER / AGENCY");
    else if (art == Art::Neupunkt)
        k += Zeile("MUELLER             VERMESSUNGSBUERO", "OBSERVER / AGENCY");
    k += Zeile("1234                GENERIC RX          1.0", "REC # / TYPE / VERS");
    k += Zeile("5678                GENERIC ANT     NONE", "ANT # / TYPE");
    k += Zeile("  3800000.0000   600000.0000  5000000.0000", "APPROX POSITION XYZ");
    k += Zeile("        0.0000        0.0000        0.0000", "ANTENNA: DELTA H/E/N");
    k += Zeile("     4    C1    L1    L2    P2", "# / TYPES OF OBSERV");
    k += Zeile("    30.000", "INTERVAL");
    k += Zeile("  2023     5     3     0     0    0.0000000     GPS", "TIME OF FIRST OBS");
    k += Zeile("", "END OF HEADER");
    return k;
}

// Ein Block von Epochen, der bis zur Zielgröße wiederholt wird.
std::string Beobachtungsblock(std::mt19937& zufall) {
    std::uniform_int_distribution<long> wert(20000000, 25000000);
    std::string b;
    for (int epoche = 0; epoche < 40; ++epoche) {
        b += " 23  5  3  0  0  0.0000000  0  8G01G03G06G11G14G17G19G22\r\n";
        for (int sat = 0; sat < 8; ++sat) {
            char zeile[96];
            std::snprintf(zeile, sizeof zeile, "%14ld.123 8%14ld.456 8%14ld.789 8%14ld.012 8\r\n",
                          wert(zufall), wert(zufall), wert(zufall), wert(zufall));
            b += zeile;
        }
    }
    return b;
}

std::string Dateiname(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "p%03d1230.23o", i);
    return name;
}

void DateienErzeugen(const fs::path& ordner) {
    std::mt19937 zufall(42);
    const std::string block = Beobachtungsblock(zufall);
    for (int i = 0; i < Dateianzahl; ++i) {
        std::ofstream aus(ordner / Dateiname(i), std::ios::binary);
        std::string kopf = Kopf(i, ArtVon(i));
        aus << kopf;
        for (std::size_t groesse = kopf.size(); groesse < Zielgroesse; groesse += block.size())
            aus << block;
    }
}

fs::path FrischerOrdner() {
    std::random_device zufall;
    fs::path ordner = fs::temp_directory_path() / ("kestrav-zuordnung-" + std::to_string(zufall()));
    fs::create_directories(ordner);
    return ordner;
}

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const fs::path ordner = FrischerOrdner();
    DateienErzeugen(ordner);

    PosixDateisystem datei(Laufwerke::AusUmgebung());
    KeineProzesse prozesse;
    StilleSchleife schleife;
    StilleDialoge dialoge;
    StillesProgramm programm;
    FesteSysteminfo system;
    // Ohne Laufwerke: Papierkorb und Sperren werden hier nie gebraucht.
    PosixPapierkorb papierkorb{Laufwerke{}, ""};
    PosixSperren sperren{Laufwerke{}};
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system, papierkorb, sperren};
    Basisformular form(umgebung);

    const Text arbeit = datei.AusHostpfad(AusUtf8(ordner.string()));
    datei.LaufwerkWechseln(arbeit);
    datei.VerzeichnisWechseln(arbeit);

    double zuordnung = 1e9;
    double grep = 1e9;
    int referenzen = 0;
    const std::string grepBefehl =
        "cd '" + ordner.string() + "' && grep -m1 -l OBSERVER *.23o >/dev/null";
    for (int runde = 0; runde < Runden; ++runde) {
        form.ResetRINEX.Klicken();
        auto start = Uhr::now();
        form.AutoZuordnungReferenz.Klicken();
        zuordnung = std::min(zuordnung, Sekunden(Uhr::now() - start));
        referenzen = form.Referenzpunkte.Anzahl();

        start = Uhr::now();
        const int rc = std::system(grepBefehl.c_str());
        grep = std::min(grep, Sekunden(Uhr::now() - start));
        if (rc != 0) {
            std::fprintf(stderr, "grep scheiterte (%d)\n", rc);
            fs::remove_all(ordner);
            return 1;
        }
    }
    fs::remove_all(ordner);

    int erwartet = 0;
    for (int i = 0; i < Dateianzahl; ++i)
        erwartet += ArtVon(i) == Art::Referenz ? 1 : 0;
    std::printf("Dateien %d zu je etwa %zu MB, Referenzstationen %d (erwartet %d)\n", Dateianzahl,
                Zielgroesse / (1024 * 1024), referenzen, erwartet);
    std::printf("Zuordnung %.4f s, grep %.4f s (beste von %d Runden)\n", zuordnung, grep, Runden);
    std::printf("ratio %.2f\n", zuordnung / grep);
    return referenzen == erwartet ? 0 : 1;
}
