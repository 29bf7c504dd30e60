// Start des Hauptfensters, Systembeschreibung und Fehlertabelle.
#include "shell/Start.h"
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"
#include "platform/Laufzeitfehler.h"
#include "shell/Fehlertabelle.h"
#include "shell/Systembeschreibung.h"

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
        t.InsArbeitsverzeichnis();
        fs::create_directories(t.laufwerkC / "daten" / "tag2");
        t.system.befehlszeile = befehlszeile;
        EXPECT_EQ(t.Start().zustand.Startargument, argument);
        EXPECT_EQ(t.datei->AktuellesVerzeichnis(), verzeichnis);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), t.laufwerkC / prozessverzeichnis))
            << fs::current_path();
    }
}

// Produkttypen und Prozessorarchitekturen, wie die Versionsfunktionen sie liefern.
enum { Arbeitsplatz = 1, Server = 3, X86 = 0, Itanium = 6, X64 = 9 };

Versionsdaten NT(int haupt, int neben, int typ, int architektur, std::uint32_t suite = 0,
                 std::uint32_t produktinfo = 0, Text servicepack = {}) {
    return {.plattform = 2,
            .hauptversion = haupt,
            .nebenversion = neben,
            .servicepack = servicepack,
            .produkttyp = typ,
            .suitemaske = suite,
            .prozessorarchitektur = architektur,
            .produktinfo = produktinfo};
}

template <class T> Versionsdaten Mit(Versionsdaten d, T Versionsdaten::*feld, T wert) {
    d.*feld = wert;
    return d;
}

// Stichproben der Zweige, die am leichtesten falsch werden: Reihenfolge der Prüfungen,
// fehlende Tabellenzeilen, Kommata und Leerzeichen an den Nahtstellen. nullopt: Laufzeitfehler.
TEST(Systembeschreibung, Stichproben) {
    constexpr auto verweigert = &Versionsdaten::wow64AbfrageVerweigert;
    const std::pair<Versionsdaten, std::optional<Text>> faelle[] = {
        {NT(5, 1, Arbeitsplatz, X64, 0x100, 0, u"Service Pack 3"),
         u"Windows XP Professional, 32-bit (Service Pack 3)"},
        {Mit(Mit(NT(5, 1, Arbeitsplatz, X86, 0x200), &Versionsdaten::tabletPc, 1),
             &Versionsdaten::mediaCenter, 1),
         u"Windows XP Media Center Edition, 32-bit"},
        {NT(6, 1, Arbeitsplatz, X64, 0, 48, u"Service Pack 1"),
         u"Windows 7 , 64-bit (Service Pack 1)"},
        {Mit(NT(5, 2, Server, X64, 0x0002), &Versionsdaten::serverR2, 1),
         u"Windows Server 2003 R2, Enterprise x64 Edition, 64-bit"},
        {NT(5, 2, Server, Itanium), u"Windows Server 2003, "},
        {{.plattform = 3, .servicepack = Text(u"SP 2\0Rest", 9)}, u"Windows CE (SP 2)"},
        {NT(10, 0, Arbeitsplatz, X64), u""},
        // Eine verweigerte Architekturabfrage ist nur ein Fehler, wo sie gebraucht wird (XP fragt
        // nicht).
        {Mit(NT(6, 1, Arbeitsplatz, X64), verweigert, true), std::nullopt},
        {Mit(NT(5, 2, Server, X86), verweigert, true), std::nullopt},
        {Mit(NT(5, 1, Arbeitsplatz, X86), verweigert, true), u"Windows XP Professional, 32-bit"},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        if (faelle[i].second)
            EXPECT_EQ(Systembeschreibung(faelle[i].first), *faelle[i].second) << i;
        else
            EXPECT_THROW(Systembeschreibung(faelle[i].first), Laufzeitfehler) << i;
    }
}

} // namespace

TEST(Fehlertabelle, HundertachtzehnNummernAufsteigend) {
    auto tabelle = Fehlertabelle();
    ASSERT_EQ(tabelle.size(), 118u);
    // Die Suche verlässt sich auf die Reihenfolge.
    for (std::size_t i = 1; i < tabelle.size(); ++i)
        EXPECT_LT(tabelle[i - 1].nummer, tabelle[i].nummer) << "Zeile " << i;
}

// Stichproben der Zeilen mit Umbrüchen, Tippfehlern und Umlauten, dazu Nummern ohne Zeile.
TEST(Fehlertabelle, BeschreibungenWortgetreu) {
    const std::pair<long, Text> faelle[] = {
        {53,
         u"eventuell Datei nicht gefunden, falsche/ungenaue Referenz-Koordinaten/Antennenhöhe,\n"
         u"Elevationswinkel zu klein, Antennentyp nicht in der Datei \"vexlo.apc\" "
         u"vorgefunden,\nProgrammpfad nicht gesetzt, Schreib/Lösch- und Leserechte nicht "
         u"vergeben, falsche RINEX-Version"},
        {75, u"Fehler beim Zugriff auf Pfad/Datei. Entfernen Sie eventellen \n"
             u"Schreibschutz und erlauben Sie Schreib/Lösch- und Leserechte"},
        {4, u"sonstiger Fehler"},
        {31038, u"sonstiger Fehler"},
    };
    for (const auto& [nummer, beschreibung] : faelle)
        EXPECT_EQ(FehlerbeschreibungZuNummer(nummer), beschreibung) << nummer;
}

TEST(Fehlerbericht, OhneOderMitLeeremFehlerdateitextEndetMitDerBitte) {
    for (const char16_t* fehlerdatei : {u"", u"   "})
        EXPECT_EQ(FehlerberichtText(u"X", fehlerdatei),
                  u"Fehlerart: [X]!\n\nBitte alle Dateien schließen, Daten bereinigen und die "
                  u"Berechnung neu starten!");
}
