#include "station/Rinexscan.h"
#include "hilfen/TestUmgebung.h"
#include "station/Tagespruefung.h"

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

Text Meldungstext(const Text& d1, const Text& d2) {
    return u"Die Beobachtungstage " + d1 + u" und " + d2 +
           u" sind unterschiedlich!\nBitte bereinigen Sie Ihre Daten!";
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
}

TEST(Rinexscan, ZweiterTagStelltDenZeitgeber) {
    struct Fall {
        std::initializer_list<const char*> namen;
        const char16_t* tag;
        bool gestellt;
    };
    for (const Fall& f : {Fall{{"abcd1230.12o", "efgh1240.12o"}, u"123*", true},
                          Fall{{"abcd1230.12o", "x.12o"}, u"123*", true},
                          Fall{{"ab.12o"}, u"2o*", false}, Fall{{"abcd1230.12n"}, u"*", false}}) {
        TestUmgebung u;
        Basisformular& form = Einlesen(u, f.namen);
        EXPECT_EQ(form.Beobachtungstag.Wert(), f.tag) << *(f.namen.end() - 1);
        EXPECT_EQ(form.TimerErrFormLoad.Aktiviert(), f.gestellt) << *(f.namen.end() - 1);
    }
}

// Ein Zeilenumbruch im Namen würde in der Stapeldatei ein eigener Befehl: die Datei fehlt in der
// Liste. Namen, die der Rechenkern nicht lesen kann, bleiben; ein Hinweis nennt beide Arten.
TEST(Rinexscan, UnsichereNamenFehlenUnlesbareWerdenGenannt) {
    TestUmgebung u;
    // "-rf2830.23o" hat einen anderen Tag: dessen Meldung darf erst nach dem Hinweis kommen.
    bool tagesmeldungGeplant = true;
    u.dialoge.waehrendOffen = [&](const Meldung&) {
        tagesmeldungGeplant = u.Formular().TimerErrFormLoad.Aktiviert();
    };
    Basisformular& form =
        Einlesen(u, {"np012830.23o", "x\ntouch PWNED\n2830.23o", "a\rb\1772830.23o", "-rf2830.23o",
                     "n p2830.23o", "q\"2830.23o", "\316\251ab2830.23o"});
    EXPECT_EQ(form.Neupunkte.Eintraege(),
              (std::vector<Text>{u"-rf2830.23o", u"n p2830.23o", u"np012830.23o", u"q\"2830.23o",
                                 u"\u03A9ab2830.23o"}));
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    const Meldung& m = u.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, Text(AusgelassenKopf) +
                          u"\na<CR>b<DEL>2830.23o\nx<LF>touch PWNED<LF>2830.23o" + u"\n\n" +
                          Text(UnlesbarKopf) + u"\n-rf2830.23o\nn p2830.23o\nq\"2830.23o" +
                          u"\n\u03A9ab2830.23o");
    EXPECT_EQ(m.symbol, Symbol::Ausrufezeichen);
    EXPECT_FALSE(tagesmeldungGeplant);
    EXPECT_TRUE(form.TimerErrFormLoad.Aktiviert());
    EXPECT_EQ(NamenshinweisText({}, {}), u"");
}

// 35 Zeichen bleiben ganz, darüber zählen die letzten 32.
TEST(Rinexscan, VerzeichnisKurzform) {
    EXPECT_EQ(VerzeichnisKurzform(u"c:\\" + Text(32, u'a')), u"c:\\..." + Text(32, u'a'));
    EXPECT_EQ(VerzeichnisKurzform(u"z:\\" + Text(15, u'x') + Text(32, u'y')),
              u"z:\\..." + Text(32, u'y'));
}

TEST(Tagesmeldung, NenntErstenUndLetztenAbweichendenTag) {
    using V = std::vector<Text>;
    EXPECT_EQ(TagesmeldungText(V{u"abcd1240.12o", u"bbbb1230.12o", u"cccc1240.12o"}),
              Meldungstext(u"124", u"123"));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"efgh1240.12o", u"ijkl1250.12o"}),
              Meldungstext(u"123", u"125"));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"abc"}), Meldungstext(u"123", u""));
    EXPECT_EQ(TagesmeldungText(V{}), std::nullopt);
}

// Der Zeitgeber prüft die Listen erst, wenn er tickt: wurde der abweichende Eintrag vorher entfernt
// oder die Liste geleert, schaltet er sich nur ab.
TEST(Tagespruefung, GeaenderteOderLeereListeSchaltetNurAb) {
    TestUmgebung u;
    Basisformular& form = Einlesen(u, {"abcd1230.12o", "efgh1240.12o"});
    form.chkDelRINEX.SetzeWert(1);
    form.Neupunkte.SetzeAuswahl(1);
    form.Neupunkte.beiDoppelklick();
    u.schleife.Vorruecken(500);
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
    form.Neupunkte.Leeren();
    form.TimerErrFormLoad.SetzeAktiviert(true);
    u.schleife.Vorruecken(500);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
}
