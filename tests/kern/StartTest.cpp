#include "shell/Start.h"
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

const Text EngineText = u"Vexlo ist nicht unter <c:\\programme\\vexlo\\> installiert!\n\n"
                        u"Berechnungen nicht möglich!";
const Text GeoidText = u"Eine binäre SatNivGeoid-Datei im Verzeichnis\n"
                       u"<c:\\programme\\vexlo\\*.bog> fehlt!\n\n"
                       u"Berechnungen von Normalhöhen im System DHHN92 sind nicht möglich!";

// Meldungen wortgetreu, erst Engine, dann Geoid; die Menüleisten werden weiß. Die Systembreite:
// 32-bit wird zuerst gesucht, ohne Angabe gilt die ganze Beschreibung, eine verweigerte Abfrage
// (nullopt) lässt keinen alten Wert stehen.
TEST(Start, PruefungenUndSystembreite) {
    using M = std::tuple<Text, Text, Knoepfe, Symbol>;
    const M vexlo{EngineText, u"Vexlo fehlt!", Knoepfe::OK, Symbol::Ausrufezeichen};
    const M geoid{GeoidText, u"Geoidfeld Datei fehlt!", Knoepfe::OK, Symbol::Ausrufezeichen};
    struct Fall {
        const char16_t* version;
        std::vector<const char*> engineDateien; // im Engine-Verzeichnis angelegt
        const char16_t* hoehensystem;
        std::vector<M> meldungen;
        bool ellipsoid;
        std::optional<Text> beschreibung;
        Text breite;
    };
    const Fall faelle[] = {
        {u"2", {}, u"1", {vexlo, geoid}, true, u"Linux 6.1, 64-BIT", u"64Bit"},
        {u"2", {"bo2.exe"}, u"1", {geoid}, true, u"64-bit Kern, 32-Bit Programm", u"32Bit"},
        {u"2", {"bo2.exe", "GCG2016.BOG"}, u"1", {}, false, u"Windows 2000", u"Windows 2000"},
        {u"1", {"bo2.exe", "x.bog"}, u"1", {vexlo}, false, std::nullopt, u""},
        {u"1", {"bo1.exe"}, u"2", {}, true, u"", u""},
        // Höhensystem 2 wählt schon beim Laden das Ellipsoid und braucht kein Geoid.
        {u"2", {}, u"2", {vexlo}, true, u"", u""},
        {u"2", {"bo2.exe"}, u"", {}, false, u"", u""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(&f - faelle);
        TestUmgebung t;
        for (const char* name : f.engineDateien)
            BytesSchreiben(t.vexlo / name, "");
        // Version und Höhensystem wie aus kestrav.ini; der Zustandssatz ist schon gesetzt, damit
        // der Start gleich prüft, was sie vorgibt.
        BytesSchreiben(t.programm / "kestrav.ini",
                       "VexloVersion = " + NachWindows1252(f.version) +
                           "\r\nH\xF6hensystem = " + NachWindows1252(f.hoehensystem) + "\r\n");
        t.Formular().zustand.Versionskennung = f.version;
        t.Formular().zustand.Höhensystem = f.hoehensystem;
        t.system.beschreibung = f.beschreibung.value_or(u"");
        t.system.verweigert = !f.beschreibung;
        t.Formular().zustand.Systembreite = u"64Bit";
        Basisformular& form = t.Start();
        std::vector<M> meldungen;
        for (const auto& m : t.dialoge.protokoll)
            meldungen.push_back(Teile(m.meldung));
        EXPECT_EQ(meldungen, f.meldungen);
        EXPECT_EQ(form.QelHöheEllips.Gewaehlt(), f.ellipsoid);
        EXPECT_EQ(form.zustand.Systembreite, f.breite);
        EXPECT_EQ(t.programmdienst.menuefarben,
                  (std::vector<std::string>{"2,16777215,1,0", "1,16777215,0,0", "3,16777215,0,1"}));
    }
}

// Befehlszeile -> Startargument, aktuelles Verzeichnis und Arbeitsverzeichnis des Prozesses (unter
// C:); ohne Rückstrich wird nur ein Laufwerkswechsel versucht, der scheitert und nichts ändert.
TEST(Start, BefehlszeileWirdStartargumentUndVerzeichnis) {
    const std::tuple<Text, Text, Text, const char*> faelle[] = {
        {u"\"c:\\daten\\tag2\\mess1.24o\"", u"c:\\daten\\tag2\\mess1.24o", u"c:\\daten\\tag2",
         "daten/tag2"},
        {u"mess1.24o", u"mess1.24o", u"c:\\daten\\tag1", "daten/tag1"},
        // Relativ zum Verzeichnis der Shell, wie "kestrav tag1/x.23o".
        {u"../tag2/mess1.24o", u"c:\\daten\\tag2\\mess1.24o", u"c:\\daten\\tag2", "daten/tag2"},
        // Im Wurzelverzeichnis: der Rückstrich gehört zum Verzeichnis.
        {u"c:\\mess1.24o", u"c:\\mess1.24o", u"c:\\", "."},
    };
    for (const auto& [befehlszeile, argument, verzeichnis, prozessverzeichnis] : faelle) {
        TestUmgebung t;
        t.EngineInstallieren();
        t.InsArbeitsverzeichnis();
        fs::create_directories(t.laufwerkC / "daten" / "tag2");
        t.system.befehlszeile = befehlszeile;
        EXPECT_EQ(t.Start().zustand.Startargument, argument);
        EXPECT_EQ(t.datei->AktuellesVerzeichnis(), verzeichnis);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), t.laufwerkC / prozessverzeichnis))
            << fs::current_path();
    }
}

} // namespace
