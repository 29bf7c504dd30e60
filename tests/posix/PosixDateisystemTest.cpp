// Randfälle des POSIX-Dateidienstes; das Gewöhnliche läuft in den Kern- und Ablauftests mit.
#include "Prozesstestbasis.h"

#include <numeric>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using V = std::vector<Text>;

class PosixDatei : public ::testing::Test, public TempLaufwerke {
protected:
    // Zeilen der Bytes; der Rückruf hört nach einer Zeile "halt" auf.
    V Zeilen(const std::string& bytes) {
        BytesSchreiben(c / "zeilen.txt", bytes);
        V zeilen;
        ds->ZeilenLesen(u"zeilen.txt", [&](const Text& z) {
            zeilen.push_back(z);
            return z != u"halt";
        });
        return zeilen;
    }
};

TEST_F(PosixDatei, Windows1252ByteGenauUndZeilenendenSetztDerAufrufer) {
    ds->Schreiben(u"c:\\höhe.txt", u"Höhe über NN\r\n", false);
    ds->Schreiben(u"C:\\HÖHE.TXT", u"€\r\n", true);
    EXPECT_EQ(BytesLesen(c / "höhe.txt"), "H\xF6he \xFC"
                                          "ber NN\r\n\x80\r\n");
    // Der Name ist auf dem Host UTF-8 und wird als derselbe wiedergefunden.
    EXPECT_EQ(ds->Auflisten(u"c:\\*.txt"), V{u"höhe.txt"});
    std::string alle(256, ' ');
    std::iota(alle.begin(), alle.end(), '\0');
    BytesSchreiben(c / "alle.bin", alle);
    ds->SicherErsetzen(u"kopie.bin", ds->Lesen(u"c:alle.bin"));
    EXPECT_EQ(BytesLesen(c / "kopie.bin"), alle);
}

TEST_F(PosixDatei, ZeilenendenBeimLesen) {
    EXPECT_EQ(Zeilen("a\rb"), (V{u"a", u"b"}));
    EXPECT_EQ(Zeilen("a\nb\r\nc"), (V{u"a\nb", u"c"}));
    EXPECT_EQ(Zeilen("a\r\r\nb\n"), (V{u"a", u"", u"b\n"}));
    EXPECT_EQ(Zeilen(std::string("x\0y\xE4\r\n", 6)), (V{Text(u"x\0y\u00E4", 4)}));
    // Gelesen wird in Blöcken zu 64 KiB: das CR als letztes Byte des ersten Blocks.
    EXPECT_EQ(Zeilen(std::string(65535, 'x') + "\r\ny\r\n"), (V{Text(65535, u'x'), u"y"}));
    EXPECT_EQ(Zeilen("a\r\nhalt\r\nb\r\n"), (V{u"a", u"halt"}));
}

