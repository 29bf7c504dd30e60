#include "Demodaten.h"

#include <cstdio>
#include <sstream>

namespace fs = std::filesystem;

namespace {
std::unique_ptr<TempVerzeichnis> gSuite;
} // namespace

void Demodaten::SetUpTestSuite() {
    gSuite = std::make_unique<TempVerzeichnis>();
    const SimErgebnis demo =
        SimAusfuehren(SimProgramm(), "vexlo-sim", {"--demo", Quelle().string()}, gSuite->Pfad());
    ASSERT_TRUE(demo.beendet && demo.rueckgabe == 0) << demo.fehlerausgabe;
    const SimErgebnis installation = SimAusfuehren(
        SimProgramm(), "vexlo-sim", {"--installieren", Engine().string()}, gSuite->Pfad());
    ASSERT_TRUE(installation.beendet && installation.rueckgabe == 0) << installation.fehlerausgabe;
}

void Demodaten::TearDownTestSuite() {
    gSuite.reset();
}

fs::path Demodaten::Engine() {
    return gSuite->Pfad() / "c" / "programme" / "vexlo";
}
fs::path Demodaten::Quelle() {
    return gSuite->Pfad() / "demo";
}

void Demodaten::SetUp() {
    arbeit_ = std::make_unique<TempVerzeichnis>();
    for (const auto& eintrag : fs::directory_iterator(Quelle()))
        fs::copy_file(eintrag.path(), Arbeit() / eintrag.path().filename());
    Schreiben("$$$$$.atx", AntexSammeldatei(Datei("demo.atx")));
}

std::array<std::string, 2> Demodaten::Jobzeilen(const std::string& neupunkt,
                                                const std::string& qelText) {
    const std::string stamm = neupunkt.substr(0, neupunkt.find('.'));
    return {"c:\\programme\\vexlo\\qel2 " + neupunkt + " refa,refb,refc,refd +PRO " + qelText,
            "c:\\programme\\vexlo\\bo2 virt283.23o " + neupunkt + " +FE_ergebnis_" + stamm +
                "_list.txt +FS_ergebnis_" + stamm + "_sol.txt +FL_ergebnis_" + stamm +
                "_log.txt -e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb +ACF$$$$$.atx"};
}

void Demodaten::PunktRechnen(const std::string& neupunkt, const std::string& qelText) {
    for (const std::string& zeile : Jobzeilen(neupunkt, qelText)) {
        const SimErgebnis e = JobzeileAusfuehren(Engine(), zeile, Arbeit());
        ASSERT_TRUE(e.beendet) << zeile;
    }
}

std::string Demodaten::Datei(const std::string& name) const {
    return BytesLesen(Arbeit() / name);
}
bool Demodaten::Gibt(const std::string& name) const {
    return fs::exists(Arbeit() / name);
}
void Demodaten::Schreiben(const std::string& name, const std::string& bytes) const {
    BytesSchreiben(Arbeit() / name, bytes);
}

std::vector<std::string> CrLfZeilen(const std::string& bytes) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < bytes.size()) {
        const std::size_t ende = bytes.find("\r\n", anfang);
        const std::string zeile = bytes.substr(anfang, ende - anfang);
        EXPECT_EQ(zeile.find_first_of("\r\n"), std::string::npos) << "Zeilenende ohne CR LF";
        EXPECT_NE(ende, std::string::npos) << "letzte Zeile ohne CR LF";
        zeilen.push_back(zeile);
        if (ende == std::string::npos)
            break;
        anfang = ende + 2;
    }
    return zeilen;
}

std::vector<std::string> Spalten(std::string zeile) {
    for (char& c : zeile)
        if (c == '_')
            c = ' ';
    std::istringstream worte(zeile);
    std::vector<std::string> spalten;
    for (std::string w; worte >> w;)
        spalten.push_back(w);
    return spalten;
}

std::array<double, 3> Naeherung(const std::string& rinex) {
    std::array<double, 3> x{0, 0, 0};
    const std::size_t stelle = rinex.find("APPROX POSITION XYZ");
    if (stelle != std::string::npos && stelle >= 60)
        std::sscanf(rinex.c_str() + stelle - 60, "%lf %lf %lf", &x[0], &x[1], &x[2]);
    return x;
}

std::string AntexSammeldatei(const std::string& antex) {
    std::string kopf =
        "     1.4            M                                       ANTEX VERSION / SYST\r\n"
        "A                                                           PCV TYPE / REFANT   \r\n"
        "                                                            END OF HEADER       \r\n";
    const std::size_t marke = antex.find("END OF HEADER");
    std::string rumpf = marke == std::string::npos ? "" : antex.substr(marke + 13);
    while (!rumpf.empty() && rumpf.front() == ' ')
        rumpf.erase(0, 1);
    return kopf + rumpf + "\r\n";
}
