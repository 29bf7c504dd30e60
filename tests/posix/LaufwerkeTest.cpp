#include "Prozesstestbasis.h"

namespace fs = std::filesystem;

class LaufwerkeAusUmgebung : public Prozesstestbasis {};
// C: liegt leer im Temp-Ordner, D: daneben, Z: ist "/".
class LaufwerkeTest : public ::testing::Test, public TempLaufwerke {};

TEST_F(LaufwerkeAusUmgebung, MitVorgabenUndVariablen) {
    Umgebung("XDG_DATA_HOME", "/daten/xdg");
    Umgebung("KESTRAV_LAUFWERK_C", "");
    Umgebung("KESTRAV_LAUFWERK_M", "/mnt/server/programme/");
    Laufwerke l = Laufwerke::AusUmgebung();
    EXPECT_EQ(l.Wurzel(u'z'), "/");
    EXPECT_EQ(l.Wurzel(u'C'), "/daten/xdg/kestrav/c");
    EXPECT_EQ(l.Wurzel(u'm'), "/mnt/server/programme");
    EXPECT_EQ(l.Wurzel(u'q'), std::nullopt);
    Umgebung("XDG_DATA_HOME", "");
    Umgebung("HOME", "/home/vermesser");
    EXPECT_EQ(Laufwerke::AusUmgebung().Wurzel(u'c'), "/home/vermesser/.local/share/kestrav/c");
}

TEST_F(LaufwerkeTest, NachHostKomponentenOhneRuecksichtAufGrossschreibung) {
    BytesSchreiben(c / "Daten/Tag1/A.12O", "x");
    BytesSchreiben(c / "a.txt", "klein");
    BytesSchreiben(c / "A.TXT", "gross");
    fs::create_directories(c / "programme/Vexlo");
    // Pfad, Basis, Ergebnis unter der Wurzel von C: (nullptr: nicht abbildbar).
    using F = std::tuple<const char16_t*, const char16_t*, const char*>;
    for (const auto& [pfad, basis, erwartet] :
         {F{u"C:\\daten\\TAG1\\a.12o", u"", "/Daten/Tag1/A.12O"},
          // Fehlende Teile bleiben wie angegeben, das Vorhandene davor wird aufgelöst.
          F{u"c:\\DATEN\\neu\\Datei.txt", u"", "/Daten/neu/Datei.txt"},
          F{u"c:\\programme\\vexlo\\..\\.\\VEXLO\\bo2.exe", u"", "/programme/Vexlo/bo2.exe"},
          F{u"c:\\..\\..\\daten", u"", "/Daten"},
          // Genauer Treffer vor anderen Schreibweisen, sonst der in Sortierfolge erste.
          F{u"c:\\a.txt", u"", "/a.txt"}, F{u"c:\\A.txt", u"", "/A.TXT"},
          // Relativ zur Basis, "\name" zur Wurzel ihres Laufwerks, "c:name" zur Basis auf c:.
          F{u"a.12o", u"c:\\daten\\tag1", "/Daten/Tag1/A.12O"},
          F{u"\\programme", u"c:\\daten\\tag1", "/programme"},
          F{u"c:tag1", u"c:\\daten", "/Daten/Tag1"},
          F{u"c:daten", u"d:\\x", "/Daten"}, // die Basis gilt nur auf ihrem Laufwerk
          F{u"q:\\x", u"", nullptr}, F{u"\\\\server\\freigabe\\x", u"c:\\", nullptr}}) {
        EXPECT_EQ(laufwerke.NachHost(pfad, basis),
                  erwartet ? std::optional(c.string() + erwartet) : std::nullopt)
            << NachUtf8(pfad);
    }
}

TEST_F(LaufwerkeTest, AusHostUeberLaengsteWurzel) {
    fs::create_directories(temp / "echt/daten");
    fs::create_directory_symlink(temp / "echt", temp / "link");
    laufwerke.Setzen(u'c', "/srv/kestrav/c/");
    laufwerke.Setzen(u'M', "/srv/kestrav/c/programme");
    laufwerke.Setzen(u'd', (temp / "link").string());
    EXPECT_EQ(laufwerke.AusHost("/home/u/tag1/a.23o"), u"z:\\home\\u\\tag1\\a.23o");
    EXPECT_EQ(laufwerke.AusHost("/srv/kestrav/c/daten/"), u"c:\\daten");
    EXPECT_EQ(laufwerke.AusHost("/srv/kestrav/c/programme/vexlo"), u"m:\\vexlo");
    // Nur ganze Komponenten zählen.
    EXPECT_EQ(laufwerke.AusHost("/srv/kestrav/cc/x"), u"z:\\srv\\kestrav\\cc\\x");
    // getcwd() liefert den echten Pfad; er gehört trotzdem zu dem Laufwerk über den Link.
    EXPECT_EQ(laufwerke.AusHost(fs::canonical(temp / "echt/daten").string()), u"d:\\daten");
}

// "CASE/Tag1" und "case/tag1" nebeneinander: der klein geschriebene Pfad führt erst zum genauen
// Treffer, nach dem Merken (auch über eine Kopie) in das gemerkte Verzeichnis, die jüngste Wahl
// gewinnt.
TEST_F(LaufwerkeTest, GemerktesVerzeichnisVorGenauemTreffer) {
    fs::create_directories(c / "CASE/Tag1/Unter");
    fs::create_directories(c / "case/tag1/unter");
    const Laufwerke kopie = laufwerke;
    auto host = [&](const char16_t* pfad) {
        return kopie.NachHost(pfad).value().substr(c.string().size());
    };
    EXPECT_EQ(host(u"c:\\case\\tag1\\x.atx"), "/case/tag1/x.atx");
    laufwerke.Merken((c / "CASE/Tag1/").string());
    EXPECT_EQ(host(u"c:\\case\\tag1\\x.atx"), "/CASE/Tag1/x.atx");
    EXPECT_EQ(host(u"c:\\case\\tag1\\unter"), "/CASE/Tag1/Unter");
    EXPECT_EQ(host(u"c:\\case\\tag2"), "/case/tag2");
    laufwerke.Merken((c / "case/tag1").string());
    EXPECT_EQ(host(u"c:\\CASE\\TAG1\\x.atx"), "/case/tag1/x.atx");
}
