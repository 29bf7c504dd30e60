// Schlechte Eingaben: nie ein Absturz oder Hänger, immer "FATAL ERROR:" oder eine *.err-Datei.
#include "Demodaten.h"

#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Muell(std::size_t laenge, unsigned saat) {
    std::string s;
    for (std::size_t i = 0; i < laenge; ++i) {
        saat = saat * 1103515245u + 12345u;
        s.push_back(static_cast<char>(saat >> 16));
    }
    return s;
}

// Ersetzt im Arbeitsverzeichnis den Inhalt einer Datei durch eine Abwandlung.
std::function<void(const fs::path&)> Aendern(const char* name,
                                             std::function<std::string(std::string)> f) {
    return [=](const fs::path& a) { BytesSchreiben(a / name, f(BytesLesen(a / name))); };
}

struct Fall {
    const char* name;
    std::function<void(const fs::path&)> vorbereiten;
    std::string zeile;   // Modul und Argumente
    std::string meldung; // in qellog.txt oder bo.err; leer: kein Fehler
    bool station;        // virt283.23o entsteht
    friend void PrintTo(const Fall& f, std::ostream* aus) { *aus << f.name; }
};

const std::string kQel = "qel2 np012830.23o refa,refb,refc,refd +PRO -e10";
const std::string kBo = " +FEl.txt +FSs.txt +FLp.txt +Sb";

} // namespace

class SchlechteEingabe : public Demodaten, public ::testing::WithParamInterface<Fall> {};

TEST_P(SchlechteEingabe, MeldetOhneAbsturz) {
    const Fall& f = GetParam();
    if (f.vorbereiten)
        f.vorbereiten(Arbeit());
    const Prozesslauf lauf = Job(f.zeile);
    ASSERT_TRUE(Geordnet(lauf)) << "Absturz oder Hänger";
    const bool qel = f.zeile.starts_with("qel");
    const std::string meldungen = Datei(qel ? "qellog.txt" : "bo.err");
    EXPECT_EQ(Gibt("virt283.23o"), f.station) << meldungen;
    if (f.meldung.empty()) {
        EXPECT_EQ(meldungen.find("FATAL ERROR:"), std::string::npos) << meldungen;
        EXPECT_EQ(lauf.exitcode, 0);
        return;
    }
    EXPECT_NE(meldungen.find(f.meldung), std::string::npos) << meldungen;
    EXPECT_EQ(lauf.exitcode, f.station ? 0 : 1);
    EXPECT_EQ(Gibt("qel.err"), qel && !f.station);
    EXPECT_FALSE(Gibt("l.txt"));
    // Fehlertexte aus Dateiinhalten bleiben druckbar, auch bei Binärmüll.
    for (unsigned char c : meldungen)
        EXPECT_TRUE(c == '\r' || c == '\n' || (c >= ' ' && c < 0x7F)) << int(c);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SchlechteEingabe,
    ::testing::Values(
        Fall{"NeupunktLeer", Aendern("np012830.23o", [](auto) { return std::string(); }), kQel,
             "FATAL ERROR: cannot read new point file np012830.23o (file is empty)", false},
        Fall{"NeupunktBinaermuell", Aendern("np012830.23o", [](auto) { return Muell(5000, 7); }),
             kQel, "FATAL ERROR: cannot read new point file", false},
        Fall{"OhneNaeherung",
             Aendern("np012830.23o",
                     [](auto np) {
                         const std::size_t stelle = np.find("APPROX POSITION XYZ");
                         return np.replace(stelle - 60, 60, std::string(60, ' '));
                     }),
             kQel, "FATAL ERROR: new point file np012830.23o has no usable", false},
        Fall{"NeupunktIstFifo",
             [](const fs::path& a) {
                 fs::remove(a / "np012830.23o");
                 ASSERT_EQ(mkfifo((a / "np012830.23o").c_str(), 0600), 0);
             },
             kQel, "FATAL ERROR: cannot read new point file", false},
        Fall{"ReferenzFehlt", [](const fs::path& a) { fs::remove(a / "refb2830.23o"); }, kQel,
             "FATAL ERROR: no observation file for reference station refb (day 283", true},
        // Doppelt genannte Referenzen zählen einmal: zwei statt der nötigen drei.
        Fall{"NurZweiReferenzen", nullptr, "qel2 np012830.23o refa,REFA,refb +PRO",
             "FATAL ERROR: only 2 usable reference stations, at least 3 are required", false},
        Fall{"AntenneFehltImAntex",
             Aendern("demo.atx",
                     [](auto atx) {
                         return atx.replace(atx.find("VXS-ROVER-2"), 11, "VXS-ANDERE1");
                     }),
             kQel + " +Ademo.atx",
             "FATAL ERROR: antenna type 'VXS-ROVER-2     NONE' of np012830.23o not found", true},
        Fall{"OhneKorrekturKeinAntex", nullptr, kQel + " +Afehlt.atx -A", "", true},
        Fall{"GrossgeschriebeneDateien",
             [](const fs::path& a) {
                 fs::rename(a / "refa2830.23o", a / "REFA2830.23O");
                 fs::rename(a / "np012830.23o", a / "NP012830.23O");
             },
             kQel + " +Ademo.atx", "", true},
        Fall{"VirtuelleStationFehlt", nullptr, "bo2 virt283.23o np012830.23o" + kBo,
             "VEXLO-error: cannot read virtual station file virt283.23o", false},
        // Eine Referenzdatei dient als "virtuelle Station": Bo prüft nicht, woher sie stammt.
        Fall{"KeineGleichzeitigenBeobachtungen", nullptr, "bo2 refa2830.23o np032830.23o" + kBo,
             "VEXLO-error: no simultaneous observations", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Verstümmelte Neupunktdateien durch Qel und Bo: jede Variante endet geordnet, und wo keine
// Station oder Liste entsteht, steht der Grund in qellog.txt, qel.err oder bo.err.
TEST_F(Demodaten, VerstuemmelterNeupunktEndetGeordnet) {
    const std::string np = Datei("np012830.23o");
    const auto jobs = Jobzeilen("np012830.23o");
    for (unsigned variante = 0; variante < 10; ++variante) {
        SCOPED_TRACE(variante);
        std::string bytes = np;
        if (variante % 2 == 0)
            bytes.resize(np.size() * variante / 10 + variante * 37);
        else
            for (std::size_t i = 0; i < 12; ++i)
                bytes[(np.size() / 13 * (i + 1) + variante * 101) % np.size()] =
                    Muell(12, variante)[i];
        Schreiben("np012830.23o", bytes);
        for (const char* alt : {"virt283.23o", "qel.err", "bo.err", "_ergebnis_np012830_list.txt"})
            fs::remove(Arbeit() / alt);
        ASSERT_TRUE(Geordnet(Job(jobs[0])));
        EXPECT_TRUE(Gibt("virt283.23o") ||
                    Datei("qellog.txt").find("FATAL ERROR:") != std::string::npos ||
                    Gibt("qel.err"));
        ASSERT_TRUE(Geordnet(Job(jobs[1])));
        if (Gibt("_ergebnis_np012830_list.txt"))
            EXPECT_EQ(CrLfZeilen(Datei("_ergebnis_np012830_list.txt")).size(), 2u);
        else
            EXPECT_TRUE(Gibt("bo.err"));
    }
}
