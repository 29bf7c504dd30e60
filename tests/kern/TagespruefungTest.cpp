#include "station/Tagespruefung.h"
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"

namespace {

Text Meldungstext(const Text& d1, const Text& d2) {
    return u"Die Beobachtungstage " + d1 + u" und " + d2 +
           u" sind unterschiedlich!\nBitte bereinigen Sie Ihre Daten!";
}

class Tagespruefung : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"abcd1230.12o", "efgh1240.12o"})
            u.Arbeitsdatei(name, "");
        u.InsArbeitsverzeichnis();
        form.ResetRINEX.Klicken();
    }

    TestUmgebung u;
    Basisformular& form = u.Formular();
};

} // namespace

TEST(Tagesmeldung, NenntErstenUndLetztenAbweichendenTag) {
    using V = std::vector<Text>;
    EXPECT_EQ(TagesmeldungText(V{u"abcd1240.12o", u"bbbb1230.12o", u"cccc1240.12o"}),
              Meldungstext(u"124", u"123"));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"site_a.12o"}), Meldungstext(u"123", u"_a."));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"efgh1240.12o", u"ijkl1250.12o"}),
              Meldungstext(u"123", u"125"));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"abc"}), Meldungstext(u"123", u""));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"efgh1230.12o"}), std::nullopt);
    EXPECT_EQ(TagesmeldungText(V{}), std::nullopt);
}

TEST_F(Tagespruefung, MeldetNachDemScanEinmal) {
    // Während des Scans keine Meldung: sie kommt erst mit dem Zeitgeber.
    u.schleife.Vorruecken(499);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    u.schleife.Vorruecken(1);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(Teile(u.dialoge.protokoll[0].meldung),
              std::tuple(Meldungstext(u"123", u"124"), Text(u"Kestrav"), Knoepfe::OK,
                         Symbol::Information));
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
    u.schleife.Vorruecken(5000);
    EXPECT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(form.Neupunkte.Anzahl(), 2); // die Listen bleiben, wie sie sind

    // Neu Laden meldet erneut.
    form.ResetRINEX.Klicken();
    u.schleife.Vorruecken(500);
    EXPECT_EQ(u.dialoge.protokoll.size(), 2u);
}

TEST_F(Tagespruefung, KeinZweitesEreignisWaehrendDieMeldungOffenIst) {
    int offen = 0;
    u.dialoge.waehrendOffen = [&](const Meldung&) {
        ++offen;
        u.schleife.Vorruecken(3000);
    };
    u.schleife.Vorruecken(500);
    EXPECT_EQ(offen, 1);
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
}

TEST_F(Tagespruefung, GeaenderteOderLeereListeSchaltetNurAb) {
    // Der abweichende Eintrag ist vor dem Ereignis entfernt worden.
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
