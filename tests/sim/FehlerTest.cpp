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

std::string Ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    const std::size_t stelle = text.find(alt);
    EXPECT_NE(stelle, std::string::npos) << alt;
    if (stelle != std::string::npos)
        text.replace(stelle, alt.size(), neu);
    return text;
}

enum class Qelausgang { FatalOhneStation, FatalMitStation, NurStation };

struct QelFall {
    const char* name;
    std::function<void(const fs::path&)> vorbereiten; // im Arbeitsverzeichnis
    std::string qelText;                              // Kennungen und Schalter nach dem Neupunkt
    Qelausgang ausgang;
    std::string meldung; // Teil der FATAL-Zeile
};

// Ersetzt den Neupunkt durch eine Abwandlung seines Inhalts.
std::function<void(const fs::path&)> NeupunktAendern(std::function<std::string(std::string)> f) {
    return [f](const fs::path& a) {
        BytesSchreiben(a / "np012830.23o", f(BytesLesen(a / "np012830.23o")));
    };
}

// Inhalt (Spalten 1 bis 60) der Kopfzeile mit dieser Beschriftung.
std::string KopfzeileErsetzt(std::string rinex, const std::string& beschriftung,
                             std::string inhalt) {
    const std::size_t stelle = rinex.find(beschriftung);
    inhalt.resize(60, ' ');
    if (stelle != std::string::npos && stelle >= 60)
        rinex.replace(stelle - 60, 60, inhalt);
    return rinex;
}

void PrintTo(const QelFall& f, std::ostream* aus) {
    *aus << f.name;
}

} // namespace

class QelFehler : public Demodaten, public ::testing::WithParamInterface<QelFall> {};

TEST_P(QelFehler, MeldetOhneAbsturz) {
    const QelFall& f = GetParam();
    if (f.vorbereiten)
        f.vorbereiten(Arbeit());
    std::istringstream worte(f.qelText);
    std::vector<std::string> argumente{"np012830.23o"};
    for (std::string w; worte >> w;)
        argumente.push_back(w);
    if (f.qelText == "-")
        argumente.clear();
    const SimErgebnis e = SimAusfuehren(Engine() / "qel2", "qel2", argumente, Arbeit(), 10);
    ASSERT_TRUE(e.beendet) << "Absturz oder Hänger";
    const std::string log = Datei("qellog.txt");
    const bool station = Gibt("virt283.23o");
    EXPECT_EQ(station, f.ausgang != Qelausgang::FatalOhneStation) << log;
    EXPECT_EQ(e.rueckgabe, station ? 0 : 1);
    if (f.ausgang == Qelausgang::NurStation) {
        EXPECT_EQ(log.find("FATAL ERROR:"), std::string::npos) << log;
        return;
    }
    EXPECT_NE(log.find("FATAL ERROR: " + f.meldung), std::string::npos) << log;
    EXPECT_EQ(Gibt("qel.err"), !station);
    // Fehlertexte aus Dateiinhalten bleiben druckbar, auch bei Binärmüll.
    for (unsigned char c : log)
        EXPECT_TRUE(c == '\r' || c == '\n' || (c >= ' ' && c < 0x7F)) << int(c);
}

#define NEUPUNKT(ausdruck) NeupunktAendern([](std::string np) { return ausdruck; })

// Der erste Wert der ersten Beobachtungszeile wird unlesbar.
std::string WertVerdorben(std::string np) {
    const std::size_t epoche = np.find('\n', np.find("END OF HEADER")) + 1;
    const std::size_t wert = np.find('.', np.find('\n', epoche) + 1);
    np[wert] = 'x';
    return np;
}

const std::string kAlle = "refa,refb,refc,refd +PRO -e10";

