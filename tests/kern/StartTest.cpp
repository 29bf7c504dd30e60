#include "shell/Start.h"
#include "hilfen/TestUmgebung.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const Text EngineText = u"Vexlo ist nicht unter <c:\\programme\\vexlo\\> installiert!\n\n"
                        u"Berechnungen nicht möglich!";
const Text GeoidText = u"Eine binäre SatNivGeoid-Datei im Verzeichnis\n"
                       u"<c:\\programme\\vexlo\\*.bog> fehlt!\n\n"
                       u"Berechnungen von Normalhöhen im System DHHN92 sind nicht möglich!";

// Version und Höhensystem wie aus kestrav.ini: die Datei liegt bereit, und der Zustandssatz ist
// schon gesetzt, damit der Start gleich prüft, was sie vorgibt.
void EinstellungenVorgeben(TestUmgebung& t, const Text& version, const Text& hoehe) {
    BytesSchreiben(t.programm / "kestrav.ini",
                   "VexloVersion = " + NachWindows1252(version) +
                       "\r\nH\xF6hensystem = " + NachWindows1252(hoehe) + "\r\n");
    Basisformular& form = t.Formular();
    form.zustand.Versionskennung = version;
    form.zustand.Höhensystem = hoehe;
}

// Laufwerk D: auf einen Host-Ordner legen, bevor das Hauptfenster entsteht.
void LaufwerkZuordnen(TestUmgebung& t, char16_t buchstabe, const fs::path& wurzel) {
    t.laufwerke.Setzen(buchstabe, wurzel.string());
    t.datei = std::make_unique<PosixDateisystem>(t.laufwerke);
    t.umgebung = std::make_unique<Umgebung>(
        Umgebung{*t.datei, t.prozesse, t.schleife, t.dialoge, t.programmdienst, t.system});
}

std::vector<Text> Titel(const AttrappeDialoge& dialoge) {
    std::vector<Text> titel;
    for (const auto& m : dialoge.protokoll)
        titel.push_back(m.meldung.titel);
    return titel;
}

TEST(Start, FesteNamenUndProgrammverzeichnis) {
    TestUmgebung t;
    t.EngineInstallieren();
    EinstellungenVorgeben(t, u"2", u"2");
    Basisformular& form = t.Start();
    EXPECT_EQ(form.zustand.AntexSammeldatei, Text(u"$$$$$.atx"));
    EXPECT_EQ(form.zustand.VexloVerzeichnis, Text(u"c:\\programme\\vexlo\\"));
    EXPECT_EQ(form.zustand.IniDatei, Text(u"kestrav.ini"));
    EXPECT_EQ(form.zustand.Programmverzeichnis, Text(u"c:\\programme\\kestrav\\"));
    EXPECT_TRUE(t.dialoge.protokoll.empty());
}

TEST(Start, MenuesWerdenWeissGefaerbt) {
    TestUmgebung t;
    t.EngineInstallieren();
    t.Start();
    EXPECT_EQ(t.programmdienst.menuefarben,
              (std::vector<std::string>{"2,16777215,1,0", "1,16777215,0,0", "3,16777215,0,1"}));
}

TEST(Start, MeldungenWortgetreuErstEngineDannGeoid) {
    TestUmgebung t;
    EinstellungenVorgeben(t, u"2", u"1");
    Basisformular& form = t.Start();
    ASSERT_EQ(t.dialoge.protokoll.size(), 2u);
    const Meldung& engine = t.dialoge.protokoll[0].meldung;
    EXPECT_EQ(engine.text, EngineText);
    EXPECT_EQ(engine.titel, Text(u"Vexlo fehlt!"));
    EXPECT_EQ(engine.knoepfe, Knoepfe::OK);
    EXPECT_EQ(engine.symbol, Symbol::Ausrufezeichen);
    const Meldung& geoid = t.dialoge.protokoll[1].meldung;
    EXPECT_EQ(geoid.text, GeoidText);
    EXPECT_EQ(geoid.titel, Text(u"Geoidfeld Datei fehlt!"));
    EXPECT_EQ(geoid.knoepfe, Knoepfe::OK);
    EXPECT_EQ(geoid.symbol, Symbol::Ausrufezeichen);
    EXPECT_TRUE(form.QelHöheEllips.Gewaehlt());
    EXPECT_FALSE(form.QelHöheDhhn.Gewaehlt());
}

struct Pruefungsfall {
    const char* name;
    const char* version;
    std::vector<const char*> engineDateien; // im Engine-Verzeichnis angelegt
    const char* hoehensystem;
    std::vector<Text> titel;
    bool ellipsoid;
};

void PrintTo(const Pruefungsfall& f, std::ostream* os) {
    *os << f.name;
}

class StartPruefungen : public ::testing::TestWithParam<Pruefungsfall> {};

TEST_P(StartPruefungen, MeldungenUndHoehensystem) {
    const Pruefungsfall& f = GetParam();
    TestUmgebung t;
    for (const char* name : f.engineDateien)
        BytesSchreiben(t.vexlo / name, "");
    EinstellungenVorgeben(t, AusUtf8(f.version), AusUtf8(f.hoehensystem));
    Basisformular& form = t.Start();
    EXPECT_EQ(Titel(t.dialoge), f.titel);
    EXPECT_EQ(form.QelHöheEllips.Gewaehlt(), f.ellipsoid);
}

