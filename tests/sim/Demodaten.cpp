#include "Demodaten.h"

#include <algorithm>

namespace fs = std::filesystem;

static std::unique_ptr<TempVerzeichnis> gSuite;

Prozesslauf SimAusfuehren(const fs::path& programm, const std::vector<std::string>& argumente,
                          const fs::path& verzeichnis) {
    std::vector<std::string> aufruf{"/usr/bin/timeout", "20", programm.string()};
    aufruf.insert(aufruf.end(), argumente.begin(), argumente.end());
    return ProzessAusfuehren({aufruf, verzeichnis, {}});
}

void Demodaten::SetUpTestSuite() {
    gSuite = std::make_unique<TempVerzeichnis>();
    for (const auto& argumente : {std::vector<std::string>{"--demo", (*gSuite / "demo").string()},
                                  {"--installieren", Engine().string()}}) {
        const Prozesslauf lauf =
            SimAusfuehren(KESTRAV_BIN_DIR "/vexlo-sim", argumente, gSuite->Pfad());
        ASSERT_EQ(lauf.exitcode, 0) << lauf.fehler;
    }
}

void Demodaten::TearDownTestSuite() {
    gSuite.reset();
}

fs::path Demodaten::Engine() {
    return *gSuite / "c/programme/vexlo";
}

void Demodaten::SetUp() {
    arbeit_ = std::make_unique<TempVerzeichnis>();
    for (const auto& eintrag : fs::directory_iterator(*gSuite / "demo"))
        fs::copy_file(eintrag.path(), Arbeit() / eintrag.path().filename());
}

Prozesslauf Demodaten::Job(const std::string& zeile) const {
    std::vector<std::string> argumente = Worte(zeile);
    const std::string befehl = argumente.front();
    argumente.erase(argumente.begin());
    return SimAusfuehren(Engine() / befehl.substr(befehl.find_last_of('\\') + 1), argumente,
                         Arbeit());
}

void Demodaten::PunktRechnen(const std::string& neupunkt) {
    const std::string stamm = neupunkt.substr(0, neupunkt.find('.'));
    for (const std::string& zeile :
         {"c:\\programme\\vexlo\\qel2 " + neupunkt + " refa,refb,refc,refd +PRO -e10 +Ademo.atx",
          "c:\\programme\\vexlo\\bo2 virt283.23o " + neupunkt + " +FE_ergebnis_" + stamm +
              "_list.txt +FS_ergebnis_" + stamm + "_sol.txt +FL_ergebnis_" + stamm +
              "_log.txt -e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb +ACFdemo.atx"})
        ASSERT_TRUE(Geordnet(Job(zeile))) << zeile;
}

std::vector<std::string> Spalten(std::string zeile) {
    std::replace(zeile.begin(), zeile.end(), '_', ' ');
    return Worte(zeile);
}
