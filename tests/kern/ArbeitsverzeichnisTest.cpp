#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

// Abbrechen ohne frühere Wahl schaltet nur den Knopf ab. Der Dialog beginnt beim Startargument; die
// Wahl setzt das Verzeichnis klein geschrieben und liest es neu ein, ein späteres Abbrechen liest
// es noch einmal ein und verwirft die Zuordnung.
TEST(Arbeitsverzeichnis, WahlUndAbbrechenLesenEin) {
    TestUmgebung u;
    Basisformular& form = u.Formular();
    const fs::path ordner = u.laufwerkC / "Projekte" / "Tag2";
    BytesSchreiben(ordner / "abcd1230.12O", "");
    form.Neupunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    form.zustand.Startargument = u"c:\\daten\\tag1\\abcd1230.12o";
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"");
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"alt10000.12o"});
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());

    u.dialoge.dateiantworten.push_back(AusUtf8((ordner / "abcd1230.12O").string()));
    form.AuswahlArbeitsverzeichnis.Klicken();
    ASSERT_EQ(u.dialoge.dateiprotokoll.size(), 2u);
    EXPECT_EQ(fs::path(NachUtf8(u.dialoge.dateiprotokoll[1].startverzeichnis)),
              u.arbeit / "abcd1230.12o");
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\projekte\\tag2\\");
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"abcd1230.12O"});
    EXPECT_EQ(form.VerzeichnisNeupunkte.Wert(), u"c:\\...projekte\\tag2");

    form.Referenzpunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    BytesSchreiben(ordner / "ijkl1230.12o", "");
    form.AuswahlArbeitsverzeichnis.Klicken();
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.Neupunkte.Eintraege(), (std::vector<Text>{u"abcd1230.12O", u"ijkl1230.12o"}));
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
}
