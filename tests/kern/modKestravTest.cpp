#include "station/modKestrav.h"
#include "platform/Laufzeitfehler.h"
#include "posix/TempLaufwerke.h"
#include "shell/Steuerelemente.h"

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

struct SuchFall {
    const char* inhalt;
    const char16_t* such;
    const char16_t* zeile;
};

class ZeileSuchenTest : public ::testing::TestWithParam<SuchFall>, public TempLaufwerke {};

TEST_P(ZeileSuchenTest, ErsteTrefferzeileSonstDieLetzte) {
    BytesSchreiben(c / "kopf.12o", GetParam().inhalt);
    EXPECT_EQ(ZeileSuchen(*ds, u"kopf.12o", GetParam().such), GetParam().zeile);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeileSuchenTest,
    ::testing::Values(SuchFall{"a\r\nSAPOS OBSERVER\r\nSAPOS 2 OBSERVER\r\nEND\r\n", u"OBSERVER",
                               u"SAPOS OBSERVER"},
                      SuchFall{"a\r\nb\r\nletzte\r\n", u"OBSERVER", u"letzte"},
                      SuchFall{"a\r\nb\r\nohne Zeilenende", u"x", u"ohne Zeilenende"},
                      SuchFall{"", u"x", u""},
                      SuchFall{"a\r\nobserver\r\n", u"OBSERVER", u"observer"},
                      SuchFall{"a\nOBSERVER\r\nb", u"OBSERVER", u"a\nOBSERVER"},
                      SuchFall{"eins\rzwei\r", u"", u"eins"}));

TEST_F(Routinen, ZeileSuchenOhneDateiOderAufVerzeichnisLeer) {
    fs::create_directories(c / "ordner");
    EXPECT_EQ(ZeileSuchen(*ds, u"fehlt.txt", u"x"), u"");
    EXPECT_EQ(ZeileSuchen(*ds, u"ordner", u"x"), u"");
    EXPECT_EQ(ZeileSuchen(*ds, u"q:\\x", u"x"), u"");
}

TEST_F(Routinen, ZeileLesen) {
    Text zwei = Datei("zwei.txt", "eins\r\nzwei\r\n");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 1), u"eins");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 2), u"zwei");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 3), u"");
    EXPECT_EQ(ZeileLesen(*ds, zwei, 0), u"");
    EXPECT_EQ(ZeileLesen(*ds, zwei, -1), u"");
    EXPECT_EQ(ZeileLesen(*ds, u"fehlt.txt", 1), u"");
    EXPECT_EQ(ZeileLesen(*ds, Datei("leer.txt", "\r\n\r\nc"), 2), u"");
    EXPECT_EQ(ZeileLesen(*ds, u"c:\\leer.txt", 3), u"c");
}

struct FeldFall {
    const char16_t* text;
    long n;
    const char16_t* trenner;
    const char16_t* feld;
};

class FeldAusZeileTest : public ::testing::TestWithParam<FeldFall> {};

TEST_P(FeldAusZeileTest, ZaehltJedenTrenner) {
    const auto& f = GetParam();
    EXPECT_EQ(FeldAusZeile(f.text, f.n, f.trenner), f.feld);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FeldAusZeileTest,
    ::testing::Values(FeldFall{u"a  b", 2, u" ", u""}, FeldFall{u"a  b", 3, u" ", u"b"},
                      FeldFall{u" x ;y", 1, u";", u"x"}, FeldFall{u" x ;y", 2, u";", u"y"},
                      FeldFall{u" x ;y", 3, u";", u""}, FeldFall{u"a;b", 0, u";", u""},
                      FeldFall{u"a;b", -5, u";", u""}, FeldFall{u"", 1, u";", u""},
                      FeldFall{u"Schluessel = Wert = 2", 2, u"=", u"Wert"},
                      FeldFall{u"a<->b<->c", 3, u"<->", u"c"},
                      FeldFall{u"  ohne Trenner ", 1, u";", u"ohne Trenner"},
                      FeldFall{u" alles ", 1, u"", u"alles"}, FeldFall{u"a", 2, u"", u""},
                      FeldFall{u"\tTab\t;x", 1, u";", u"\tTab\t"},
                      FeldFall{u"a;b", 2000000000, u";", u""}));

