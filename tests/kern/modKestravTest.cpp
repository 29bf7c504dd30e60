#include "station/modKestrav.h"
#include "posix/TempLaufwerke.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <optional>

namespace fs = std::filesystem;

namespace {

class Routinen : public ::testing::Test, public TempLaufwerke {
protected:
    Text Datei(const std::string& name, const std::string& bytes) {
        BytesSchreiben(c / name, bytes);
        return u"c:\\" + AusUtf8(name);
    }
};

} // namespace

TEST_F(Routinen, ZeileSuchenGibtDieErsteTrefferzeileSonstDieLetzteUndZeileLesen) {
    const std::tuple<const char*, const char16_t*, const char16_t*> faelle[] = {
        {"a\r\nSAPOS OBSERVER\r\nSAPOS 2 OBSERVER\r\nEND\r\n", u"OBSERVER", u"SAPOS OBSERVER"},
        {"a\r\nb\r\nohne Zeilenende", u"x", u"ohne Zeilenende"},
        {"eins\rzwei\r", u"", u"eins"},
    };
    for (const auto& [inhalt, such, zeile] : faelle) {
        Datei("kopf.12o", inhalt);
        EXPECT_EQ(ZeileSuchen(*ds, u"kopf.12o", such), zeile) << inhalt;
    }
    fs::create_directories(c / "ordner");
    for (const char16_t* name : {u"ordner", u"q:\\x"})
        EXPECT_EQ(ZeileSuchen(*ds, name, u"x"), u"") << NachUtf8(name);

    Text zwei = Datei("zwei.txt", "eins\r\nzwei\r\n");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 2), u"zwei");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 3), u"");
    EXPECT_EQ(ZeileLesen(*ds, Datei("leer.txt", "\r\n\r\nc"), 3), u"c");
}

TEST(FeldAusZeile, ZaehltJedenTrennerUndTrimmtNurLeerzeichen) {
    const std::tuple<const char16_t*, long, const char16_t*, const char16_t*> faelle[] = {
        {u"a  b", 3, u" ", u"b"},
        {u" x ;y", 1, u";", u"x"},
        {u"a<->b<->c", 3, u"<->", u"c"},
        {u" alles ", 1, u"", u"alles"},
        {u"\tTab\t;x", 1, u";", u"\tTab\t"},
        {u"a;b", 2000000000, u";", u""},
    };
    for (const auto& [text, n, trenner, feld] : faelle)
        EXPECT_EQ(FeldAusZeile(text, n, trenner), feld) << NachUtf8(text) << " " << n;
}

TEST(Textroutinen, LeerzeichenVerzeichnisUndZeit) {
    EXPECT_EQ(LeerzeichenBereinigen(u"  a    b  "), u"a b");
    EXPECT_EQ(LeerzeichenBereinigen(u"a\t\tb"), u"a\t\tb");
    EXPECT_EQ(VerzeichnisVonPfad(u"   "), u"");
    EXPECT_EQ(VerzeichnisVonPfad(u"c:\\data"), u"c:\\");
    EXPECT_EQ(VerzeichnisVonPfad(u" data "), u" data \\");
    EXPECT_EQ(ZeitFormatieren(360000), u"100:00:00");
    EXPECT_EQ(ZeitFormatieren(-3725), u"-01:02:05");
    EXPECT_NO_THROW(ZeitFormatieren(std::numeric_limits<long>::min()));
}

TEST(PfadNormieren, KleinUndNetzfreigaben) {
    unsetenv("KESTRAV_FREIGABE_A");
    unsetenv("KESTRAV_FREIGABE_B");
    setenv("KESTRAV_FREIGABE_C", "Server7", 1);
    EXPECT_EQ(PfadNormieren(u"C:\\Daten"), u"c:\\daten");
    EXPECT_EQ(PfadNormieren(u"\\\\MESSRECHNER\\D_Drive\\Tag1\\"), u"d:\\tag1\\");
    EXPECT_EQ(PfadNormieren(u"\\\\server7\\Programme\\Vexlo\\"), u"m:\\vexlo\\");
    // Leer gesetzt schaltet eine Freigabe ab.
    setenv("KESTRAV_FREIGABE_A", "", 1);
    EXPECT_EQ(PfadNormieren(u"\\\\messrechner\\d_drive\\x"), u"\\\\messrechner\\d_drive\\x");
    unsetenv("KESTRAV_FREIGABE_A");
    unsetenv("KESTRAV_FREIGABE_C");
}

TEST_F(Routinen, DateienAuflisten) {
    EXPECT_EQ(DateienAuflisten(*ds, u"c:\\fehlt", u"*.atx"), std::vector<Text>{u""});
    for (const char* name : {"b.atx", "A.ATX", ".d.atx", "e.txt"})
        Datei(name, "");
    EXPECT_EQ(DateienAuflisten(*ds, u"c:", u"*.atx"), (std::vector<Text>{u"A.ATX", u"b.atx"}));
}

TEST_F(Routinen, DateiZeileVoranstellen) {
    const std::pair<std::optional<std::string>, std::string> faelle[] = {
        {std::nullopt, "x\r\n"},
        // Was nach dem Abschneiden höchstens ein Zeichen ist, fällt weg.
        {"a\r\n", "x\r\n"},
        {"abcd", "x\r\nab\r\n"},
        {"\xE4\xE4\r\n", "x\r\n\xE4\xE4\r\n"},
    };
    for (const auto& [vorher, nachher] : faelle) {
        fs::remove(c / "k.mini");
        if (vorher)
            Datei("k.mini", *vorher);
        DateiZeileVoranstellen(*ds, u"k.mini", u"x");
        EXPECT_EQ(BytesLesen(c / "k.mini"), nachher) << vorher.value_or("ohne Datei");
    }
}
