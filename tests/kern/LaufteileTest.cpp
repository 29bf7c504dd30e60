// Reine Teile des Berechnungslaufs: ANTEX-Rumpf, Kennungen, Anzeigen.
#include "platform/Laufzeitfehler.h"
#include "run/Antex.h"
#include "run/Fortschritt.h"
#include "run/Jobdatei.h"
#include "run/Vorbereitung.h"

#include <gtest/gtest.h>

struct RumpfFall {
    const char16_t* name;
    const char16_t* inhalt;
    const char16_t* rumpf;
};

class AntexRumpfTest : public ::testing::TestWithParam<RumpfFall> {};

TEST_P(AntexRumpfTest, SchneidetHinterDemKopfende) {
    EXPECT_EQ(AntexRumpf(GetParam().inhalt), Text(GetParam().rumpf));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AntexRumpfTest,
    ::testing::Values(
        RumpfFall{u"Normal", u"1.4 KOPF\r\n  END OF HEADER\r\nA\r\nB\r\n", u"\r\nA\r\nB\r\n"},
        // Nur Leerzeichen werden entfernt, der Zeilenumbruch dahinter bleibt.
        RumpfFall{u"LeerzeichenNachMarke", u"END OF HEADER    \r\nA  \r\n  ", u"\r\nA  \r\n"},
        RumpfFall{u"ZweiteMarkeBeendet", u"x END OF HEADER\r\nA\r\nEND OF HEADER\r\nB",
                  u"\r\nA\r\n"},
        RumpfFall{u"NichtsDahinter", u"END OF HEADER", u""},
        RumpfFall{u"TabulatorBleibt", u"END OF HEADER\t A \t", u"\t A \t"}),
    [](const auto& info) { return NachUtf8(info.param.name); });

TEST(AntexRumpf, OhneKopfendeIstLaufzeitfehler9) {
    for (const char16_t* inhalt : {u"", u"end of header\r\nA", u"END OF  HEADER"}) {
        try {
            AntexRumpf(inhalt);
            ADD_FAILURE() << NachUtf8(inhalt);
        } catch (const Laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 9);
        }
    }
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
    EXPECT_EQ(JahreskennungAus(u"abc.23o"), u"23");
    EXPECT_EQ(JahreskennungAus(u"o"), u"o");
    EXPECT_EQ(ReferenzkennungenAus({u"ab.23o", u"cc", u"dddd2830.23o"}), u"ab.2,cc,dddd");
    EXPECT_EQ(ReferenzkennungenAus({u" abc", u"x"}), u"abc,x");
    EXPECT_EQ(ReferenzkennungenAus({}), u"");
    EXPECT_EQ(DateistammAus(u" ohne punkt "), u"ohne punkt");
    EXPECT_EQ(TageskennungAus(u"  283*  "), u"283*");
    for (const char16_t* v : {u"1.5", u"", u"2 ", u"02"})
        EXPECT_FALSE(VersionUnterstuetzt(v)) << NachUtf8(v);
}

TEST(Fortschritt, StundenOhneGrenzeUndKennungOhneUnterstriche) {
    EXPECT_EQ(Zeitanzeige(360000), u"Berechnungzeit 100:00:00 ...");
    EXPECT_EQ(Punktanzeige(1, 12, u"__"), u"rechne 1.Punkt (1/12), MARKER NAME: ");
}