INSTANTIATE_TEST_SUITE_P(
    Faelle, QelFehler,
    ::testing::Values(
        QelFall{"NeupunktLeer", NEUPUNKT(std::string(np, 0, 0)), kAlle, Qelausgang::FatalOhneStation,
                "cannot read new point file np012830.23o (file is empty)"},
        QelFall{"NeupunktBinaermuell", NEUPUNKT(Muell(5000 + np.size() * 0, 7)), kAlle,
                Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"KopfAbgeschnitten", NEUPUNKT(np.substr(0, 700)), kAlle,
                Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"MittenInDerEpocheAbgeschnitten", NEUPUNKT(np.substr(0, np.size() / 2)), kAlle,
                Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"UnmoeglicheEpochenzeit",
                NEUPUNKT(Ersetzt(np, " 23 10 10  8 30  0.0", " 23 13 10  8 30  0.0")), kAlle,
                Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"UnlesbarerWert", NeupunktAendern(WertVerdorben), kAlle,
                Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"OhneNaeherung",
                NEUPUNKT(KopfzeileErsetzt(np, "APPROX POSITION XYZ",
                                          "        0.0000        0.0000        0.0000")),
                kAlle, Qelausgang::FatalOhneStation, "new point file np012830.23o has no usable"},
        QelFall{"NeupunktFehlt",
                [](const fs::path& a) { fs::remove(a / "np012830.23o"); },
                kAlle, Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"NeupunktIstFifo",
                [](const fs::path& a) {
                    fs::remove(a / "np012830.23o");
                    ASSERT_EQ(mkfifo((a / "np012830.23o").c_str(), 0600), 0);
                },
                kAlle, Qelausgang::FatalOhneStation, "cannot read new point file"},
        QelFall{"ReferenzFehlt",
                [](const fs::path& a) { fs::remove(a / "refb2830.23o"); },
                kAlle, Qelausgang::FatalMitStation,
                "no observation file for reference station refb (day 283, year 23)"},
        QelFall{"ReferenzIstMuell",
                [](const fs::path& a) {
                    BytesSchreiben(a / "refc2830.23o", Muell(300, 3));
                },
                kAlle, Qelausgang::FatalMitStation, "cannot read reference file refc2830.23o"},
        QelFall{"NurZweiReferenzen", nullptr, "refa,refb +PRO -e10", Qelausgang::FatalOhneStation,
                "only 2 usable reference stations, at least 3 are required"},
        QelFall{"DoppelteKennungZaehltEinmal", nullptr, "refa,REFA,refb +PRO",
                Qelausgang::FatalOhneStation, "only 2 usable reference stations"},
        QelFall{"ZweiDavonFehlen", nullptr, "refa,xxxx,refb,yyyy +PRO",
                Qelausgang::FatalOhneStation, "no observation file for reference station xxxx"},
        QelFall{"AntenneFehltImAntex",
                [](const fs::path& a) {
                    BytesSchreiben(a / "$$$$$.atx",
                                   Ersetzt(BytesLesen(a / "$$$$$.atx"), "VXS-ROVER-2", "VXS-ANDERE"));
                },
                kAlle + " +A$$$$$.atx", Qelausgang::FatalMitStation,
                "antenna type 'VXS-ROVER-2     NONE' of np012830.23o not found"},
        QelFall{"AntexFehlt", nullptr, kAlle + " +Afehlt.atx", Qelausgang::FatalMitStation,
                "cannot read ANTEX file fehlt.atx"},
        QelFall{"OhneKorrekturKeinAntex", nullptr, kAlle + " +Afehlt.atx -A",
                Qelausgang::NurStation, ""},
        QelFall{"GrossgeschriebeneDateien",
                [](const fs::path& a) {
                    fs::rename(a / "refa2830.23o", a / "REFA2830.23O");
                    fs::rename(a / "np012830.23o", a / "NP012830.23O");
                },
                kAlle + " +A$$$$$.atx", Qelausgang::NurStation, ""},
        QelFall{"OhneArgumente", nullptr, "-", Qelausgang::FatalOhneStation,
                "missing arguments"}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

struct BoFall {
    const char* name;
    std::function<void(const fs::path&)> vorbereiten;
    std::vector<std::string> argumente;
    std::string meldung;
};

const std::vector<std::string> kDateien{"+FEl.txt", "+FSs.txt", "+FLp.txt", "+Sb"};

std::vector<std::string> Mit(std::vector<std::string> a) {
    a.insert(a.end(), kDateien.begin(), kDateien.end());
    return a;
}

void PrintTo(const BoFall& f, std::ostream* aus) {
    *aus << f.name;
}

} // namespace

class BoFehler : public Demodaten, public ::testing::WithParamInterface<BoFall> {};

// Eine Referenzdatei dient hier als "virtuelle Station": Bo prüft nicht, woher sie stammt.
TEST_P(BoFehler, FehlerdateiStattErgebnisliste) {
    const BoFall& f = GetParam();
    if (f.vorbereiten)
        f.vorbereiten(Arbeit());
    const SimErgebnis e = SimAusfuehren(Engine() / "bo2", "bo2", f.argumente, Arbeit(), 10);
    ASSERT_TRUE(e.beendet);
    EXPECT_EQ(e.rueckgabe, 1);
    EXPECT_NE(Datei("bo.err").find("VEXLO-error: " + f.meldung), std::string::npos)
        << Datei("bo.err");
    EXPECT_FALSE(Gibt("l.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BoFehler,
    ::testing::Values(
        BoFall{"VirtuelleStationFehlt", nullptr, Mit({"virt283.23o", "np012830.23o"}),
               "cannot read virtual station file virt283.23o"},
        BoFall{"NeupunktIstMuell",
               [](const fs::path& a) { BytesSchreiben(a / "np012830.23o", Muell(999, 5)); },
               Mit({"refa2830.23o", "np012830.23o"}), "cannot read new point file np012830.23o"},
        BoFall{"KeineGleichzeitigenBeobachtungen", nullptr, Mit({"refa2830.23o", "np032830.23o"}),
               "no simultaneous observations"},
        BoFall{"NeupunktOhneNaeherung", NEUPUNKT(KopfzeileErsetzt(np, "APPROX POSITION XYZ", "")),
               Mit({"refa2830.23o", "np012830.23o"}),
               "new point file np012830.23o has no usable APPROX POSITION XYZ"},
        BoFall{"OhneArgumente", nullptr, kDateien, "missing arguments"}),
    [](const auto& info) { return std::string(info.param.name); });

// Verstümmelte Neupunktdateien durch Qel und Bo: jede Variante endet geordnet, und wo keine
// Station oder Liste entsteht, steht der Grund in qellog.txt, qel.err oder bo.err.
class Verstuemmelt : public Demodaten {};

TEST_F(Verstuemmelt, JedeVarianteEndetGeordnet) {
    const std::string np = Datei("np012830.23o");
    const auto jobs = Jobzeilen("np012830.23o");
    for (unsigned variante = 0; variante < 10; ++variante) {
        SCOPED_TRACE(variante);
        std::string bytes = np;
        if (variante % 2 == 0) {
            bytes.resize(np.size() * variante / 10 + variante * 37);
        } else {
            const std::string muell = Muell(12, variante);
            for (std::size_t i = 0; i < muell.size(); ++i)
                bytes[(np.size() / 13 * (i + 1) + variante * 101) % np.size()] = muell[i];
        }
        Schreiben("np012830.23o", bytes);
        for (const char* alt : {"virt283.23o", "qel.err", "bo.err", "_ergebnis_np012830_list.txt"})
            fs::remove(Arbeit() / alt);
        ASSERT_TRUE(JobzeileAusfuehren(Engine(), jobs[0], Arbeit()).beendet);
        const bool station = Gibt("virt283.23o");
        EXPECT_TRUE(station || Datei("qellog.txt").find("FATAL ERROR:") != std::string::npos ||
                    Gibt("qel.err"));
        ASSERT_TRUE(JobzeileAusfuehren(Engine(), jobs[1], Arbeit()).beendet);
        EXPECT_TRUE(Gibt("_ergebnis_np012830_list.txt") || Gibt("bo.err"));
        if (Gibt("_ergebnis_np012830_list.txt")) {
            EXPECT_EQ(CrLfZeilen(Datei("_ergebnis_np012830_list.txt")).size(), 2u);
        }
    }
}