TEST_F(PosixDatei, AuflistenUndLoeschenNurGewoehnlicheSichtbareDateien) {
    for (const char* name : {"b.12o", "A.12O", "README", ".versteckt.12o", "a.123o"})
        BytesSchreiben(c / "tag" / name, "");
    fs::create_directories(c / "tag/unter.12o");
    fs::create_symlink(c / "tag/fehlt", c / "tag/kaputt.12o");
    EXPECT_EQ(ds->Auflisten(u"c:\\TAG\\*.??o"), (V{u"A.12O", u"b.12o"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\readme"), V{u"README"});
    EXPECT_EQ(ds->Auflisten(u"c:\\fehlt\\*.*"), V{});
    for (const char* name : {"np_1.12o", "np^1.12o", "NPB1.12o", "npa1.12o"})
        BytesSchreiben(c / "ntfs" / name, "");
    EXPECT_EQ(ds->Auflisten(u"c:\\ntfs\\*.*"),
              (V{u"npa1.12o", u"NPB1.12o", u"np^1.12o", u"np_1.12o"}));
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\README\\*.*"), V{});
    // Versteckt heißt nur: nicht aufgelistet.
    EXPECT_TRUE(ds->Existiert(u"c:\\tag\\.versteckt.12o"));
    EXPECT_FALSE(ds->Existiert(u"c:\\tag\\unter.12o"));
    ds->Loeschen(u"c:\\tag\\*.??o");
    EXPECT_EQ(ds->Auflisten(u"c:\\tag\\"), (V{u"a.123o", u"README"}));
    EXPECT_TRUE(fs::exists(c / "tag/.versteckt.12o"));
    EXPECT_TRUE(fs::is_directory(c / "tag/unter.12o"));
}

TEST_F(PosixDatei, AktuellesVerzeichnisJeLaufwerkUndDesProzesses) {
    fs::create_directories(d / "sub");
    // Anderes Laufwerk: nur dessen Verzeichnis ändert sich, nicht das des Prozesses.
    ds->VerzeichnisWechseln(u"D:\\SUB");
    EXPECT_EQ(fs::current_path(), c);
    ds->Schreiben(u"d:rel.txt", u"d", false);
    EXPECT_EQ(BytesLesen(d / "sub/rel.txt"), "d");
    // Die Schreibweise bleibt wie angegeben (so zeigt sie auch Windows).
    ds->LaufwerkWechseln(u"d:\\egal");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\SUB");
    EXPECT_EQ(fs::current_path(), d / "sub");
    ds->VerzeichnisWechseln(u"..");
    EXPECT_EQ(ds->AktuellesVerzeichnis(), u"d:\\");
    // Ein neues Dateisystem startet im Arbeitsverzeichnis des Prozesses.
    fs::current_path("/");
    EXPECT_EQ(PosixDateisystem(laufwerke).AktuellesVerzeichnis(), u"z:\\");
}

TEST_F(PosixDatei, FehlernummernWieInDerFehlertabelle) {
    BytesSchreiben(c / "da.txt", "x");
    BytesSchreiben(c / "auch.txt", "y");
    fs::create_directories(c / "tag");
    const std::pair<int, std::function<void()>> faelle[] = {
        {53, [&] { ds->Lesen(u"fehlt.txt"); }},
        {76, [&] { ds->Lesen(u"c:\\nix\\fehlt.txt"); }},
        {75, [&] { ds->SicherErsetzen(u"tag", u""); }},
        {68, [&] { ds->Lesen(u"q:\\a.txt"); }},
        {58, [&] { ds->Umbenennen(u"da.txt", u"AUCH.TXT"); }},
        {53, [&] { ds->Loeschen(u"*.12o"); }},
        {52, [&] { ds->Lesen(u"*.txt"); }},
        {52, [&] { ds->Schreiben(Text(300, u'n'), u"", false); }},
        {76, [&] { ds->Lesen(u"\\\\server\\d_drive\\a"); }},
        {61, [&] { ds->Schreiben(u"z:\\dev\\full", u"x", true); }}};
    for (std::size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(Fehlernummer(faelle[i].second), faelle[i].first) << "Fall " << i;
    // Dateirechte: root übergeht sie, also prüft ein Kindprozess als "nobody"; so treffen dessen
    // Rechte den Testlauf nicht.
    fs::permissions(c / "auch.txt", fs::perms::owner_read);
    fs::permissions(c / "da.txt", fs::perms::none);
    std::fflush(nullptr);
    if (const pid_t kind = fork(); kind == 0) {
        if (geteuid() == 0) {
            fs::permissions(temp.Pfad(), fs::perms::all);
            fs::permissions(c, fs::perms::all);
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(9);
        }
        if (Fehlernummer([&] { ds->Loeschen(u"auch.txt"); }) != 70 || !fs::exists(c / "auch.txt"))
            _exit(1); // schreibgeschützt: nicht gelöscht
        _exit(Fehlernummer([&] { ds->Lesen(u"da.txt"); }) == 70 ? 0 : 2);
    } else {
        int status = -1;
        waitpid(kind, &status, 0);
        EXPECT_EQ(status, 0);
    }
}

// Nur die Schreibweise ändern darf nicht als "Datei existiert schon" scheitern; SicherErsetzen
// behält die Rechte der alten Datei (ein Scheitern mittendrin prüft der Fehlerinjektionstest).
TEST_F(PosixDatei, UmbenennenUndErsetzen) {
    BytesSchreiben(c / "alt.txt", "inhalt");
    ds->Umbenennen(u"ALT.txt", u"c:\\neu.txt");
    ds->Umbenennen(u"neu.txt", u"NEU.TXT");
    const auto rechte = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(c / "NEU.TXT", rechte);
    ds->SicherErsetzen(u"neu.txt", u"neu\r\n");
    EXPECT_EQ(BytesLesen(c / "NEU.TXT"), "neu\r\n");
    EXPECT_EQ(fs::status(c / "NEU.TXT").permissions() & fs::perms::all, rechte);
    EXPECT_EQ(std::distance(fs::directory_iterator(c), {}), 1);
}
