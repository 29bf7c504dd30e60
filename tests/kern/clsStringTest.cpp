#include "station/clsString.h"

#include <gtest/gtest.h>

TEST(clsString, WaechstAufDoppeltePlusNeuesStueck) {
    clsString s;
    EXPECT_EQ(s.Kapazitaet(), 100u);
    EXPECT_EQ(s.Result(), u"");
    Text stueck(150, u'x');
    stueck[0] = u'ä';
    s.Add(stueck);
    EXPECT_EQ(s.Kapazitaet(), 350u);
    EXPECT_EQ(s.Result(), stueck);
    s.Add(Text(200, u'y'));
    EXPECT_EQ(s.Kapazitaet(), 350u);
    s.Add(u"z");
    EXPECT_EQ(s.Kapazitaet(), 701u);
    EXPECT_EQ(s.Result(), stueck + Text(200, u'y') + u"z");
    s.Reset();
    EXPECT_EQ(s.Result(), u"");
    EXPECT_EQ(s.Kapazitaet(), 100u);
}

TEST(clsString, GenauVollUndLeeresStueck) {
    clsString s;
    s.Add(Text(100, u'a'));
    EXPECT_EQ(s.Kapazitaet(), 100u);
    s.Add(u"");
    EXPECT_EQ(s.Kapazitaet(), 100u);
    EXPECT_EQ(s.Result(), Text(100, u'a'));
    // Angehängte Leerzeichen gehören zum Ergebnis, die Füllzeichen dahinter nicht.
    s.Add(u"  ");
    EXPECT_EQ(s.Result(), Text(100, u'a') + u"  ");
}

TEST(clsString, VieleStueckeKostenLinear) {
    clsString s;
    Text erwartet;
    int wachstum = 0;
    std::size_t kapazitaet = s.Kapazitaet();
    for (int i = 0; i < 100000; ++i) {
        Text stueck = ZahlText(i) + u";";
        s.Add(stueck);
        erwartet += stueck;
        if (s.Kapazitaet() != kapazitaet) {
            EXPECT_GE(s.Kapazitaet(), 2 * kapazitaet);
            kapazitaet = s.Kapazitaet();
            ++wachstum;
        }
    }
    EXPECT_EQ(s.Result(), erwartet);
    EXPECT_LE(wachstum, 15);
}
