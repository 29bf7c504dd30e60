#include "shell/Start.h"
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const Text EngineText = u"Vexlo ist nicht unter <c:\\programme\\vexlo\\> installiert!\n\n"
                        u"Berechnungen nicht möglich!";
const Text GeoidText = u"Eine binäre SatNivGeoid-Datei im Verzeichnis\n"
                       u"<c:\\programme\\vexlo\\*.bog> fehlt!\n\n"
                       u"Berechnungen von Normalhöhen im System DHHN92 sind nicht möglich!";
const Text Vexlo = u"Vexlo fehlt!";
const Text Geoid = u"Geoidfeld Datei fehlt!";

// Version und Höhensystem wie aus kestrav.ini: die Datei liegt bereit, und der Zustandssatz ist
// schon gesetzt, damit der Start gleich prüft, was sie vorgibt.
void EinstellungenVorgeben(TestUmgebung& t, const Text& version, const Text& hoehe) {
    BytesSchreiben(t.programm / "kestrav.ini",
                   "VexloVersion = " + NachWindows1252(version) +
                       "\r\nH\xF6hensystem = " + NachWindows1252(hoehe) + "\r\n");
    t.Formular().zustand.Versionskennung = version;
    t.Formular().zustand.Höhensystem = hoehe;
}

TEST(Start, FesteNamenUndWeisseMenues) {
    TestUmgebung t;
    t.EngineInstallieren();
    EinstellungenVorgeben(t, u"2", u"2");
    Basisformular& form = t.Start();
    EXPECT_EQ(form.zustand.AntexSammeldatei, Text(u"$$$$$.atx"));
    EXPECT_EQ(form.zustand.VexloVerzeichnis, Text(u"c:\\programme\\vexlo\\"));
    EXPECT_EQ(form.zustand.Programmverzeichnis, Text(u"c:\\programme\\kestrav\\"));
    EXPECT_TRUE(t.dialoge.protokoll.empty());
    EXPECT_EQ(t.programmdienst.menuefarben,
              (std::vector<std::string>{"2,16777215,1,0", "1,16777215,0,0", "3,16777215,0,1"}));
}

TEST(Start, MeldungenWortgetreuErstEngineDannGeoid) {
    TestUmgebung t;
    EinstellungenVorgeben(t, u"2", u"1");
    t.Start();
    ASSERT_EQ(t.dialoge.protokoll.size(), 2u);
    EXPECT_EQ(Teile(t.dialoge.protokoll[0].meldung),
              std::tuple(EngineText, Vexlo, Knoepfe::OK, Symbol::Ausrufezeichen));
    EXPECT_EQ(Teile(t.dialoge.protokoll[1].meldung),
              std::tuple(GeoidText, Geoid, Knoepfe::OK, Symbol::Ausrufezeichen));
}

TEST(Start, PruefungenNachVersionUndHoehensystem) {
    struct Fall {
        const char16_t* version;
        std::vector<const char*> engineDateien; // im Engine-Verzeichnis angelegt
        const char16_t* hoehensystem;
        std::vector<Text> titel;
        bool ellipsoid;
    };
    const Fall faelle[] = {
        {u"2", {"bo2.exe", "gcg2016.bog"}, u"1", {}, false},
        {u"2", {"bo2.exe"}, u"1", {Geoid}, true},
        {u"2", {"bo2.exe", "GCG2016.BOG"}, u"1", {}, false},
        {u"1", {"bo2.exe", "x.bog"}, u"1", {Vexlo}, false},
        {u"1", {"bo1.exe"}, u"2", {}, true},
        // Höhensystem 2 wählt schon beim Laden das Ellipsoid und braucht kein Geoid.
        {u"2", {}, u"2", {Vexlo}, true},
        {u"2", {"bo2.exe"}, u"", {}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(&f - faelle);
        TestUmgebung t;
        for (const char* name : f.engineDateien)
            BytesSchreiben(t.vexlo / name, "");
        EinstellungenVorgeben(t, f.version, f.hoehensystem);
        Basisformular& form = t.Start();
        std::vector<Text> titel;
        for (const auto& m : t.dialoge.protokoll)
            titel.push_back(m.meldung.titel);
        EXPECT_EQ(titel, f.titel);
        EXPECT_EQ(form.QelHöheEllips.Gewaehlt(), f.ellipsoid);
        const Text v = f.version;
        EXPECT_EQ(form.fenster.Caption(), u"Kestrav für Qel" + v + u"/Bo" + v + u" V5.0(2)");
    }
}

TEST(Start, SystembreiteAusDerBeschreibung) {
    const std::pair<Text, Text> faelle[] = {
        {u"Windows XP Professional, 32-bit (Service Pack 3)", u"32Bit"},
        {u"Linux 6.1, 64-BIT", u"64Bit"},
        {u"64-bit Kern, 32-Bit Programm", u"32Bit"}, // 32-bit wird zuerst gesucht
        {u"Windows 2000 Professional (Service Pack 4)",
         u"Windows 2000 Professional (Service Pack 4)"},
    };
    for (const auto& [beschreibung, breite] : faelle) {
        TestUmgebung t;
        t.EngineInstallieren();
        t.system.beschreibung = beschreibung;
        EXPECT_EQ(t.Start().zustand.Systembreite, breite);
    }
    TestUmgebung t;
    t.EngineInstallieren();
    t.system.verweigert = true;
    t.Formular().zustand.Systembreite = u"64Bit";
    EXPECT_EQ(t.Start().zustand.Systembreite, Text());
}

// Befehlszeile -> Startargument, aktuelles Verzeichnis und Arbeitsverzeichnis des Prozesses.
class StartBefehlszeile : public ::testing::Test {
protected:
    StartBefehlszeile() {
        fs::create_directories(laufwerkD / "daten" / "tag1");
        fs::create_directories(hostordner);
        // Laufwerk D: auf einen Host-Ordner legen, bevor das Hauptfenster entsteht.
        t.laufwerke.Setzen(u'd', laufwerkD.string());
        t.datei = std::make_unique<PosixDateisystem>(t.laufwerke);
        t.umgebung = std::make_unique<Umgebung>(
            Umgebung{*t.datei, t.prozesse, t.schleife, t.dialoge, t.programmdienst, t.system});
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

TEST_F(StartBefehlszeile, HostpfadWirdZuSeinerWindowsForm) {
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
