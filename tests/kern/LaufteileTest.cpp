// Reine Teile des Berechnungslaufs: ANTEX-Rumpf, Kennungen, Anzeigen.
#include "Pruefhilfen.h"
#include "run/Antex.h"
#include "run/Fortschritt.h"
#include "run/Jobdatei.h"
#include "run/Vorbereitung.h"

#include <gtest/gtest.h>

TEST(AntexRumpf, SchneidetHinterDemKopfende) {
    const std::pair<Text, Text> faelle[] = {
        {u"1.4 KOPF\r\n  END OF HEADER\r\nA\r\nB\r\n", u"\r\nA\r\nB\r\n"},
        // Nur Leerzeichen werden entfernt, der Zeilenumbruch dahinter bleibt.
        {u"END OF HEADER    \r\nA  \r\n  ", u"\r\nA  \r\n"},
        {u"x END OF HEADER\r\nA\r\nEND OF HEADER\r\nB", u"\r\nA\r\n"},
        {u"END OF HEADER", u""},
        {u"END OF HEADER\t A \t", u"\t A \t"},
    };
    for (const auto& [inhalt, rumpf] : faelle)
        EXPECT_EQ(AntexRumpf(inhalt), rumpf) << NachUtf8(inhalt);
}

TEST(AntexRumpf, OhneKopfendeIstLaufzeitfehler9) {
    for (const char16_t* inhalt : {u"", u"end of header\r\nA", u"END OF  HEADER"})
        ErwarteLaufzeitfehler(9, [&] { AntexRumpf(inhalt); });
}

TEST(AntexRumpf, AlleBytesBleibenErhalten) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b == ' ' ? 'x' : b));
    const Text rumpf = AusWindows1252(bytes);
    EXPECT_EQ(NachWindows1252(AntexRumpf(u"END OF HEADER" + rumpf)), bytes);
}

// Kurze und ungewöhnliche Namen gehen ohne Prüfung in die Kennungen ein.
TEST(Laufwerte, KennungenAusUngewoehnlichenNamen) {
    EXPECT_EQ(JahreskennungAus(u"o"), u"o");
    EXPECT_EQ(ReferenzkennungenAus({u"ab.23o", u"cc", u"dddd2830.23o"}), u"ab.2,cc,dddd");
    EXPECT_EQ(ReferenzkennungenAus({u" abc", u"x"}), u"abc,x");
    EXPECT_EQ(DateistammAus(u" ohne punkt "), u"ohne punkt");
    EXPECT_EQ(TageskennungAus(u"  283*  "), u"283*");
    for (const char16_t* v : {u"1.5", u"", u"2 ", u"02"})
        EXPECT_FALSE(VersionUnterstuetzt(v)) << NachUtf8(v);
}

TEST(Fortschritt, StundenOhneGrenzeUndKennungOhneUnterstriche) {
    EXPECT_EQ(Zeitanzeige(360000), u"Berechnungzeit 100:00:00 ...");
    EXPECT_EQ(Punktanzeige(1, 12, u"__"), u"rechne 1.Punkt (1/12), MARKER NAME: ");
}
