#include "station/Rinexscan.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Legt leere Dateien an und liest das Arbeitsverzeichnis ein.
Basisformular& Einlesen(TestUmgebung& u, std::initializer_list<const char*> namen) {
    for (const char* name : namen)
        u.Arbeitsdatei(name, "");
    u.InsArbeitsverzeichnis();
    u.Formular().ResetRINEX.Klicken();
    return u.Formular();
}

} // namespace

TEST(Rinexscan, NimmtNurBeobachtungsdateienOhneVirtuelleStationen) {
    TestUmgebung u;
    std::filesystem::create_directories(u.arbeit / "ordner01.12o");
    Basisformular& form =
        Einlesen(u, {"efgh1230.12O", "abcd1230.12o", "virt1230.12o", "abcdvirt.12o", "mnopViRt.12O",
                     "abcd1230.12n", "abcd1230.12d", "liesmich.txt"});
    // Sortiert ohne Rücksicht auf Groß-/Kleinschreibung, Schreibweise wie im Verzeichnis.
    EXPECT_EQ(form.Neupunkte.Eintraege(), (std::vector<Text>{u"abcd1230.12o", u"efgh1230.12O"}));
    EXPECT_EQ(form.Beobachtungstag.Wert(), u"123*");
}

TEST(Rinexscan, ZweiterTagStelltDenZeitgeber) {
    struct Fall {
        std::initializer_list<const char*> namen;
        const char16_t* tag;
        bool gestellt;
    };
    for (const Fall& f : {Fall{{"abcd1230.12o", "efgh1230.12o"}, u"123*", false},
                          Fall{{"abcd1230.12o", "efgh1240.12o"}, u"123*", true},
                          Fall{{"abcd1230.12o", "x.12o"}, u"123*", true},
                          Fall{{"ab.12o"}, u"2o*", false}, Fall{{"abcd1230.12n"}, u"*", false}}) {
        TestUmgebung u;
        Basisformular& form = Einlesen(u, f.namen);
        EXPECT_EQ(form.Beobachtungstag.Wert(), f.tag) << *(f.namen.end() - 1);
        EXPECT_EQ(form.TimerErrFormLoad.Aktiviert(), f.gestellt) << *(f.namen.end() - 1);
    }
}

TEST(Rinexscan, VerzeichnisKurzform) {
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\"), u"c:\\...");
    // 35 Zeichen bleiben ganz, darüber zählen die letzten 32.
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\" + Text(32, u'a')), u"c:\\..." + Text(32, u'a'));
    EXPECT_EQ(VerzeichnisKurzform(u"z:\\" + Text(15, u'x') + Text(32, u'y')),
              u"z:\\..." + Text(32, u'y'));
}
