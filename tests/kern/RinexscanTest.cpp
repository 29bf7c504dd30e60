#include "station/Rinexscan.h"
#include "RinexKopf.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<Text> Texte(std::initializer_list<const char16_t*> t) {
    return {t.begin(), t.end()};
}

} // namespace

TEST(Rinexscan, NimmtNurBeobachtungsdateienOhneVirtuelleStationen) {
    TestUmgebung u;
    Basisformular& form = u.Formular();
    for (const char* name :
         {"efgh1230.12O", "abcd1230.12o", "virt1230.12o", "abcdvirt.12o", "xyzVIRT0.12o",
          "mnopViRt.12O", "abcd1230.12n", "abcd1230.12d", "liesmich.txt"})
        u.Arbeitsdatei(name, RinexMitObserver("X", "Y"));
    std::filesystem::create_directories(u.arbeit / "ordner01.12o");
    u.InsArbeitsverzeichnis();

    form.ResetRINEX.Klicken();

    // Sortiert ohne Rücksicht auf Groß-/Kleinschreibung, Schreibweise wie im Verzeichnis.
    EXPECT_EQ(form.Neupunkte.Eintraege(), Texte({u"abcd1230.12o", u"efgh1230.12O"}));
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 2");
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 0");
    EXPECT_EQ(form.Beobachtungstag.Wert(), u"123*");
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
}

TEST(Rinexscan, LeeresVerzeichnisVerwirftZuordnungen) {
    TestUmgebung u;
    Basisformular& form = u.Formular();
    u.Arbeitsdatei("abcd1230.12n", "");
    u.InsArbeitsverzeichnis();
    form.Neupunkte.Hinzufuegen(u"alt10000.12o");
    form.Referenzpunkte.Hinzufuegen(u"alt20000.12o");
    form.CommandBerechnen.SetzeAktiviert(true);

    form.ResetRINEX.Klicken();

    EXPECT_EQ(form.Neupunkte.Anzahl() + form.Referenzpunkte.Anzahl(), 0);
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 0");
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 0");
    EXPECT_EQ(form.Beobachtungstag.Wert(), u"*");
    EXPECT_EQ(form.VerzeichnisNeupunkte.Wert(), u"c:\\...daten\\tag1");
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    // Knopf und Arbeitsverzeichnis gehören nicht zum Scan.
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    EXPECT_EQ(form.zustand.Arbeitsverzeichnis, u"");
}

TEST(Rinexscan, ZweiterTagStelltDenZeitgeber) {
    struct Fall {
        std::vector<const char*> namen;
        const char16_t* tag;
        bool gestellt;
    };
    for (const Fall& f : std::vector<Fall>{{{"abcd1230.12o", "efgh1230.12o"}, u"123*", false},
                                           {{"abcd1230.12o", "efgh1240.12o"}, u"123*", true},
                                           {{"abcd1230.12o", "site_a.12o"}, u"123*", true},
                                           {{"abcd1230.12o", "x.12o"}, u"123*", true},
                                           {{"ab.12o"}, u"2o*", false}}) {
        TestUmgebung u;
        Basisformular& form = u.Formular();
        for (const char* name : f.namen)
            u.Arbeitsdatei(name, "");
        u.InsArbeitsverzeichnis();
        form.ResetRINEX.Klicken();
        EXPECT_EQ(form.Beobachtungstag.Wert(), f.tag) << f.namen.back();
        EXPECT_EQ(form.TimerErrFormLoad.Aktiviert(), f.gestellt) << f.namen.back();
    }
}

TEST(Rinexscan, VerzeichnisKurzform) {
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\projekte\\2012\\rinex"), u"c:\\...projekte\\2012\\rinex");
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\"), u"c:\\...");
    // 35 Zeichen bleiben ganz, darüber zählen die letzten 32.
    const Text d35 = u"c:\\" + Text(32, u'a');
    EXPECT_EQ(VerzeichnisKurzform(d35), u"c:\\..." + Text(32, u'a'));
    const Text d50 = u"z:\\" + Text(15, u'x') + Text(32, u'y');
    EXPECT_EQ(VerzeichnisKurzform(d50), u"z:\\..." + Text(32, u'y'));
    EXPECT_EQ(VerzeichnisKurzform(d50).size(), 38u);
}
