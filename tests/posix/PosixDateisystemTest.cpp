#include "TempLaufwerke.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PosixDatei : public ::testing::Test, public TempLaufwerke {
protected:
    std::vector<Text> Zeilen(const std::string& bytes) {
        BytesSchreiben(c / "zeilen.txt", bytes);
        std::vector<Text> zeilen;
        ds->ZeilenLesen(u"c:\\zeilen.txt", [&](const Text& z) {
            zeilen.push_back(z);
            return true;
        });
        return zeilen;
    }
};

int Fehlernummer(const std::function<void()>& aktion) {
    try {
        aktion();
    } catch (const Laufzeitfehler& f) {
        return f.nummer();
    }
    return 0;
}

bool AlsRoot() {
    return geteuid() == 0;
}

} // namespace

TEST_F(PosixDatei, UmlautIstEinByteUndZeilenendenSetztDerAufrufer) {
    ds->Schreiben(u"c:\\höhe.txt", u"Höhe über NN\r\n", false);
    ds->Schreiben(u"C:\\HÖHE.TXT", u"€\r\n", true);
    EXPECT_EQ(BytesLesen(c / "höhe.txt"), "H\xF6he \xFC"
                                          "ber NN\r\n\x80\r\n");
    // Der Name ist auf dem Host UTF-8 und wird als derselbe wiedergefunden.
    EXPECT_TRUE(fs::exists(c / u8"höhe.txt"));
    EXPECT_EQ(ds->Auflisten(u"c:\\*.txt"), std::vector<Text>{u"höhe.txt"});
    EXPECT_TRUE(ds->Existiert(u"c:\\HÖHE.txt"));
    ds->Schreiben(u"c:\\höhe.txt", u"neu", false);
    EXPECT_EQ(BytesLesen(c / "höhe.txt"), "neu");
}

TEST_F(PosixDatei, AlleBytesUeberstehenLesenUndSchreiben) {
    std::string alle;
    for (int runde = 0; runde < 2; ++runde)
        for (int b = 0; b < 256; ++b)
            alle.push_back(static_cast<char>(b));
    BytesSchreiben(c / "alle.bin", alle);
    ds->Schreiben(u"kopie.bin", ds->Lesen(u"alle.bin"), false);
    EXPECT_EQ(BytesLesen(c / "kopie.bin"), alle);
    ds->SicherErsetzen(u"kopie2.bin", ds->Lesen(u"c:alle.bin"));
    EXPECT_EQ(BytesLesen(c / "kopie2.bin"), alle);
}

TEST_F(PosixDatei, ZeilenendenBeimLesen) {
    using V = std::vector<Text>;
    EXPECT_EQ(Zeilen("a\r\nb\r\n"), (V{u"a", u"b"}));
    EXPECT_EQ(Zeilen("a\rb"), (V{u"a", u"b"}));
    EXPECT_EQ(Zeilen("a\nb\r\nc"), (V{u"a\nb", u"c"}));
    EXPECT_EQ(Zeilen("\r\n\r\n"), (V{u"", u""}));
    EXPECT_EQ(Zeilen("a\r\r\nb\n"), (V{u"a", u"", u"b\n"}));
    EXPECT_EQ(Zeilen(""), V{});
    EXPECT_EQ(Zeilen(std::string("x\0y\xE4\r\n", 6)), (V{Text(u"x\0y\u00E4", 4)}));
}

TEST_F(PosixDatei, CrLfUeberDieBlockgrenze) {
    // Lesen geschieht in Blöcken zu 64 KiB: das CR als letztes Byte des ersten Blocks.
    std::string lang(65535, 'x');
    auto zeilen = Zeilen(lang + "\r\ny\r\n");
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].size(), 65535u);
    EXPECT_EQ(zeilen[1], u"y");
}

TEST_F(PosixDatei, ZeilenLesenHoertAufWennGewuenscht) {
    BytesSchreiben(c / "viel.txt", "erste\r\nzweite\r\ndritte\r\n");
    std::vector<Text> gesehen;
    ds->ZeilenLesen(u"viel.txt", [&](const Text& z) {
        gesehen.push_back(z);
        return z != u"zweite";
    });
    EXPECT_EQ(gesehen, (std::vector<Text>{u"erste", u"zweite"}));
}

