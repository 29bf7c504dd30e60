#include "Prozesstestbasis.h"
#include "TempLaufwerke.h"

#include <gtest/gtest.h>

#include <csignal>
#include <numeric>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using V = std::vector<Text>;

namespace {

class PosixDatei : public ::testing::Test, public TempLaufwerke {
protected:
    // Zeilen der Bytes; der Rückruf hört nach einer Zeile "halt" auf.
    V Zeilen(const std::string& bytes) {
        BytesSchreiben(c / "zeilen.txt", bytes);
        V zeilen;
        ds->ZeilenLesen(u"c:\\zeilen.txt", [&](const Text& z) {
            zeilen.push_back(z);
            return z != u"halt";
        });
        return zeilen;
    }
};

} // namespace

TEST_F(PosixDatei, UmlautIstEinByteUndZeilenendenSetztDerAufrufer) {
    ds->Schreiben(u"c:\\höhe.txt", u"Höhe über NN\r\n", false);
    ds->Schreiben(u"C:\\HÖHE.TXT", u"€\r\n", true);
    EXPECT_EQ(BytesLesen(c / "höhe.txt"), "H\xF6he \xFC"
                                          "ber NN\r\n\x80\r\n");
    // Der Name ist auf dem Host UTF-8 und wird als derselbe wiedergefunden.
    EXPECT_EQ(ds->Auflisten(u"c:\\*.txt"), V{u"höhe.txt"});
    EXPECT_TRUE(ds->Existiert(u"c:\\HÖHE.txt"));
    ds->Schreiben(u"c:\\höhe.txt", u"neu", false);
    EXPECT_EQ(BytesLesen(c / "höhe.txt"), "neu");
}

TEST_F(PosixDatei, AlleBytesUeberstehenLesenUndSchreiben) {
    std::string alle(512, ' ');
    std::iota(alle.begin(), alle.end(), '\0');
    BytesSchreiben(c / "alle.bin", alle);
    ds->Schreiben(u"kopie.bin", ds->Lesen(u"alle.bin"), false);
    EXPECT_EQ(BytesLesen(c / "kopie.bin"), alle);
    ds->SicherErsetzen(u"kopie2.bin", ds->Lesen(u"c:alle.bin"));
    EXPECT_EQ(BytesLesen(c / "kopie2.bin"), alle);
}

TEST_F(PosixDatei, ZeilenendenBeimLesen) {
    EXPECT_EQ(Zeilen("a\r\nb\r\n"), (V{u"a", u"b"}));
    EXPECT_EQ(Zeilen("a\rb"), (V{u"a", u"b"}));
    EXPECT_EQ(Zeilen("a\nb\r\nc"), (V{u"a\nb", u"c"}));
    EXPECT_EQ(Zeilen("a\r\r\nb\n"), (V{u"a", u"", u"b\n"}));
    EXPECT_EQ(Zeilen(""), V{});
    EXPECT_EQ(Zeilen(std::string("x\0y\xE4\r\n", 6)), (V{Text(u"x\0y\u00E4", 4)}));
    // Gelesen wird in Blöcken zu 64 KiB: das CR als letztes Byte des ersten Blocks.
    EXPECT_EQ(Zeilen(std::string(65535, 'x') + "\r\ny\r\n"), (V{Text(65535, u'x'), u"y"}));
    EXPECT_EQ(Zeilen("a\r\nhalt\r\nb\r\n"), (V{u"a", u"halt"}));
}

TEST_F(PosixDatei, AuflistenUndLoeschenNurGewoehnlicheSichtbareDateien) {
    for (const char* name : {"b.12o", "A.12O", "virt0010.12o", "C.12o", "README", "x.bog", "Y.BOG",
                             ".versteckt.12o", "a.txt", "a.123o"})
        BytesSchreiben(c / "tag" / name, "");
    fs::create_directories(c / "tag/unter.12o");
    fs::create_symlink(c / "tag/fehlt", c / "tag/kaputt.12o");

    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.??o"), (V{u"A.12O", u"b.12o", u"C.12o", u"virt0010.12o"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\TAG\\virt*.*"), V{u"virt0010.12o"});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.bo*"), (V{u"x.bog", u"Y.BOG"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\").size(), 9u);
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\readme"), V{u"README"});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\unter.12o"), V{});
    EXPECT_EQ(ds->Auflisten(u"c:\\fehlt\\*.*"), V{});
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\a.txt\\*.*"), V{});
    // Versteckt heißt nur: nicht aufgelistet.
    EXPECT_TRUE(ds->Existiert(u"c:\\tag\\.versteckt.12o"));
    EXPECT_FALSE(ds->Existiert(u"c:\\tag\\unter.12o"));

    ds->Loeschen(u"c:\\TAG\\*.??o");
    ds->Loeschen(u"c:\\tag\\readme");
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\*.*"), (V{u"a.123o", u"a.txt", u"x.bog", u"Y.BOG"}));
    EXPECT_TRUE(fs::exists(c / "tag/.versteckt.12o"));
    EXPECT_TRUE(fs::is_directory(c / "tag/unter.12o"));
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
    EXPECT_EQ(fs::current_path(), c / "Daten/tag1");
    ds->Schreiben(u"d:rel.txt", u"d", false);
    EXPECT_EQ(BytesLesen(d / "sub/rel.txt"), "d");

    // Die Schreibweise bleibt wie angegeben (so zeigt sie auch Windows).
    ds->LaufwerkWechseln(u"d:\\egal");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\SUB");
    EXPECT_EQ(fs::current_path(), d / "sub");
    ds->VerzeichnisWechseln(u"..");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\");

    EXPECT_EQ(ds->AusHostpfad(AusUtf8((c / "Daten/a.12o").string())), u"c:\\Daten\\a.12o");
    EXPECT_EQ(ds->NachHostpfad(u"c:\\daten\\a.12o"), AusUtf8((c / "Daten/a.12o").string()));
    // Ein neues Dateisystem startet im Arbeitsverzeichnis des Prozesses.
    fs::current_path(d / "sub");
    EXPECT_EQ(PosixDateisystem(laufwerke).AktuellesVerzeichnis(), u"d:\\sub");
    fs::current_path("/");
    EXPECT_EQ(PosixDateisystem(laufwerke).AktuellesVerzeichnis(), u"z:\\");
}

