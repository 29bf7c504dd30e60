// Schlechte Eingaben: nie ein Absturz oder Hänger, immer "FATAL ERROR:" oder eine *.err-Datei.
#include "Demodaten.h"
#include "hilfen/Faelle.h"

namespace {

// Vor dem Aufruf wird in einer Datei des Arbeitsverzeichnisses "alt" durch "neu" ersetzt ("alt"
// leer: der ganze Inhalt).
struct Fall {
    const char* name;
    const char* datei;
    std::string alt, neu;
    std::string zeile;   // Modul und Argumente
    std::string meldung; // in qellog.txt oder bo.err
    bool station;        // virt283.23o entsteht
};

const std::string kQel = "qel2 np012830.23o refa,refb,refc,refd +PRO -e10";
const std::string kBo = " +FEl.txt +FSs.txt +FLp.txt +Sb";

} // namespace

class SchlechteEingabe : public Demodaten, public ::testing::WithParamInterface<Fall> {};

TEST_P(SchlechteEingabe, MeldetOhneAbsturz) {
    const Fall& f = GetParam();
    if (f.datei) {
        std::string text = Datei(f.datei);
        Schreiben(f.datei,
                  f.alt.empty() ? f.neu : text.replace(text.find(f.alt), f.alt.size(), f.neu));
    }
    const Prozesslauf lauf = Job(f.zeile);
    ASSERT_TRUE(Geordnet(lauf)) << "Absturz oder Hänger";
    const bool qel = f.zeile.starts_with("qel");
    const std::string meldungen = Datei(qel ? "qellog.txt" : "bo.err");
    EXPECT_EQ(Gibt("virt283.23o"), f.station) << meldungen;
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
        Fall{"NeupunktLeer", "np012830.23o", "", "", kQel,
             "FATAL ERROR: cannot read new point file np012830.23o (file is empty)", false},
        Fall{"OhneNaeherung", "np012830.23o", "APPROX POSITION XYZ", "COMMENT            ", kQel,
             "FATAL ERROR: new point file np012830.23o has no usable", false},
        Fall{"ReferenzFehlt", nullptr, "", "", "qel2 np012830.23o refa,refx,refc,refd +PRO",
             "FATAL ERROR: no observation file for reference station refx (day 283", true},
        // Doppelt genannte Referenzen zählen einmal: zwei statt der nötigen drei.
        Fall{"NurZweiReferenzen", nullptr, "", "", "qel2 np012830.23o refa,REFA,refb +PRO",
             "FATAL ERROR: only 2 usable reference stations, at least 3 are required", false},
        Fall{"AntenneFehltImAntex", "demo.atx", "VXS-ROVER-2", "VXS-ANDERE1", kQel + " +Ademo.atx",
             "FATAL ERROR: antenna type 'VXS-ROVER-2     NONE' of np012830.23o not found", true},
        Fall{"VirtuelleStationFehlt", nullptr, "", "", "bo2 virt283.23o np012830.23o" + kBo,
             "VEXLO-error: cannot read virtual station file virt283.23o", false},
        // Eine Referenzdatei dient als "virtuelle Station": Bo prüft nicht, woher sie stammt.
        Fall{"KeineGleichzeitigenBeobachtungen", nullptr, "", "",
             "bo2 refa2830.23o np032830.23o" + kBo, "VEXLO-error: no simultaneous observations",
             false}),
    Fallname);
