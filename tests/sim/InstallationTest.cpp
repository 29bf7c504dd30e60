// Das Engine-Verzeichnis, wie Kestrav es erwartet: Programme unter vier Namen (auch .exe),
// eine Geoiddatei *.bog und zwei gültige PDF-Handbücher.
#include "Demodaten.h"

#include <cstdlib>
#include <regex>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Prüft den Aufbau: Kopf, Querverweistabelle an der Stelle aus startxref, jeder Eintrag zeigt
// auf den Anfang seines Objekts, Dateiende.
void PdfPruefen(const std::string& pdf) {
    ASSERT_EQ(pdf.rfind("%PDF-1.4\r\n", 0), 0u);
    EXPECT_EQ(pdf.substr(pdf.size() - 7), "%%EOF\r\n");
    const std::size_t xref =
        std::strtoul(pdf.c_str() + pdf.rfind("startxref\r\n") + 11, nullptr, 10);
    std::smatch m;
    const std::string tabelle = pdf.substr(xref);
    ASSERT_TRUE(std::regex_search(tabelle, m, std::regex("^xref\r\n0 (\\d+)\r\n")));
    std::size_t eintrag = xref + m.length(0) + 20; // Eintrag 0 ist der freie Kopf der Liste
    for (int objekt = 1; objekt < std::stoi(m[1]); ++objekt, eintrag += 20) {
        const std::size_t stelle = std::strtoul(pdf.c_str() + eintrag, nullptr, 10);
        EXPECT_EQ(pdf.compare(eintrag + 10, 10, " 00000 n\r\n"), 0);
        const std::string kopf = std::to_string(objekt) + " 0 obj\r\n";
        EXPECT_EQ(pdf.compare(stelle, kopf.size(), kopf), 0) << "Objekt " << objekt;
    }
    EXPECT_NE(pdf.find("/Type /Catalog"), std::string::npos);
    EXPECT_NE(pdf.find("kein"), std::string::npos); // der Hinweis, dass es ein Simulator ist
}

} // namespace

TEST(Installation, ModuleGeoidUndHandbuecher) {
    TempVerzeichnis temp;
    fs::path engine = temp / "programme" / "vexlo";
    for (int mal = 0; mal < 2; ++mal) { // die zweite Installation überschreibt die erste
        const Prozesslauf e =
            SimAusfuehren(SimProgramm(), {"--installieren", engine.string()}, temp.Pfad());
        ASSERT_EQ(e.exitcode, 0) << e.fehler;
    }
    EXPECT_GT(fs::file_size(engine / "egm96_15.bog"), 1'000'000u);
    PdfPruefen(BytesLesen(engine / "Qel-Manual.pdf"));
    PdfPruefen(BytesLesen(engine / "Vexlo_UG_2.pdf"));
    // Jeder Name startet sein Modul; ohne Argumente meldet es das in seiner Protokolldatei.
    for (const char* name :
         {"qel", "qel2", "bo1", "bo2", "qel.exe", "qel2.exe", "bo1.exe", "bo2.exe"}) {
        SCOPED_TRACE(name);
        TempVerzeichnis arbeit;
        EXPECT_EQ(SimAusfuehren(engine / name, {}, arbeit.Pfad()).exitcode, 1);
        const bool qel = name[0] == 'q';
        EXPECT_NE(BytesLesen(arbeit / (qel ? "qellog.txt" : "bo.err")).find("missing arguments"),
                  std::string::npos);
        EXPECT_EQ(fs::exists(arbeit / "qellog.txt"), qel);
    }
    EXPECT_EQ(SimAusfuehren(engine / "vexlo-sim", {"--gibtsnicht"}, temp.Pfad()).exitcode, 2);
}