TEST_F(PosixDatei, AuflistenNurGewoehnlicheSichtbareDateienSortiert) {
    for (const char* name : {"b.12o", "A.12O", "virt0010.12o", "C.12o", "README", "x.bog", "Y.BOG",
                             ".versteckt.12o", "a.txt", "a.123o"})
        BytesSchreiben(c / "tag" / name, "");
    fs::create_directories(c / "tag/unter.12o");
    fs::create_symlink(c / "tag/fehlt", c / "tag/kaputt.12o");

    using V = std::vector<Text>;
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.??o"), (V{u"A.12O", u"b.12o", u"C.12o", u"virt0010.12o"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\TAG\\virt*.*"), V{u"virt0010.12o"});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.bo*"), (V{u"x.bog", u"Y.BOG"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.*").size(), 9u);
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\"), ds->Auflisten(u"c:\\tag\\*.*"));
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\readme"), V{u"README"});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\unter.12o"), V{});
    EXPECT_EQ(ds->Auflisten(u"c:\\fehlt\\*.*"), V{});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\a.txt\\*.*"), V{});
    // Versteckt heißt nur: nicht aufgelistet.
    EXPECT_TRUE(ds->Existiert(u"c:\\tag\\.versteckt.12o"));
    EXPECT_FALSE(ds->Existiert(u"c:\\tag\\unter.12o"));
}

TEST_F(PosixDatei, AktuellesVerzeichnisJeLaufwerkUndDesProzesses) {
    fs::create_directories(c / "Daten/tag1");
    fs::create_directories(d / "sub");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"c:\\");

    ds->VerzeichnisWechseln(u"\\daten\\tag1\\");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"c:\\daten\\tag1");
    EXPECT_EQ(fs::current_path(), c / "Daten/tag1");

    // Anderes Laufwerk: nur dessen Verzeichnis ändert sich, nicht das des Prozesses.
    ds->VerzeichnisWechseln(u"D:\\SUB");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"c:\\daten\\tag1");
    EXPECT_EQ(fs::current_path(), c / "Daten/tag1");
    ds->Schreiben(u"d:rel.txt", u"d", false);
    ds->Schreiben(u"hier.txt", u"c", false);
    EXPECT_EQ(BytesLesen(d / "sub/rel.txt"), "d");
    EXPECT_EQ(BytesLesen(c / "Daten/tag1/hier.txt"), "c");

    // Die Schreibweise bleibt wie angegeben (so zeigt sie auch Windows).
    ds->LaufwerkWechseln(u"d:\\egal");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\SUB");
    EXPECT_EQ(fs::current_path(), d / "sub");
    ds->VerzeichnisWechseln(u"..");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\");
    EXPECT_EQ(fs::current_path(), d);
    ds->LaufwerkWechseln(u"C");
    EXPECT_EQ(fs::current_path(), c / "Daten/tag1");
}

TEST_F(PosixDatei, StartetImArbeitsverzeichnisDesProzesses) {
    fs::create_directories(d / "Start");
    fs::current_path(d / "Start");
    PosixDateisystem neu(laufwerke);
    EXPECT_EQ(neu.AktuellesVerzeichnis(), u"d:\\Start");
    fs::current_path("/");
    EXPECT_EQ(PosixDateisystem(laufwerke).AktuellesVerzeichnis(), u"z:\\");
}

TEST_F(PosixDatei, HostpfadeHinUndZurueck) {
    fs::create_directories(c / "Daten");
    EXPECT_EQ(ds->AusHostpfad(AusUtf8((c / "Daten/a.12o").string())), u"c:\\Daten\\a.12o");
    EXPECT_EQ(ds->NachHostpfad(u"c:\\daten\\a.12o"), AusUtf8((c / "Daten/a.12o").string()));
    EXPECT_EQ(ds->AusHostpfad(u"/usr/bin"), u"z:\\usr\\bin");
}

struct FehlerFall {
    const char* name;
    int nummer;
    std::function<void(TempLaufwerke&)> aktion;
};

