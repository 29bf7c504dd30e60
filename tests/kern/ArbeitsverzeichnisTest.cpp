#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

Text Host(const fs::path& p) {
    return AusUtf8(p.string());
}

class Arbeitsverzeichnis : public ::testing::Test {
protected:
    TestUmgebung u;
    Basisformular& form = u.Formular();
};

} // namespace

TEST_F(Arbeitsverzeichnis, DialogWirdWieEntworfenVorbereitet) {
    u.Arbeitsdatei("abcd1230.12o", "");
    form.zustand.Startargument = u"c:\\daten\\tag1\\abcd1230.12o";
    form.AuswahlArbeitsverzeichnis.Klicken();
    form.zustand.Startargument.clear();
    form.AuswahlArbeitsverzeichnis.Klicken();

    ASSERT_EQ(u.dialoge.dateiprotokoll.size(), 2u);
    const Dateiauswahl& a = u.dialoge.dateiprotokoll[0];
    EXPECT_EQ(a.titel, u"Auswahl Arbeitsverzeichnis mittels Markierung RINEX-Datei");
    EXPECT_EQ(a.filter, u"RINEX-Datei (*.??o)|*.??o|");
    EXPECT_EQ(fs::path(NachUtf8(a.startverzeichnis)), u.arbeit / "abcd1230.12o");
    EXPECT_EQ(u.dialoge.dateiprotokoll[1].startverzeichnis, u"");
}

TEST_F(Arbeitsverzeichnis, WahlSetztVerzeichnisUndLiestEin) {
    const fs::path ordner = u.laufwerkC / "Projekte" / "Tag2";
    BytesSchreiben(ordner / "abcd1230.12O", "");
    BytesSchreiben(ordner / "efgh1230.12o", "");
    form.Referenzpunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);
    u.dialoge.dateiantworten.push_back(Host(ordner / "abcd1230.12O"));

    form.AuswahlArbeitsverzeichnis.Klicken();

    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\projekte\\tag2\\");
    EXPECT_EQ(Klein(u.datei->AktuellesVerzeichnis()), u"c:\\projekte\\tag2");
    EXPECT_EQ(form.Neupunkte.Eintraege(), (std::vector<Text>{u"abcd1230.12O", u"efgh1230.12o"}));
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.VerzeichnisNeupunkte.Wert(), u"c:\\...projekte\\tag2");
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Arbeitsverzeichnis, DateiAusserhalbVonCWirdLaufwerkZ) {
    const fs::path ordner = u.temp / "Anderswo";
    BytesSchreiben(ordner / "abcd1230.12o", "");
    u.dialoge.dateiantworten.push_back(Host(ordner / "abcd1230.12o"));

    form.AuswahlArbeitsverzeichnis.Klicken();

    Text erwartet = u"z:" + Host(ordner) + u"\\";
    std::replace(erwartet.begin(), erwartet.end(), u'/', u'\\');
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, Klein(erwartet));
    EXPECT_EQ(form.Neupunkte.Anzahl(), 1);
}

TEST_F(Arbeitsverzeichnis, AbbrechenOhneFruehereWahlAendertNurDenKnopf) {
    u.Arbeitsdatei("abcd1230.12o", "");
    u.InsArbeitsverzeichnis();
    form.Neupunkte.Hinzufuegen(u"alt10000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);

    form.AuswahlArbeitsverzeichnis.Klicken();

    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"");
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"alt10000.12o"});
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Arbeitsverzeichnis, AbbrechenNachWahlLiestDasVerzeichnisNeuEin) {
    u.Arbeitsdatei("abcd1230.12o", "");
    u.dialoge.dateiantworten.push_back(Host(u.arbeit / "abcd1230.12o"));
    form.AuswahlArbeitsverzeichnis.Klicken();
    form.Neupunkte.SetzeAuswahl(0);
    form.Neupunkte.beiDoppelklick();
    ASSERT_EQ(form.Referenzpunkte.Anzahl(), 1);
    u.Arbeitsdatei("ijkl1230.12o", "");

    form.AuswahlArbeitsverzeichnis.Klicken();

    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"c:\\daten\\tag1\\");
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.Neupunkte.Eintraege(), (std::vector<Text>{u"abcd1230.12o", u"ijkl1230.12o"}));
}
