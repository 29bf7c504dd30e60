#include "platform/Text.h"
#include "platform/Zahlen.h"

#include <gtest/gtest.h>

TEST(Windows1252, AlleBytesKommenUnveraendertZurueck) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle.push_back(static_cast<char>(b));
    EXPECT_EQ(NachWindows1252(AusWindows1252(alle)), alle);
}

// Die undefinierten Bytes bleiben als Steuerzeichen erhalten; Fremdes wird "?".
TEST(Windows1252, SonderzeichenUndFremdes) {
    EXPECT_EQ(AusWindows1252("\x80\x9F\x81\xFF"), Text(u"\u20AC\u0178\u0081\u00FF"));
    EXPECT_EQ(NachWindows1252(u"\u4E2D\u20AC\u00FF"), std::string("?\x80\xFF"));
}

TEST(Utf8, HinUndZurueck) {
    Text t = u"Prüfung Qel-Logfile \U0001F600 ß";
    EXPECT_EQ(AusUtf8(NachUtf8(t)), t);
    EXPECT_EQ(AusUtf8("a\xFF"
                      "b"),
              Text(u"a\uFFFDb"));
    EXPECT_EQ(AusUtf8("\xF4\x8F\xBF\xBF"), Text(u"\U0010FFFF"));
}

struct ZahlFall {
    const char16_t* text;
    double wert;
};

class FuehrendeZahlTest : public ::testing::TestWithParam<ZahlFall> {};

TEST_P(FuehrendeZahlTest, LiestWieEntworfen) {
    EXPECT_DOUBLE_EQ(FuehrendeZahl(GetParam().text), GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(Faelle, FuehrendeZahlTest,
                         ::testing::Values(ZahlFall{u"89,9", 89}, ZahlFall{u"", 0},
                                           ZahlFall{u"abc", 0}, ZahlFall{u"  7.5 min", 7.5},
                                           ZahlFall{u"1 2 3", 123}, ZahlFall{u"\t-4.25", -4.25},
                                           ZahlFall{u"1e3", 1000}, ZahlFall{u"1.5e-1x", 0.15},
                                           ZahlFall{u"2e", 2}, ZahlFall{u".5", 0.5},
                                           ZahlFall{u"+3", 3}, ZahlFall{u"1.2.3", 1.2},
                                           ZahlFall{u"-", 0}, ZahlFall{u"1e999", 0}));

TEST(GanzzahlGerundet, HalbeZurGeradenZahl) {
    EXPECT_EQ(GanzzahlGerundet(4.5), 4);
    EXPECT_EQ(GanzzahlGerundet(5.5), 6);
    EXPECT_EQ(GanzzahlGerundet(-2.5), -2);
    EXPECT_EQ(GanzzahlGerundet(3e10), std::nullopt);
}

TEST(Textoperationen, EntfernenUndTeile) {
    EXPECT_EQ(Entfernen(u"-e10 -A -A", u" -A"), u"-e10");
    EXPECT_EQ(Entfernen(u"-e10 -a", u" -A"), u"-e10 -a");
    EXPECT_EQ(Teil(u"abc", 5, 3), u"");
    EXPECT_EQ(Teil(u"abc", 3, 5), u"c");
    EXPECT_EQ(Klein(u"C:\\DATEN\\ÄÖÜ"), u"c:\\daten\\äöü");
    EXPECT_EQ(Trimmen(u"  a b \t "), u"a b \t");
}