const Text Vexlo = u"Vexlo fehlt!";
const Text Geoid = u"Geoidfeld Datei fehlt!";

INSTANTIATE_TEST_SUITE_P(
    Faelle, StartPruefungen,
    ::testing::Values(
        Pruefungsfall{"AllesDa", "2", {"bo2.exe", "gcg2016.bog"}, "1", {}, false},
        Pruefungsfall{"NurGeoidFehlt", "2", {"bo2.exe"}, "1", {Geoid}, true},
        Pruefungsfall{"GeoidGrossGeschrieben", "2", {"bo2.exe", "GCG2016.BOG"}, "1", {}, false},
        Pruefungsfall{"Version1SuchtBo1", "1", {"bo2.exe", "x.bog"}, "1", {Vexlo}, false},
        Pruefungsfall{"Version1Vorhanden", "1", {"bo1.exe"}, "2", {}, true},
        // Höhensystem 2 wählt schon beim Laden das Ellipsoid; es braucht kein Geoid: keine Prüfung.
        Pruefungsfall{"OhneNormalhoehenKeineGeoidpruefung", "2", {}, "2", {Vexlo}, true},
        Pruefungsfall{"LeeresHoehensystem", "2", {"bo2.exe"}, "", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Start, BeschriftungNachVersion) {
    for (const auto& [version, beschriftung] :
         {std::pair<Text, Text>{u"1", u"Kestrav für Qel1/Bo1 V5.0(2)"},
          std::pair<Text, Text>{u"2", u"Kestrav für Qel2/Bo2 V5.0(2)"}}) {
        TestUmgebung t;
        t.EngineInstallieren();
        EinstellungenVorgeben(t, version, u"2");
        Basisformular& form = t.Start();
        EXPECT_EQ(form.fenster.Caption(), beschriftung);
    }
    // Spätere Versionswechsel setzen sie nach derselben Regel neu, ohne etwas anzuhängen.
    TestUmgebung t;
    Basisformular& form = t.Formular();
    form.zustand.Versionskennung = u"1";
    FensterbeschriftungSetzen(form);
    FensterbeschriftungSetzen(form);
    EXPECT_EQ(form.fenster.Caption(), Text(u"Kestrav für Qel1/Bo1 V5.0(2)"));
}

struct Systembreitenfall {
    const char16_t* beschreibung;
    const char16_t* systembreite;
};

class StartSystembreite : public ::testing::TestWithParam<Systembreitenfall> {};

TEST_P(StartSystembreite, AusDerBeschreibung) {
    TestUmgebung t;
    t.EngineInstallieren();
    t.system.beschreibung = GetParam().beschreibung;
    EXPECT_EQ(t.Start().zustand.Systembreite, Text(GetParam().systembreite));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StartSystembreite,
    ::testing::Values(Systembreitenfall{u"Windows XP Professional, 32-bit (Service Pack 3)",
                                        u"32Bit"},
                      Systembreitenfall{u"Windows 7 , 64-bit (Service Pack 1)", u"64Bit"},
                      Systembreitenfall{u"Linux 6.1, 64-BIT", u"64Bit"},
                      // 32-bit wird zuerst gesucht.
                      Systembreitenfall{u"64-bit Kern, 32-Bit Programm", u"32Bit"},
                      Systembreitenfall{u"Windows 2000 Professional (Service Pack 4)",
                                        u"Windows 2000 Professional (Service Pack 4)"},
                      Systembreitenfall{u"", u""}));

TEST(Start, VerweigerteSystemabfrageLaesstSystembreiteLeer) {
    TestUmgebung t;
    t.EngineInstallieren();
    t.system.verweigert = true;
    Basisformular& form = t.Formular();
    form.zustand.Systembreite = u"64Bit";
    t.Start();
    EXPECT_EQ(form.zustand.Systembreite, Text());
}

// Befehlszeile -> Startargument, aktuelles Verzeichnis und Arbeitsverzeichnis des Prozesses.
class StartBefehlszeile : public ::testing::Test {
protected:
    StartBefehlszeile() {
        fs::create_directories(laufwerkD / "daten" / "tag1");
        fs::create_directories(hostordner);
        LaufwerkZuordnen(t, u'd', laufwerkD);
        t.EngineInstallieren();
        t.InsArbeitsverzeichnis();
    }
    Basisformular& Starten(const Text& befehlszeile) {
        t.system.befehlszeile = befehlszeile;
        return t.Start();
    }

    TestUmgebung t;
    fs::path laufwerkD = t.temp / "d";
    fs::path hostordner = t.temp / "Host Ordner" / "tag1";
};

TEST_F(StartBefehlszeile, OhneArgumentBleibtAllesWieEsWar) {
    Basisformular& form = Starten(u"");
    EXPECT_EQ(form.zustand.Startargument, Text());
    EXPECT_EQ(t.datei->AktuellesVerzeichnis(), Text(u"c:\\daten\\tag1"));
    EXPECT_EQ(fs::current_path(), t.arbeit);
}

TEST_F(StartBefehlszeile, WindowsPfadInAnfuehrungszeichen) {
    Basisformular& form = Starten(u"\"d:\\daten\\tag1\\mess1.24o\"");
    EXPECT_EQ(form.zustand.Startargument, Text(u"d:\\daten\\tag1\\mess1.24o"));
    EXPECT_EQ(t.datei->AktuellesVerzeichnis(), Text(u"d:\\daten\\tag1"));
    EXPECT_EQ(fs::current_path(), laufwerkD / "daten" / "tag1");
}

TEST_F(StartBefehlszeile, OhneRueckstrichNurLaufwerkswechselVersucht) {
    Basisformular& form = Starten(u"mess1.24o");
    EXPECT_EQ(form.zustand.Startargument, Text(u"mess1.24o"));
    EXPECT_EQ(t.datei->AktuellesVerzeichnis(), Text(u"c:\\daten\\tag1"));
    EXPECT_EQ(fs::current_path(), t.arbeit);
    // Der gescheiterte Wechsel hält die übrigen Schritte nicht auf.
    EXPECT_EQ(form.zustand.Systembreite, Text(u"64Bit"));
}

TEST_F(StartBefehlszeile, HostpfadWirdZuseinerWindowsForm) {
    const std::string host = (hostordner / "mess1.24o").string();
    Basisformular& form = Starten(u"\"" + AusUtf8(host) + u"\"");
    Text windows = u"z:" + AusUtf8(host);
    std::replace(windows.begin(), windows.end(), u'/', u'\\');
    EXPECT_EQ(form.zustand.Startargument, windows);
    EXPECT_EQ(t.datei->AktuellesVerzeichnis(), windows.substr(0, windows.rfind(u'\\')));
    EXPECT_EQ(fs::current_path(), hostordner);
}

// Ein Dateisystem, das jeden Aufruf verweigert, und ein Programm ohne Menüfarben.
class VerweigerndesDateisystem : public Dateisystem {
    [[noreturn]] static void Verweigern() { throw Laufzeitfehler(57); }

public:
    bool Existiert(const Text&) override { Verweigern(); }
    Text Lesen(const Text&) override { Verweigern(); }
    void ZeilenLesen(const Text&, const std::function<bool(const Text&)>&) override {
        Verweigern();
    }
    void Schreiben(const Text&, const Text&, bool) override { Verweigern(); }
    void SicherErsetzen(const Text&, const Text&) override { Verweigern(); }
    void Loeschen(const Text&) override { Verweigern(); }
    void Umbenennen(const Text&, const Text&) override { Verweigern(); }
    std::vector<Text> Auflisten(const Text&) override { Verweigern(); }
    Text AktuellesVerzeichnis() override { Verweigern(); }
    void LaufwerkWechseln(const Text&) override { Verweigern(); }
    void VerzeichnisWechseln(const Text&) override { Verweigern(); }
    void AlleSchliessen() override { Verweigern(); }
    Text AusHostpfad(const Text&) override { Verweigern(); }
    Text NachHostpfad(const Text&) override { Verweigern(); }
};

class VerweigerndesProgramm : public AttrappeProgramm {
public:
    int versuche = 0;
    bool Menuefarbe(int, unsigned, int, bool) override {
        ++versuche;
        throw Laufzeitfehler(5);
    }
};

TEST(Start, EinScheiternderSchrittHaeltDieFolgendenNichtAuf) {
    VerweigerndesDateisystem datei;
    VerweigerndesProgramm programm;
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeSysteminfo system;
    system.programmpfad = u"/opt/kestrav";
    system.befehlszeile = u"\"d:\\daten\\tag1\\mess1.24o\"";
    Umgebung umgebung{datei, prozesse, schleife, dialoge, programm, system};
    Basisformular form(umgebung);
    form.zustand.Versionskennung = u"2";
    form.zustand.Höhensystem = u"1";
    form.RegisterkarteKestrav.SetzeReiter(2);

    ASSERT_NO_THROW(FormularLaden(form));

    EXPECT_EQ(programm.versuche, 3);
    EXPECT_EQ(form.zustand.VexloVerzeichnis, Text(u"c:\\programme\\vexlo\\"));
    EXPECT_EQ(form.zustand.Programmverzeichnis, Text());
    EXPECT_EQ(form.zustand.IniDatei, Text(u"kestrav.ini"));
    // Die Engine gilt als fehlend; die Geoidsuche scheitert selbst und wird übergangen.
    EXPECT_EQ(dialoge.Texte(), std::vector<Text>{EngineText});
    EXPECT_EQ(form.fenster.Caption(), Text(u"Kestrav für Qel2/Bo2 V5.0(2)"));
    EXPECT_EQ(form.zustand.Startargument, Text(u"d:\\daten\\tag1\\mess1.24o"));
    EXPECT_EQ(form.RegisterkarteKestrav.GewaehlterReiter(), 0);
    EXPECT_EQ(form.zustand.Systembreite, Text(u"64Bit"));
}

} // namespace
