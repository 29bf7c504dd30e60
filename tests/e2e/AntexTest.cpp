// Die ANTEX-Sammeldatei "$$$$$.atx", wie die Engine sie beim Start vorfindet.
#include "Laufumgebung.h"

namespace {

const std::string Kopf =
    "     1.4            M                                       ANTEX VERSION / SYST\r\n"
    "A                                                           PCV TYPE / REFANT   \r\n"
    "                                                            END OF HEADER       \r\n";

// Rumpf von AntexBeispiel: der Zeilenumbruch der Kopfende-Zeile, dann die Antennen.
std::string Rumpf(const std::string& datei) {
    const std::string marke = "END OF HEADER";
    return datei.substr(datei.find(marke) + marke.size() + 7);
}

struct AntexFall {
    const char* name;
    std::vector<std::pair<std::string, std::string>> dateien;
    std::string sammeldatei;                // beim Start bzw. nach dem Fehler
    std::string imProgrammverzeichnis = ""; // antex.atx dort, "" wenn keine
    bool fehler = false;
};

class AntexTest : public Laufumgebung, public ::testing::WithParamInterface<AntexFall> {};

TEST_P(AntexTest, SammeldateiByteFuerByte) {
    for (const auto& [name, bytes] : GetParam().dateien)
        Datei(name, bytes);
    if (!GetParam().imProgrammverzeichnis.empty())
        BytesSchreiben(t.programm / "antex.atx", GetParam().imProgrammverzeichnis);

    Berechnen();

    ASSERT_EQ(starts.size(), GetParam().fehler ? 0u : 1u);
    EXPECT_EQ(GetParam().fehler ? Inhalt("$$$$$.atx") : starts[0].sammeldatei,
              GetParam().sammeldatei);
    if (GetParam().fehler) {
        EXPECT_EQ(form.zustand.Fehlerbeschreibung, u"Index außerhalb des gültigen Bereichs");
        ErwarteAbgebrochen();
    }
}

const std::string Eins = AntexBeispiel("EINS", "ZWEI");
const std::string Drei = AntexBeispiel("DREI", "VIER");

INSTANTIATE_TEST_SUITE_P(
    Faelle, AntexTest,
    ::testing::Values(
        // Kopf, je Datei der Rumpf ab dem Umbruch der Kopfende-Zeile und eine Leerzeile; nach
        // Namen ohne Rücksicht auf Groß-/Kleinschreibung: antex vor Zweite.
        AntexFall{"ZweiDateien",
                  {{"Zweite.atx", Drei}, {"antex.atx", Eins}},
                  Kopf + Rumpf(Eins) + "\r\n" + Rumpf(Drei) + "\r\n"},
        AntexFall{"AlteSammeldateiZaehltNicht",
                  {{"$$$$$.atx", "alt END OF HEADER\r\nALTE ANTENNE\r\n"}, {"igs20.atx", Eins}},
                  Kopf + Rumpf(Eins) + "\r\n"},
        // Die Kopie aus dem Programmverzeichnis entsteht mit DateiSchreiben: ein CR LF mehr.
        AntexFall{"AusDemProgrammverzeichnis", {}, Kopf + Rumpf(Eins) + "\r\n\r\n", Eins},
        AntexFall{"VorhandeneWirdNichtUeberschrieben",
                  {{"antex.atx", Drei}},
                  Kopf + Rumpf(Drei) + "\r\n",
                  Eins},
        // Eine Datei ohne Kopfende bricht die Sammlung nach der ersten ab: Fehlerpfad, kein Start.
        AntexFall{"OhneKopfendeFehlerpfad",
                  {{"a.atx", Eins}, {"b.atx", "kein Kopfende\r\n"}, {"c.atx", Drei}},
                  Kopf + Rumpf(Eins) + "\r\n",
                  "",
                  true}),
    Fallname);

} // namespace
