#include "station/Tagespruefung.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"efgh1240.12o", u"ijkl1250.12o"}),
              Meldungstext(u"123", u"125"));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"abc"}), Meldungstext(u"123", u""));
    EXPECT_EQ(TagesmeldungText(V{u"abcd1230.12o", u"efgh1230.12o"}), std::nullopt);
    EXPECT_EQ(TagesmeldungText(V{}), std::nullopt);
}

// Während des Scans keine Meldung: sie kommt erst mit dem Zeitgeber, genau einmal.
TEST_F(Tagespruefung, MeldetNachDemScanEinmal) {
    u.schleife.Vorruecken(499);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    u.schleife.Vorruecken(1);
    EXPECT_EQ(u.dialoge.Texte(), std::vector<Text>{Meldungstext(u"123", u"124")});
    EXPECT_FALSE(form.TimerErrFormLoad.Aktiviert());
    u.schleife.Vorruecken(5000);
    EXPECT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(form.Neupunkte.Anzahl(), 2); // die Listen bleiben, wie sie sind
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
