// Reine Teile des Berechnungslaufs: ANTEX-Rumpf, Kennungen, Aufrufe, Anzeigen.
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

TEST(AntexKopf, DreiZeilenZu80Zeichen) {
    const std::string kopf = NachWindows1252(AntexKopf());
    ASSERT_EQ(kopf.size(), 3u * 82u);
    EXPECT_EQ(kopf.substr(0, 82),
              "     1.4            M" + std::string(39, ' ') + "ANTEX VERSION / SYST\r\n");
    EXPECT_EQ(kopf.substr(82, 82), "A" + std::string(59, ' ') + "PCV TYPE / REFANT   \r\n");
    EXPECT_EQ(kopf.substr(164, 82), std::string(60, ' ') + "END OF HEADER       \r\n");
}

TEST(Laufwerte, KennungenAusDenListen) {
    EXPECT_EQ(JahreskennungAus(u"np012830.23o"), u"23");
    EXPECT_EQ(JahreskennungAus(u"abc.23o"), u"23");
    EXPECT_EQ(JahreskennungAus(u"o"), u"o");
    EXPECT_EQ(ReferenzkennungenAus({u"aaaa2830.23o", u"bbbb2830.23o"}), u"aaaa,bbbb");
    EXPECT_EQ(ReferenzkennungenAus({u"ab.23o", u"cc", u"dddd2830.23o"}), u"ab.2,cc,dddd");
    EXPECT_EQ(ReferenzkennungenAus({u" abc", u"x"}), u"abc,x");
    EXPECT_EQ(ReferenzkennungenAus({}), u"");
    EXPECT_EQ(DateistammAus(u"np012830.23o"), u"np012830");
    EXPECT_EQ(DateistammAus(u"abc.23o"), u"abc");
    EXPECT_EQ(DateistammAus(u"ohnepunkt"), u"ohnepunkt");
    EXPECT_EQ(TageskennungAus(u"  283*  "), u"283*");
    EXPECT_EQ(TageskennungAus(u"   "), u"xxxx");
    EXPECT_TRUE(VersionUnterstuetzt(u"1"));
    EXPECT_TRUE(VersionUnterstuetzt(u"2"));
    for (const char16_t* v : {u"1.5", u"", u"2 ", u"02"})
        EXPECT_FALSE(VersionUnterstuetzt(v)) << NachUtf8(v);
}

TEST(Aufrufe, NichtsWirdGetrimmt) {
    // Leerzeichen am Ende der Parametertexte und leere Texte gehen unverändert in die Zeilen.
    EXPECT_EQ(QelAufrufBilden(u"c:\\v\\", u"2", u"abc.23o", u"aaaa", u"-e10 "),
              u"c:\\v\\qel2 abc.23o aaaa +PRO -e10 ");
    EXPECT_EQ(BoAufrufBilden(u"c:\\v\\", u"1", u"xxxx", u"23", u"abc.23o", u"abc", u""),
              u"c:\\v\\bo1 virtxxx.23o abc.23o +FE_ergebnis_abc_list.txt "
              u"+FS_ergebnis_abc_sol.txt +FL_ergebnis_abc_log.txt ");
}

TEST(Jobdatei, ZeilenMitCrLfUndPause) {
    EXPECT_EQ(JobdateiText(u"q", u"b", false), u"q\r\nb\r\n");
    EXPECT_EQ(JobdateiText(u"q", u"b", true), u"q\r\nb\r\npause\r\n");
}

TEST(Fortschritt, AnzeigeTexte) {
    EXPECT_EQ(Zeitanzeige(0), u"Berechnungzeit 00:00:00 ...");
    EXPECT_EQ(Zeitanzeige(3724), u"Berechnungzeit 01:02:04 ...");
    EXPECT_EQ(Zeitanzeige(360000), u"Berechnungzeit 100:00:00 ...");
    EXPECT_EQ(Punktanzeige(3, 5, u"np012830.23o"), u"rechne 3.Punkt (3/5), MARKER NAME: np01");
    EXPECT_EQ(Punktanzeige(1, 12, u"np_12830.23o"), u"rechne 1.Punkt (1/12), MARKER NAME: np1");
    EXPECT_EQ(Punktanzeige(0, 1, u"__"), u"rechne 0.Punkt (0/1), MARKER NAME: ");
}