TEST_F(PosixDatei, FehlernummernWieInDerFehlertabelle) {
    BytesSchreiben(c / "da.txt", "x");
    BytesSchreiben(c / "auch.txt", "y");
    fs::create_directories(c / "ordner");
    const std::pair<int, std::function<void()>> faelle[] = {
        {53, [&] { ds->Lesen(u"fehlt.txt"); }},
        {76, [&] { ds->Lesen(u"c:\\nix\\fehlt.txt"); }},
        {75, [&] { ds->Lesen(u"ordner"); }},
        {75, [&] { ds->SicherErsetzen(u"ordner", u""); }},
        {68, [&] { ds->Lesen(u"q:\\a.txt"); }},
        {76, [&] { ds->VerzeichnisWechseln(u"nix"); }},
        {58, [&] { ds->Umbenennen(u"da.txt", u"AUCH.TXT"); }},
        {53, [&] { ds->Loeschen(u"*.12o"); }},
        {76, [&] { ds->Loeschen(u"nix\\*.txt"); }},
        {52, [&] { ds->Lesen(u"*.txt"); }},
        {52, [&] { ds->Schreiben(Text(300, u'n'), u"", false); }},
        {76, [&] { ds->Lesen(u"\\\\server\\d_drive\\a"); }},
        {61, [&] { ds->Schreiben(u"z:\\dev\\full", u"x", true); }}};
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(Fehlernummer(faelle[i].second), faelle[i].first) << "Fall " << i;
}

TEST_F(PosixDatei, ZugriffVerweigertLaesstDieAlteDatei) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root übergeht Dateirechte";
    BytesSchreiben(c / "gesperrt.txt", "x");
    fs::permissions(c / "gesperrt.txt", fs::perms::none);
    EXPECT_EQ(Fehlernummer([&] { ds->Lesen(u"gesperrt.txt"); }), 70);
    EXPECT_EQ(Fehlernummer([&] { ds->Schreiben(u"gesperrt.txt", u"", true); }), 70);
    BytesSchreiben(c / "ro/wichtig.txt", "alt");
    fs::permissions(c / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(Fehlernummer([&] { ds->SicherErsetzen(u"ro\\wichtig.txt", u"neu"); }), 70);
    EXPECT_EQ(BytesLesen(c / "ro/wichtig.txt"), "alt");
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

TEST_F(PosixDatei, UmbenennenAuchNurDieSchreibweise) {
    BytesSchreiben(c / "alt.txt", "inhalt");
    ds->Umbenennen(u"ALT.txt", u"c:\\neu.txt");
    ds->Umbenennen(u"neu.txt", u"NEU.TXT");
    EXPECT_EQ(BytesLesen(c / "NEU.TXT"), "inhalt");
    EXPECT_EQ(std::distance(fs::directory_iterator(c), {}), 1);
}

TEST_F(PosixDatei, SicherErsetzenBehaeltRechteUndLaesstDieAlteDateiGanzWennSchreibenScheitert) {
    const auto rechte = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    BytesSchreiben(c / "kestrav.ini", std::string(4096, 'a'));
    fs::permissions(c / "kestrav.ini", rechte);
    ds->SicherErsetzen(u"KESTRAV.INI", u"neu\r\n");
    EXPECT_EQ(BytesLesen(c / "kestrav.ini"), "neu\r\n");
    EXPECT_EQ(fs::status(c / "kestrav.ini").permissions() & fs::perms::all, rechte);
    // Eine Grenze für Dateigrößen gilt auch für root: das Schreiben der Ersatzdatei scheitert.
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = vorher;
    klein.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &klein);
    int nummer = Fehlernummer([&] { ds->SicherErsetzen(u"kestrav.ini", Text(8192, u'b')); });
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(nummer, 61);
    EXPECT_EQ(BytesLesen(c / "kestrav.ini"), "neu\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(c), {}), 1) << "Ersatzdatei liegen geblieben";
}
