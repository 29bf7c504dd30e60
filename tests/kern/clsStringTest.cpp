#include "station/clsString.h"

#include <gtest/gtest.h>

// Wächst auf das Doppelte plus das neue Stück; angehängte Leerzeichen gehören zum Ergebnis.
TEST(clsString, WaechstAufDoppeltePlusNeuesStueck) {
    clsString s;
    s.Add(Text(100, u'a'));
    s.Add(u"");
    EXPECT_EQ(s.Kapazitaet(), 100u);
    Text stueck(150, u'ä');
    s.Add(stueck);
    EXPECT_EQ(s.Kapazitaet(), 350u);
    s.Add(Text(100, u'y'));
    EXPECT_EQ(s.Kapazitaet(), 350u);
    s.Add(u"  ");
    EXPECT_EQ(s.Kapazitaet(), 702u);
    EXPECT_EQ(s.Result(), Text(100, u'a') + stueck + Text(100, u'y') + u"  ");
    s.Reset();
    EXPECT_EQ(s.Result(), u"");
    EXPECT_EQ(s.Kapazitaet(), 100u);
}

TEST(clsString, VieleStueckeKostenLinear) {
    clsString s;
    Text erwartet;
    int wachstum = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::size_t vorher = s.Kapazitaet();
        s.Add(ZahlText(i) + u";");
        erwartet += ZahlText(i) + u";";
        wachstum += s.Kapazitaet() != vorher;
    }
    EXPECT_EQ(s.Result(), erwartet);
    EXPECT_LE(wachstum, 15);
}
