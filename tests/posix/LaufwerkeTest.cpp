#include "platform/posix/Laufwerke.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

// Setzt eine Umgebungsvariable für die Dauer eines Tests (nullptr: entfernt sie).
class Umgebungsvariable {
public:
    Umgebungsvariable(const char* name, const char* wert) : name_(name) {
        if (const char* alt = std::getenv(name))
            alt_ = alt;
        wert ? setenv(name, wert, 1) : unsetenv(name);
    }
    ~Umgebungsvariable() { alt_ ? setenv(name_, alt_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> alt_;
};

} // namespace

TEST(Laufwerke, AusUmgebungMitVorgabenUndVariablen) {
    Umgebungsvariable xdg("XDG_DATA_HOME", "/daten/xdg");
    Umgebungsvariable c("KESTRAV_LAUFWERK_C", nullptr);
    Umgebungsvariable m("KESTRAV_LAUFWERK_M", "/mnt/server/programme/");
    Laufwerke l = Laufwerke::AusUmgebung();
    EXPECT_EQ(l.Wurzel(u'z'), "/");
    EXPECT_EQ(l.Wurzel(u'C'), "/daten/xdg/kestrav/c");
    EXPECT_EQ(l.Wurzel(u'm'), "/mnt/server/programme");
    EXPECT_EQ(l.Wurzel(u'q'), std::nullopt);
    {
        Umgebungsvariable ohneXdg("XDG_DATA_HOME", nullptr);
        Umgebungsvariable heim("HOME", "/home/vermesser");
        EXPECT_EQ(Laufwerke::AusUmgebung().Wurzel(u'c'), "/home/vermesser/.local/share/kestrav/c");
    }
    Umgebungsvariable c2("KESTRAV_LAUFWERK_C", "/opt/kestrav/c");
    EXPECT_EQ(Laufwerke::AusUmgebung().Wurzel(u'c'), "/opt/kestrav/c");
}

TEST(Laufwerke, KomponentenOhneRueckichtAufGrossschreibung) {
    TempVerzeichnis temp;
    BytesSchreiben(temp / "Daten/Tag1/A.12O", "x");
    fs::create_directories(temp / "programme/Vexlo");
    Laufwerke l;
    l.Setzen(u'c', temp.Pfad().string());
    const std::string w = temp.Pfad().string();

    EXPECT_EQ(l.NachHost(u"C:\\daten\\TAG1\\a.12o"), w + "/Daten/Tag1/A.12O");
    EXPECT_EQ(l.NachHost(u"c:/Daten/Tag1/A.12O"), w + "/Daten/Tag1/A.12O");
    // Fehlende Teile bleiben wie angegeben, das Vorhandene davor wird trotzdem aufgelöst.
    EXPECT_EQ(l.NachHost(u"c:\\DATEN\\neu\\Datei.txt"), w + "/Daten/neu/Datei.txt");
    EXPECT_EQ(l.NachHost(u"c:\\programme\\vexlo\\..\\.\\VEXLO\\bo2.exe"),
              w + "/programme/Vexlo/bo2.exe");
    EXPECT_EQ(l.NachHost(u"c:\\..\\..\\daten"), w + "/Daten");
    EXPECT_EQ(l.NachHost(u"c:\\"), w);
    // Relativ zur Basis, "\name" zur Wurzel ihres Laufwerks, "c:name" zur Basis auf c:.
    EXPECT_EQ(l.NachHost(u"a.12o", u"c:\\daten\\tag1"), w + "/Daten/Tag1/A.12O");
    EXPECT_EQ(l.NachHost(u"\\programme", u"c:\\daten\\tag1"), w + "/programme");
    EXPECT_EQ(l.NachHost(u"c:tag1", u"c:\\daten"), w + "/Daten/Tag1");
    EXPECT_EQ(l.NachHost(u"q:\\x"), std::nullopt);
    EXPECT_EQ(l.NachHost(u"\\\\server\\freigabe\\x", u"c:\\"), std::nullopt);
}

TEST(Laufwerke, GenauerTrefferVorAnderenSchreibweisen) {
    TempVerzeichnis temp;
    BytesSchreiben(temp / "a.txt", "klein");
    BytesSchreiben(temp / "A.TXT", "gross");
    Laufwerke l;
    l.Setzen(u'c', temp.Pfad().string());
    EXPECT_EQ(l.NachHost(u"c:\\A.TXT"), (temp / "A.TXT").string());
    EXPECT_EQ(l.NachHost(u"c:\\a.txt"), (temp / "a.txt").string());
    // Ohne genauen Treffer der in Sortierfolge erste: unabhängig von der Verzeichnisreihenfolge.
    EXPECT_EQ(l.NachHost(u"c:\\A.txt"), (temp / "A.TXT").string());
}

TEST(Laufwerke, AusHostUeberLaengsteWurzel) {
    Laufwerke l;
    l.Setzen(u'z', "/");
    l.Setzen(u'c', "/srv/kestrav/c/");
    l.Setzen(u'M', "/srv/kestrav/c/programme");
    EXPECT_EQ(l.AusHost("/home/u/tag1/a.23o"), u"z:\\home\\u\\tag1\\a.23o");
    EXPECT_EQ(l.AusHost("/srv/kestrav/c/daten/"), u"c:\\daten");
    EXPECT_EQ(l.AusHost("/srv/kestrav/c"), u"c:\\");
    EXPECT_EQ(l.AusHost("/srv/kestrav/c/programme/vexlo"), u"m:\\vexlo");
    // Nur ganze Komponenten zählen.
    EXPECT_EQ(l.AusHost("/srv/kestrav/cc/x"), u"z:\\srv\\kestrav\\cc\\x");
    EXPECT_EQ(l.AusHost("/"), u"z:\\");
    EXPECT_EQ(l.AusHost("/home/u/Höhe"), u"z:\\home\\u\\Höhe");
}

TEST(Laufwerke, WurzelUeberSymbolischenLink) {
    TempVerzeichnis temp;
    fs::create_directories(temp / "echt/daten");
    fs::create_directory_symlink(temp / "echt", temp / "link");
    Laufwerke l;
    l.Setzen(u'z', "/");
    l.Setzen(u'c', (temp / "link").string());
    // getcwd() liefert den echten Pfad; er gehört trotzdem zu C:.
    EXPECT_EQ(l.AusHost(fs::canonical(temp / "echt/daten").string()), u"c:\\daten");
}
