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

TEST(VirtuelleUhr, SchlafenHaeltAufUndKeinZweiterTickWaehrendDerRegel) {
    AttrappeSchleife schleife;
    Zeitgeber z("z", 100);
    int ticks = 0;
    // Die Regel ruft selbst die Schleife auf, wie eine offene Meldung es täte.
    z.beiTick = [&] {
        ++ticks;
        schleife.Schlafen(1000);
        schleife.Ereignisse();
    };
    schleife.ZeitgeberAnmelden(z);
    bool ausgefuehrt = false;
    schleife.Planen(50, [&] { ausgefuehrt = true; });
    z.SetzeAktiviert(true);
    schleife.Schlafen(150);
    EXPECT_EQ(ticks, 0);
    schleife.Ereignisse();
    EXPECT_TRUE(ausgefuehrt);
    EXPECT_EQ(ticks, 1);
}

TEST(Meldungsattrappe, VorgabeknopfWennKeineAntwortVorbereitet) {
    AttrappeDialoge d;
    d.antworten.push_back(Antwort::Nein);
    EXPECT_EQ(d.Zeigen({u"a", u"t", Knoepfe::JaNein, Symbol::Frage, 1}), Antwort::Nein);
    EXPECT_EQ(d.Zeigen({u"b", u"t", Knoepfe::JaNein, Symbol::Frage, 1}), Antwort::Ja);
    EXPECT_EQ(d.Zeigen({u"c", u"t", Knoepfe::JaNein, Symbol::Frage, 2}), Antwort::Nein);
}
