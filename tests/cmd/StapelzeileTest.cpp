#include "cmd/Stapelzeile.h"

#include <gtest/gtest.h>

TEST(StapelZeilen, JedesZeilenendeTrennt) {
    using V = std::vector<std::string>;
    EXPECT_EQ(StapelZeilen("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(StapelZeilen("a\r\n"), (V{"a"}));
    EXPECT_EQ(StapelZeilen("\r\n\r\nx"), (V{"", "", "x"}));
    EXPECT_EQ(StapelZeilen(""), V{});
}

struct Zeilenfall {
    const char* zeile; // Windows-1252
    Befehlsart art;
    std::vector<Text> worte;
    friend void PrintTo(const Zeilenfall& fall, std::ostream* aus) { *aus << fall.zeile; }
};

class ZeileDeutenTest : public ::testing::TestWithParam<Zeilenfall> {};

TEST_P(ZeileDeutenTest, ArtUndWorte) {
    Stapelbefehl befehl = ZeileDeuten(GetParam().zeile);
    EXPECT_EQ(befehl.art, GetParam().art);
    EXPECT_EQ(befehl.worte, GetParam().worte);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeileDeutenTest,
    ::testing::Values(
        Zeilenfall{"", Befehlsart::Nichts, {}}, Zeilenfall{" \t ", Befehlsart::Nichts, {}},
        Zeilenfall{"rem c:\\x\\qel2 a", Befehlsart::Nichts, {}},
        Zeilenfall{"REM", Befehlsart::Nichts, {}},
        Zeilenfall{":: Kommentar", Befehlsart::Nichts, {}},
        Zeilenfall{"@echo off", Befehlsart::Nichts, {}},
        Zeilenfall{" @ECHO OFF ", Befehlsart::Nichts, {}},
        Zeilenfall{"pause", Befehlsart::Pause, {}}, Zeilenfall{"  PAUSE  ", Befehlsart::Pause, {}},
        Zeilenfall{"echo Hallo  Welt", Befehlsart::Ausgabe, {u"Hallo  Welt"}},
        // Nur ganze Wörter sind eingebaute Befehle.
        Zeilenfall{"remis.exe a", Befehlsart::Programm, {u"remis.exe", u"a"}},
        Zeilenfall{"pausen x", Befehlsart::Programm, {u"pausen", u"x"}},
        Zeilenfall{"@c:\\v\\qel2 a", Befehlsart::Programm, {u"c:\\v\\qel2", u"a"}},
        // Mehrere Trenner, Tabulatoren und ein Leerzeichen am Ende ergeben keine leeren Wörter.
        Zeilenfall{"c:\\v\\bo2  virt283.23o\tnp.23o +FL_x_log.txt  -e10 ",
                   Befehlsart::Programm,
                   {u"c:\\v\\bo2", u"virt283.23o", u"np.23o", u"+FL_x_log.txt", u"-e10"}},
        Zeilenfall{"p +A$$$$$.atx +E+NS2,CU2 a&b %PATH% x;y |z <w> `q`",
                   Befehlsart::Programm,
                   {u"p", u"+A$$$$$.atx", u"+E+NS2,CU2", u"a&b", u"%PATH%", u"x;y", u"|z", u"<w>",
                    u"`q`"}},
        Zeilenfall{"p \"a b\" c\"d e\"f \"\"", Befehlsart::Programm, {u"p", u"a b", u"cd ef", u""}},
        Zeilenfall{"c:\\\xDC"
                   "bung\\z\xE4hle M\xFCller.23o \x80",
                   Befehlsart::Programm,
                   {u"c:\\Übung\\zähle", u"Müller.23o", u"€"}}));
