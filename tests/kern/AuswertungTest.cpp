#include "evaluation/Ausgabe.h"
#include "evaluation/Logpruefung.h"
#include "evaluation/Qualitaet.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Fehlervermerk, JedesVorkommenEinStueckOhneTrenner) {
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR: a\r\nFATAL ERROR:  b  \r\n"),
              u" * QEL FATAL ERROR: a b");
    EXPECT_EQ(FehlervermerkAusLog(u"fatal error: a\r\n"), u"");
    // Ein einzelnes LF bleibt im Stück, nur CR LF fällt weg.
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR:x\ny"), u" * QEL FATAL ERROR: x\ny");
}

TEST(Ergebniszeile, MarkenUndWarnungen) {
    const Grenzwerte standard{u"high", u"90", u"5", u"5", u"6"};
    struct Fall {
        Text zeile;
        Grenzwerte grenzen;
        Text marken;
        int warnungen;
    };
    const Fall faelle[] = {
        // Qualität und Ambiguities verfehlt; die Groß-/Kleinschreibung des Qualitätsworts zählt.
        {u"np01 1 2 3 mittel 1 88 12 7.5 1.8", standard, u" * *", 2},
        // Jeder Test liest seine eigene Spalte: nur die Satelliten bzw. nur die Zeit verfehlt.
        {u"np01 1 2 3 high 1 95 12 4 1.8", standard, u" *", 1},
        {u"np01 1 2 3 high 1 95 4 12 1.8", standard, u" *", 1},
        // Werte gleich den Grenzen sind keine Warnung.
        {u"np01 1 2 3 high 1 90 5 5 6", standard, u"", 0},
        // Ein Unterstrich im Namen trennt eine Spalte ab: alle folgenden verschieben sich.
        {u"np_01 1 2 3 high 1 95 12 7.5 1.8", standard, u" * * *", 3},
        // "89,9" liest 89; Grenzwert ohne Zahl gilt als 0.
        {u"p 1 2 3 high 1 89,9 12 7 1", {u"high", u"89.5", u"x", u"5", u"6"}, u" *", 1},
    };
    for (const Fall& f : faelle) {
        Pruefergebnis e = ErgebniszeilePruefen(f.zeile, f.grenzen);
        Text erwartet = f.zeile + f.marken;
        std::replace(erwartet.begin(), erwartet.end(), u'_', u' ');
        EXPECT_EQ(e.punktzeile, erwartet);
        EXPECT_EQ(e.warnungen, f.warnungen) << NachUtf8(f.zeile);
    }
}

TEST(Hoehe, FeldZweiAmDoppelpunktRechtsbuendig) {
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 123.456"), u"123.456");
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 1:2"), u"1");
    EXPECT_EQ(RechtsBuendig8(u""), u"        ");
    EXPECT_EQ(RechtsBuendig8(u"1234.5678"), u"1234.5678");
}
