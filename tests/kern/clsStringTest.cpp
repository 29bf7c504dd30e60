#include "station/clsString.h"

#include <gtest/gtest.h>

// Wächst auf das Doppelte plus das neue Stück, so kosten viele Stücke linear; angehängte
// Leerzeichen gehören zum Ergebnis, obwohl der Puffer mit Leerzeichen aufgefüllt ist.
TEST(clsString, WaechstAufDoppeltePlusStueckUndKostetLinear) {
    clsString s;
    s.Add(Text(100, u'a'));
    s.Add(u"ä ");
    EXPECT_EQ(s.Kapazitaet(), 202u);
    EXPECT_EQ(s.Result(), Text(100, u'a') + u"ä ");
    s.Reset();
    EXPECT_EQ(s.Result(), u"");

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
