#include "cmd/Stapelzeile.h"

#include <gtest/gtest.h>

TEST(StapelZeilen, JedesZeilenendeTrennt) {
    using V = std::vector<std::string>;
    EXPECT_EQ(StapelZeilen("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(StapelZeilen("\r\n\r\nx\r\n"), (V{"", "", "x"}));
    EXPECT_EQ(StapelZeilen(""), V{});
}

TEST(ZeileDeuten, ArtUndWorte) {
    struct Fall {
        const char* zeile; // Windows-1252
        Befehlsart art;
        std::vector<Text> worte;
    };
    const Fall faelle[] = {
        {" \t ", Befehlsart::Nichts, {}},
        {"rem c:\\x\\qel2 a", Befehlsart::Nichts, {}},
        {":: Kommentar", Befehlsart::Nichts, {}},
        {" @ECHO OFF ", Befehlsart::Nichts, {}},
        {"  PAUSE  ", Befehlsart::Pause, {}},
        {"echo Hallo  Welt", Befehlsart::Ausgabe, {u"Hallo  Welt"}},
        // Nur ganze Wörter sind eingebaute Befehle.
        {"remis.exe a", Befehlsart::Programm, {u"remis.exe", u"a"}},
        {"@c:\\v\\qel2 a", Befehlsart::Programm, {u"c:\\v\\qel2", u"a"}},
        // Mehrere Trenner, Tabulatoren und ein Leerzeichen am Ende ergeben keine leeren Wörter.
        {"c:\\v\\bo2  virt283.23o\tnp.23o -e10 ",
         Befehlsart::Programm,
         {u"c:\\v\\bo2", u"virt283.23o", u"np.23o", u"-e10"}},
        {"p <w> \"a b\" c\"d e\"f \"\"",
         Befehlsart::Programm,
         {u"p", u"<w>", u"a b", u"cd ef", u""}},
        {"z\xE4hle \x80", Befehlsart::Programm, {u"zähle", u"€"}}};
    for (const Fall& f : faelle) {
        Stapelbefehl befehl = ZeileDeuten(f.zeile);
        EXPECT_EQ(befehl.art, f.art) << f.zeile;
        EXPECT_EQ(befehl.worte, f.worte) << f.zeile;
    }
}