class Fehlernummern : public ::testing::TestWithParam<FehlerFall>, public TempLaufwerke {};

TEST_P(Fehlernummern, WieInDerFehlertabelle) {
    BytesSchreiben(c / "da.txt", "x");
    BytesSchreiben(c / "auch.txt", "y");
    fs::create_directories(c / "ordner");
    EXPECT_EQ(Fehlernummer([&] { GetParam().aktion(*this); }), GetParam().nummer);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Fehlernummern,
    ::testing::Values(
        FehlerFall{"DateiFehlt", 53, [](auto& t) { t.ds->Lesen(u"fehlt.txt"); }},
        FehlerFall{"PfadFehlt", 76, [](auto& t) { t.ds->Lesen(u"c:\\nix\\fehlt.txt"); }},
        FehlerFall{"PfadDurchDatei", 76, [](auto& t) { t.ds->Schreiben(u"da.txt\\x", u"", 0); }},
        FehlerFall{"VerzeichnisLesen", 75, [](auto& t) { t.ds->Lesen(u"ordner"); }},
        FehlerFall{"VerzeichnisSchreiben", 75,
                   [](auto& t) { t.ds->Schreiben(u"ordner", u"", true); }},
        FehlerFall{"VerzeichnisErsetzen", 75,
                   [](auto& t) { t.ds->SicherErsetzen(u"ordner", u""); }},
        FehlerFall{"LaufwerkUnbekannt", 68, [](auto& t) { t.ds->Lesen(u"q:\\a.txt"); }},
        FehlerFall{"LaufwerkWechselnUnbekannt", 68, [](auto& t) { t.ds->LaufwerkWechseln(u"q:"); }},
        FehlerFall{"VerzeichnisFehlt", 76, [](auto& t) { t.ds->VerzeichnisWechseln(u"nix"); }},
        FehlerFall{"VerzeichnisIstDatei", 76,
                   [](auto& t) { t.ds->VerzeichnisWechseln(u"da.txt"); }},
        FehlerFall{"ZielExistiert", 58, [](auto& t) { t.ds->Umbenennen(u"da.txt", u"AUCH.TXT"); }},
        FehlerFall{"QuelleFehlt", 53, [](auto& t) { t.ds->Umbenennen(u"fehlt.txt", u"neu.txt"); }},
        FehlerFall{"LoeschenOhneTreffer", 53, [](auto& t) { t.ds->Loeschen(u"*.12o"); }},
        FehlerFall{"LoeschenFehlt", 53, [](auto& t) { t.ds->Loeschen(u"fehlt.txt"); }},
        FehlerFall{"LoeschenVerzeichnis", 53, [](auto& t) { t.ds->Loeschen(u"ordner"); }},
        FehlerFall{"LoeschenPfadFehlt", 76, [](auto& t) { t.ds->Loeschen(u"nix\\*.txt"); }},
        FehlerFall{"NameMitNul", 52,
                   [](auto& t) { t.ds->Schreiben(Text(u"a\0b", 3), u"", false); }},
        FehlerFall{"NameMitPlatzhalter", 52, [](auto& t) { t.ds->Lesen(u"*.txt"); }},
        FehlerFall{"NameMitDoppelpunkt", 52, [](auto& t) { t.ds->Schreiben(u"a:b:c", u"", 0); }},
        FehlerFall{"NameZuLang", 52, [](auto& t) { t.ds->Schreiben(Text(300, u'n'), u"", false); }},
        FehlerFall{"LeererName", 52, [](auto& t) { t.ds->Lesen(u""); }},
        FehlerFall{"UncPfad", 76, [](auto& t) { t.ds->Lesen(u"\\\\server\\d_drive\\a"); }},
        FehlerFall{"DatentraegerVoll", 61,
                   [](auto& t) {
                       if (!fs::exists("/dev/full"))
                           throw Laufzeitfehler(61);
                       t.ds->Schreiben(u"z:\\dev\\full", u"x", true);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PosixDatei, ZugriffVerweigert) {
    if (AlsRoot())
        GTEST_SKIP() << "root übergeht Dateirechte";
    BytesSchreiben(c / "gesperrt.txt", "x");
    fs::permissions(c / "gesperrt.txt", fs::perms::none);
    EXPECT_EQ(Fehlernummer([&] { ds->Lesen(u"gesperrt.txt"); }), 70);
    EXPECT_EQ(Fehlernummer([&] { ds->Schreiben(u"gesperrt.txt", u"", true); }), 70);
}

TEST_F(PosixDatei, NichtsBleibtOffen) {
    // Abbruch mitten im Lesen durch eine Ausnahme des Rückrufs: die Datei muss zu sein.
    BytesSchreiben(c / "a.txt", "1\r\n2\r\n");
    auto offene = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), {}); };
    auto vorher = offene();
    for (int i = 0; i < 50; ++i)
        EXPECT_THROW(ds->ZeilenLesen(u"a.txt", [](const Text&) -> bool { throw 1; }), int);
    ds->AlleSchliessen();
    EXPECT_EQ(offene(), vorher);
}

