// Reine Teile des Berechnungslaufs: ANTEX-Rumpf und Kennungen.
#include "Pruefhilfen.h"
#include "run/Antex.h"
#include "run/Jobdatei.h"
#include "run/Vorbereitung.h"

TEST(AntexRumpf, SchneidetHinterDemErstenKopfende) {
    const std::pair<Text, Text> faelle[] = {
        {u"x END OF HEADER\r\nA\r\nEND OF HEADER\r\nB", u"\r\nA\r\n"},
        // Nur Leerzeichen werden entfernt, der Zeilenumbruch dahinter bleibt.
        {u"END OF HEADER    \r\nA  \r\n  ", u"\r\nA  \r\n"},
        {u"END OF HEADER", u""},
    };
    for (const auto& [inhalt, rumpf] : faelle)
        EXPECT_EQ(AntexRumpf(inhalt), rumpf) << NachUtf8(inhalt);
    for (const char16_t* inhalt : {u"", u"end of header\r\nA", u"END OF  HEADER"})
        ErwarteLaufzeitfehler(9, [&] { AntexRumpf(inhalt); });
}

// Kurze und ungewöhnliche Namen gehen ohne Prüfung in die Kennungen ein.
TEST(Laufwerte, KennungenAusUngewoehnlichenNamen) {
    EXPECT_EQ(JahreskennungAus(u"o"), u"o");
    EXPECT_EQ(ReferenzkennungenAus({u" abc", u"ab.23o", u"cc"}), u"abc,ab.2,cc");
    EXPECT_EQ(ReferenzkennungenAus({u"x"}), u"x");
    EXPECT_EQ(DateistammAus(u" ohne punkt "), u"ohne punkt");
    EXPECT_EQ(TageskennungAus(u"  283*  "), u"283*");
    for (const char16_t* v : {u"1.5", u"", u"2 ", u"02"})
        EXPECT_FALSE(VersionUnterstuetzt(v)) << NachUtf8(v);
}
