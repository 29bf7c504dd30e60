#include "platform/Text.h"
#include "platform/Zahlen.h"

#include <gtest/gtest.h>

// Alle Bytes kommen unverändert zurück, die undefinierten als Steuerzeichen; Fremdes wird "?".
TEST(Windows1252, AlleBytesZurueckFremdesWirdFragezeichen) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        alle.push_back(static_cast<char>(b));
    EXPECT_EQ(NachWindows1252(AusWindows1252(alle)), alle);
    EXPECT_EQ(AusWindows1252("\x80\x9F\x81\xFF"), Text(u"\u20AC\u0178\u0081\u00FF"));
    EXPECT_EQ(NachWindows1252(u"\u4E2D\u20AC\u00FF"), std::string("?\x80\xFF"));
}

TEST(Utf8, HinUndZurueck) {
    Text t = u"Prüfung Qel-Logfile \U0001F600 ß";
    EXPECT_EQ(AusUtf8(NachUtf8(t)), t);
    EXPECT_EQ(AusUtf8("a\xFF!"), Text(u"a\uFFFD!"));
    EXPECT_EQ(AusUtf8("\xF4\x8F\xBF\xBF"), Text(u"\U0010FFFF"));
}

// Ein Komma beendet die Zahl; Exponent und Vorzeichen gelten nur vollständig.
TEST(FuehrendeZahl, LiestWieEntworfen) {
    const std::pair<const char16_t*, double> faelle[] = {
        {u"89,9", 89},       {u"", 0},           {u"abc", 0},
        {u"  7.5 min", 7.5}, {u"1 2 3", 123},    {u"\t-4.25", -4.25},
        {u"1e3", 1000},      {u"1.5e-1x", 0.15}, {u"2e", 2},
        {u".5", 0.5},        {u"+3", 3},         {u"1.2.3", 1.2},
        {u"-", 0},           {u"1e999", 0}};
    for (const auto& [text, wert] : faelle)
        EXPECT_DOUBLE_EQ(FuehrendeZahl(text), wert) << NachUtf8(text);
}

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