TEST(LeerzeichenBereinigen, NurLeerzeichenZaehlen) {
    EXPECT_EQ(LeerzeichenBereinigen(u"  a    b  "), u"a b");
    EXPECT_EQ(LeerzeichenBereinigen(u"a\t\tb"), u"a\t\tb");
    EXPECT_EQ(LeerzeichenBereinigen(u"     "), u"");
    EXPECT_EQ(LeerzeichenBereinigen(u""), u"");
    EXPECT_EQ(FeldAusZeile(LeerzeichenBereinigen(u"a  b"), 2, u" "), u"b");
}

TEST(VerzeichnisVonPfad, WieEntworfen) {
    EXPECT_EQ(VerzeichnisVonPfad(u""), u"");
    EXPECT_EQ(VerzeichnisVonPfad(u"   "), u"");
    EXPECT_EQ(VerzeichnisVonPfad(u"c:\\a.12o"), u"c:\\");
    EXPECT_EQ(VerzeichnisVonPfad(u"c:\\data"), u"c:\\");
    EXPECT_EQ(VerzeichnisVonPfad(u"data"), u"data\\");
    EXPECT_EQ(VerzeichnisVonPfad(u" data "), u" data \\");
    EXPECT_EQ(VerzeichnisVonPfad(u"c:\\x\\y\\z.12o"), u"c:\\x\\y\\");
    EXPECT_EQ(VerzeichnisVonPfad(u"c:\\x\\y\\"), u"c:\\x\\y\\");
}

TEST(ZeitFormatieren, StundenOhneGrenze) {
    EXPECT_EQ(ZeitFormatieren(0), u"00:00:00");
    EXPECT_EQ(ZeitFormatieren(59), u"00:00:59");
    EXPECT_EQ(ZeitFormatieren(3725), u"01:02:05");
    EXPECT_EQ(ZeitFormatieren(86399), u"23:59:59");
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
    EXPECT_EQ(PfadNormieren(u"\\\\messrechner.intern\\d_drive\\x"), u"d:\\x");
    EXPECT_EQ(PfadNormieren(u"\\\\server7\\Programme\\Vexlo\\"), u"m:\\vexlo\\");
    EXPECT_EQ(PfadNormieren(u"\\\\dateiserver\\programme\\"), u"\\\\dateiserver\\programme\\");
    // Leer gesetzt schaltet eine Freigabe ab.
    setenv("KESTRAV_FREIGABE_A", "", 1);
    EXPECT_EQ(PfadNormieren(u"\\\\messrechner\\d_drive\\x"), u"\\\\messrechner\\d_drive\\x");
    unsetenv("KESTRAV_FREIGABE_A");
    unsetenv("KESTRAV_FREIGABE_C");
}

TEST_F(Routinen, DateienAuflisten) {
    using V = std::vector<Text>;
    EXPECT_EQ(DateienAuflisten(*ds, u"c:\\", u"*.atx"), V{u""});
    EXPECT_EQ(DateienAuflisten(*ds, u"c:\\fehlt", u"*.atx"), V{u""});
    EXPECT_EQ(DateienAuflisten(*ds, u"q:\\", u"*.atx"), V{u""});
    for (const char* name : {"b.atx", "A.ATX", "c.atx", ".d.atx", "e.txt"})
        Datei(name, "");
    EXPECT_EQ(DateienAuflisten(*ds, u"c:", u"*.atx"), (V{u"A.ATX", u"b.atx", u"c.atx"}));
    EXPECT_EQ(DateienAuflisten(*ds, u"c:\\", u"").size(), 4u);
}

TEST_F(Routinen, SchreibenUndAnhaengenMitCrLf) {
    DateiSchreiben(*ds, u"p.mini", u"Kopf ü");
    DateiAnhaengen(*ds, u"p.mini", u"Zeile");
    DateiAnhaengen(*ds, u"neu.PYXZ", u"");
    EXPECT_EQ(BytesLesen(c / "p.mini"), "Kopf \xFC\r\nZeile\r\n");
    EXPECT_EQ(BytesLesen(c / "neu.PYXZ"), "\r\n");
    DateiSchreiben(*ds, u"p.mini", u"");
    EXPECT_EQ(BytesLesen(c / "p.mini"), "\r\n");
    EXPECT_THROW(DateiSchreiben(*ds, u"fehlt\\x.txt", u"a"), Laufzeitfehler);
    EXPECT_THROW(DateiAnhaengen(*ds, u"q:\\x.txt", u"a"), Laufzeitfehler);
}

