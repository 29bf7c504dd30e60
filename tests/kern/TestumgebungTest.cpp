#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

// Die virtuelle Uhr muss Zeitgeber genau dann ticken lassen, wenn ihre Zeit gekommen ist;
// sonst prüfen alle Tests mit Zeitgebern nichts.
TEST(VirtuelleUhr, ZeitgeberTickenNurEingeschaltetUndZurFaelligenZeit) {
    AttrappeSchleife schleife;
    Zeitgeber z("z", 1000);
    int ticks = 0;
    z.beiTick = [&] { ++ticks; };
    schleife.ZeitgeberAnmelden(z);
    schleife.Vorruecken(5000);
    z.SetzeAktiviert(true);
    schleife.Vorruecken(999);
    EXPECT_EQ(ticks, 0);
    schleife.Vorruecken(3725 * 1000 + 1);
    EXPECT_EQ(ticks, 3726);
    z.SetzeAktiviert(false);
    schleife.Vorruecken(10000);
    EXPECT_EQ(ticks, 3726);
}
