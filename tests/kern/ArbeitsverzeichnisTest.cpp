#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class Arbeitsverzeichnis : public ::testing::Test {
protected:
    void Waehlen(const fs::path& datei) {
        u.dialoge.dateiantworten.push_back(AusUtf8(datei.string()));
        form.AuswahlArbeitsverzeichnis.Klicken();
    }
    TestUmgebung u;
    Basisformular& form = u.Formular();
};

} // namespace

// Der Dialog beginnt beim Startargument; die Wahl setzt das Verzeichnis klein geschrieben und liest
// es neu ein.
TEST_F(Arbeitsverzeichnis, WahlSetztVerzeichnisUndLiestEin) {
    const fs::path ordner = u.laufwerkC / "Projekte" / "Tag2";
    BytesSchreiben(ordner / "abcd1230.12O", "");
    form.Referenzpunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    form.zustand.Startargument = u"c:\\daten\\tag1\\abcd1230.12o";

    Waehlen(ordner / "abcd1230.12O");

    ASSERT_EQ(u.dialoge.dateiprotokoll.size(), 1u);
    const Dateiauswahl& a = u.dialoge.dateiprotokoll[0];
    EXPECT_EQ(a.titel, u"Auswahl Arbeitsverzeichnis mittels Markierung RINEX-Datei");
    EXPECT_EQ(a.filter, u"RINEX-Datei (*.??o)|*.??o|");
    EXPECT_EQ(fs::path(NachUtf8(a.startverzeichnis)), u.arbeit / "abcd1230.12o");

    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\projekte\\tag2\\");
    EXPECT_EQ(Klein(u.datei->AktuellesVerzeichnis()), u"c:\\projekte\\tag2");
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"abcd1230.12O"});
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.VerzeichnisNeupunkte.Wert(), u"c:\\...projekte\\tag2");
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
}

// Abbrechen ohne frühere Wahl schaltet nur den Knopf ab; nach einer Wahl liest es das
// Verzeichnis neu ein und verwirft die Zuordnung.
TEST_F(Arbeitsverzeichnis, Abbrechen) {
    u.Arbeitsdatei("abcd1230.12o", "");
    u.InsArbeitsverzeichnis();
    form.Neupunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"");
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"alt10000.12o"});
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());

    Waehlen(u.arbeit / "abcd1230.12o");
    form.Referenzpunkte.Hinzufuegen(u"abcd1230.12o");
    u.Arbeitsdatei("ijkl1230.12o", "");
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\daten\\tag1\\");
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.Neupunkte.Eintraege(), (std::vector<Text>{u"abcd1230.12o", u"ijkl1230.12o"}));
}