TEST_F(PosixDatei, LoeschenNachMusterNurPassendeSichtbareDateien) {
    for (const char* name : {"a.12o", "B.12O", ".c.12o", "d.txt"})
        BytesSchreiben(c / "w" / name, "");
    fs::create_directories(c / "w/e.12o");
    ds->Loeschen(u"c:\\w\\*.??o");
    EXPECT_FALSE(fs::exists(c / "w/a.12o"));
    EXPECT_FALSE(fs::exists(c / "w/B.12O"));
    EXPECT_TRUE(fs::exists(c / "w/.c.12o"));
    EXPECT_TRUE(fs::exists(c / "w/d.txt"));
    EXPECT_TRUE(fs::is_directory(c / "w/e.12o"));
    ds->Loeschen(u"c:\\W\\D.TXT");
    EXPECT_FALSE(fs::exists(c / "w/d.txt"));
}

TEST_F(PosixDatei, UmbenennenAuchNurDieSchreibweise) {
    BytesSchreiben(c / "alt.txt", "inhalt");
    ds->Umbenennen(u"ALT.txt", u"c:\\neu.txt");
    EXPECT_EQ(BytesLesen(c / "neu.txt"), "inhalt");
    ds->Umbenennen(u"neu.txt", u"NEU.TXT");
    EXPECT_EQ(BytesLesen(c / "NEU.TXT"), "inhalt");
    EXPECT_FALSE(fs::exists(c / "neu.txt"));
}

TEST_F(PosixDatei, SicherErsetzenBehaeltRechteUndHinterlaesstNichts) {
    BytesSchreiben(c / "kestrav.ini", "alt\r\n");
    fs::permissions(c / "kestrav.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ds->SicherErsetzen(u"KESTRAV.INI", u"neu\r\n");
    EXPECT_EQ(BytesLesen(c / "kestrav.ini"), "neu\r\n");
    EXPECT_EQ(fs::status(c / "kestrav.ini").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(c), {}), 1);
}

TEST_F(PosixDatei, SicherErsetzenLaesstDieAlteDateiGanzWennSchreibenScheitert) {
    // Eine Grenze für Dateigrößen gilt auch für root: das Schreiben der Ersatzdatei scheitert.
    std::string alt(4096, 'a');
    BytesSchreiben(c / "wichtig.txt", alt);
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &klein);
    int nummer = Fehlernummer([&] { ds->SicherErsetzen(u"wichtig.txt", Text(8192, u'b')); });
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);

    EXPECT_EQ(nummer, 61);
    EXPECT_EQ(BytesLesen(c / "wichtig.txt"), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(c), {}), 1) << "Ersatzdatei liegen geblieben";
}

TEST_F(PosixDatei, SicherErsetzenImSchreibgeschuetztenVerzeichnis) {
    if (AlsRoot())
        GTEST_SKIP() << "root übergeht Dateirechte";
    BytesSchreiben(c / "ro/wichtig.txt", "alt");
    fs::permissions(c / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Fehlernummer([&] { ds->SicherErsetzen(u"ro\\wichtig.txt", u"neu"); }), 70);
    EXPECT_EQ(BytesLesen(c / "ro/wichtig.txt"), "alt");
}