struct VoranstellenFall {
    std::optional<std::string> vorher;
    const char* nachher;
};

class VoranstellenTest : public ::testing::TestWithParam<VoranstellenFall>, public TempLaufwerke {};

TEST_P(VoranstellenTest, NeueErsteZeile) {
    if (GetParam().vorher)
        BytesSchreiben(c / "k.mini", *GetParam().vorher);
    DateiZeileVoranstellen(*ds, u"k.mini", u"x");
    EXPECT_EQ(BytesLesen(c / "k.mini"), GetParam().nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VoranstellenTest,
    ::testing::Values(VoranstellenFall{std::nullopt, "x\r\n"},
                      VoranstellenFall{"a\r\nb\r\n", "x\r\na\r\nb\r\n"},
                      VoranstellenFall{"", "x\r\n"},
                      // Was nach dem Abschneiden höchstens ein Zeichen ist, fällt weg.
                      VoranstellenFall{"a\r\n", "x\r\n"}, VoranstellenFall{"ab", "x\r\n"},
                      VoranstellenFall{"abcd", "x\r\nab\r\n"},
                      VoranstellenFall{"\xE4\xE4\r\n", "x\r\n\xE4\xE4\r\n"}));

TEST_F(Routinen, DateiLesenNurGewoehnlicheSichtbareDateien) {
    Datei("inhalt.txt", std::string("a\0\xFF\r\n", 5));
    Datei(".versteckt", "geheim");
    fs::create_directories(c / "ordner");
    EXPECT_EQ(DateiLesen(*ds, u"INHALT.TXT"), Text(u"a\0\u00FF\r\n", 5));
    EXPECT_EQ(DateiLesen(*ds, u".versteckt"), u"");
    EXPECT_EQ(DateiLesen(*ds, u"ordner"), u"");
    EXPECT_EQ(DateiLesen(*ds, u"*.txt"), u"");
    EXPECT_TRUE(DateiExistiert(*ds, u".versteckt"));
    EXPECT_FALSE(DateiExistiert(*ds, u"ordner"));
}

TEST_F(Routinen, WirftNieBeiFeindlichenEingaben) {
    fs::create_directories(c / "ordner");
    Datei("binaer.dat", std::string(200000, '\0') + "\r\r\n\n\xFF");
    const Text namen[] = {u"",
                          u"ordner",
                          u"fehlt.txt",
                          u"q:\\x",
                          Text(u"a\0b", 3),
                          Text(5000, u'n'),
                          u"\\\\host\\share\\x",
                          u"*?*",
                          u"c:\\..\\..\\..",
                          u"binaer.dat",
                          u"z:\\dev\\null",
                          u"z:\\proc\\self\\mem"};
    for (const Text& name : namen) {
        SCOPED_TRACE(NachUtf8(name));
        EXPECT_NO_THROW(ZeileSuchen(*ds, name, u"x"));
        EXPECT_NO_THROW(ZeileLesen(*ds, name, 3));
        EXPECT_NO_THROW(DateiLesen(*ds, name));
        EXPECT_NO_THROW(DateiExistiert(*ds, name));
        EXPECT_NO_THROW(DateienAuflisten(*ds, name, name));
        EXPECT_NO_THROW(VerzeichnisVonPfad(name));
        EXPECT_NO_THROW(PfadNormieren(name));
    }
    EXPECT_EQ(ZeileLesen(*ds, u"binaer.dat", 3), u"\n\u00FF");
    EXPECT_EQ(ZeileSuchen(*ds, u"binaer.dat", u"x"), u"\n\u00FF");
}

TEST(ListeneintragWaehlen, WaehltGleichenText) {
    Listenfeld liste("Referenzpunkte");
    EXPECT_FALSE(ListeneintragWaehlen(liste, u"a.12o"));
    liste.Hinzufuegen(u"abcd1230.12o");
    liste.Hinzufuegen(u"efgh1230.12o");
    EXPECT_TRUE(ListeneintragWaehlen(liste, u"efgh1230.12o"));
    EXPECT_EQ(liste.Auswahl(), 1);
    EXPECT_FALSE(ListeneintragWaehlen(liste, u"fehlt.12o"));
    EXPECT_EQ(liste.Auswahl(), -1);
}
