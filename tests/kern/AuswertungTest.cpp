#include "evaluation/Abschluss.h"
#include "evaluation/Ausgabe.h"
#include "evaluation/Logpruefung.h"
#include "evaluation/Qualitaet.h"

#include <gtest/gtest.h>

TEST(Fehlervermerk, ZeilenWerdenOhneTrennerZusammengefuegt) {
    EXPECT_EQ(FehlervermerkAusLog(u"Qel 2\r\nFATAL ERROR: no reference station\r\nend\r\n"),
              u" * QEL FATAL ERROR: no reference stationend");
}

TEST(Fehlervermerk, JedesVorkommenEinStueckUndKleinschreibungIstKeineMarke) {
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR: a\r\nFATAL ERROR:  b  \r\n"),
              u" * QEL FATAL ERROR: a b");
    EXPECT_EQ(FehlervermerkAusLog(u"fatal error: a\r\n"), u"");
    EXPECT_EQ(FehlervermerkAusLog(u""), u"");
    // Ein einzelnes LF bleibt im Stück, nur CR LF fällt weg.
    EXPECT_EQ(FehlervermerkAusLog(u"FATAL ERROR:x\ny"), u" * QEL FATAL ERROR: x\ny");
}

namespace {
const Grenzwerte kStandard{u"high", u"90", u"5", u"5", u"6"};
}

struct Pruefung {
    const char16_t* zeile;
    Grenzwerte grenzen;
    const char16_t* punktzeile;
    int warnungen;
};

class ErgebniszeileTest : public ::testing::TestWithParam<Pruefung> {};

TEST_P(ErgebniszeileTest, MarkenUndWarnungen) {
    const auto& p = GetParam();
    Pruefergebnis e = ErgebniszeilePruefen(p.zeile, p.grenzen);
    EXPECT_EQ(e.punktzeile, p.punktzeile);
    EXPECT_EQ(e.warnungen, p.warnungen);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ErgebniszeileTest,
    ::testing::Values(
        // Alles innerhalb der Grenzen.
        Pruefung{u"np01  32500.1 56000.2 101.5 high 1 95 12 7.5 1.8", kStandard,
                 u"np01  32500.1 56000.2 101.5 high 1 95 12 7.5 1.8", 0},
        // Qualität und Ambiguities verfehlt: zwei Marken am Ende.
        Pruefung{u"np01 1 2 3 mittel 1 88 12 7.5 1.8", kStandard,
                 u"np01 1 2 3 mittel 1 88 12 7.5 1.8 * *", 2},
        // Groß-/Kleinschreibung des Qualitätsworts zählt.
        Pruefung{u"np01 1 2 3 High 1 95 12 7.5 1.8", kStandard,
                 u"np01 1 2 3 High 1 95 12 7.5 1.8 *", 1},
        // Werte gleich den Grenzen sind keine Warnung.
        Pruefung{u"np01 1 2 3 high 1 90 5 5 6", kStandard, u"np01 1 2 3 high 1 90 5 5 6", 0},
        // Ein Unterstrich im Namen trennt eine Spalte ab: alle folgenden verschieben sich.
        Pruefung{u"np_01 1 2 3 high 1 95 12 7.5 1.8", kStandard,
                 u"np 01 1 2 3 high 1 95 12 7.5 1.8 * * *", 3},
        // Fehlende Zeile: vier Warnungen, nur die Marken.
        Pruefung{u"", kStandard, u" * * * *", 4},
        // "89,9" liest 89; Grenzwert ohne Zahl gilt als 0.
        Pruefung{u"p 1 2 3 high 1 89,9 12 7 1",
                 {u"high", u"89.5", u"x", u"5", u"6"},
                 u"p 1 2 3 high 1 89,9 12 7 1 *",
                 1}));

TEST(Hoehe, FeldZweiAmDoppelpunktRechtsbuendig) {
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 123.456"), u"123.456");
    EXPECT_EQ(HoeheAusLoesungszeile(u"NHN-Höhe [m]: 1:2"), u"1");
    EXPECT_EQ(HoeheAusLoesungszeile(u""), u"");
    EXPECT_EQ(RechtsBuendig8(u"123.456"), u" 123.456");
    EXPECT_EQ(RechtsBuendig8(u""), u"        ");
    EXPECT_EQ(RechtsBuendig8(u"1234.5678"), u"1234.5678");
}

TEST(Abschlussmeldung, OhneUndMitWarnungen) {
    auto ohne = AbschlussmeldungFuer(3, 0, u"_ergebnis_283.mini");
    EXPECT_EQ(ohne.text, u"3 Neupunktkoordinaten ohne Warnungen berechnet!");
    EXPECT_EQ(ohne.titel, u"Kestrav");
    auto mit = AbschlussmeldungFuer(3, 2, u"_ergebnis_283.mini");
    EXPECT_EQ(mit.text, u"3 Neupunktkoordinaten mit 2 Warnungen berechnet!\n"
                        u"Siehe Datei <_ergebnis_283.mini>!");
    EXPECT_EQ(mit.titel, u"Achtung Warnungen!");
}
