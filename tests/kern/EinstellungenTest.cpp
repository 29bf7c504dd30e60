// kestrav.ini Byte für Byte: Lesen, Ersetzen, Laden in die Steuerelemente und Speichern.
#include "shell/Einstellungen.h"
#include "hilfen/TestUmgebung.h"
#include "platform/Laufzeitfehler.h"

#include "hilfen/FehlerDateisystem.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const Text Ini = u"c:\\programme\\kestrav\\kestrav.ini";

// Eine vollständige Datei wie ausgeliefert, einzelne Werte je Fall ersetzbar.
std::string IniMit(const std::map<std::string, std::string>& abweichend = {}) {
    std::istringstream standard(
        "VexloVersion = 2\r\nANTEX-Antennkorrektur = 1\r\nH\xF6hensystem = 1\r\n"
        "ignoriere Beobachtungen von = \r\nWarnung L\xF6sungsqualit\xE4t = high\r\n"
        "mittl. Satelittenanzahl = 5\r\nBeobachtungszeit = 5\r\nPDOP = 6\r\n"
        "Ambiquities gel\xF6st f\xFCr = 90\r\nAnzeige Berechnung = 0\r\nAnzeige Ergebnis = 1\r\n"
        "Anzeige Warnung = 1\r\nPr\xFC"
        "fung Qel-Logfile = 1\r\nQel-weitereParameter = -e10\r\n"
        "Bo-weitereParameter = -e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb\r\n");
    std::string bytes;
    for (std::string zeile; std::getline(standard, zeile);) {
        const std::string schlüssel = zeile.substr(0, zeile.find(" = "));
        auto it = abweichend.find(schlüssel);
        bytes += it == abweichend.end() ? zeile + "\n" : schlüssel + " = " + it->second + "\r\n";
    }
    return bytes;
}

class EinstellungenTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.EngineInstallieren(true);
        Vorbereiten(form);
    }
    void Vorbereiten(Basisformular& f) {
        f.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        f.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
        f.zustand.IniDatei = u"kestrav.ini";
    }
    void Schreiben(const std::string& bytes) { BytesSchreiben(IniPfad(), bytes); }
    std::string Bytes() { return BytesLesen(IniPfad()); }
    std::filesystem::path IniPfad() { return t.programm / "kestrav.ini"; }

    TestUmgebung t;
    Basisformular& form = t.Formular();
};

// bytes == nullptr: keine Datei.
TEST_F(EinstellungenTest, LeseSchlüsselNimmtDieErsteZeileMitGenauDiesemSchlüssel) {
    struct Fall {
        const char* bytes;
        const char16_t* schlüssel;
        const char16_t* wert;
    };
    for (const Fall& f :
         {Fall{"   PDOP   =   3   \r\n", u"PDOP", u"3"}, Fall{"pdop = 3\r\n", u"PDOP", u""},
          Fall{"; PDOP-Grenze\r\nPDOP = 3\r\nPDOP = 4\r\n", u"PDOP", u"3"},
          Fall{"PDOP\r\nPDOP = 4\r\n", u"PDOP", u""}, Fall{"PDOP = 3 = 4\r\n", u"PDOP", u"3"},
          Fall{"A = 1\rPDOP = 7", u"PDOP", u"7"},
          Fall{"H\xF6hensystem = 2\r\n", u"Höhensystem", u"2"}, Fall{nullptr, u"PDOP", u""}}) {
        std::filesystem::remove(IniPfad());
        if (f.bytes)
            Schreiben(f.bytes);
        EXPECT_EQ(LeseSchlüssel(t.umgebung->datei, Ini, f.schlüssel, u"="), f.wert)
            << (f.bytes ? f.bytes : "ohne Datei");
    }
}

TEST_F(EinstellungenTest, ErsetzeSchlüsselSchreibtJedeZeileMitDemSchlüsselNeu) {
    struct Fall {
        const char* vorher;
        const char16_t* schlüssel;
        const char* nachher;
    };
    for (const Fall& f : {Fall{"pdop=3\r\n", u"PDOP", "PDOP = 5\r\n"},
                          Fall{"; Grenze f\xFCr PDOP\r\nx\r\nPDOP = 3\r\n", u"PDOP",
                               "PDOP = 5\r\nx\r\nPDOP = 5\r\n"},
                          Fall{"A = 1\r\n\r\nB = 2", u"PDOP", "A = 1\r\n\r\nB = 2\r\n"},
                          Fall{"A = 1\r\nPDOP = 2", u"PDOP", "A = 1\r\nPDOP = 5\r\n"},
                          Fall{"", u"PDOP", "\r\n"}, Fall{nullptr, u"PDOP", "\r\n"},
                          Fall{"H\xD6HENSYSTEM=1\r\n", u"Höhensystem", "H\xF6hensystem = 5\r\n"}}) {
        std::filesystem::remove(IniPfad());
        if (f.vorher)
            Schreiben(f.vorher);
        ErsetzeSchlüssel(t.umgebung->datei, Ini, f.schlüssel, u"=", u"5");
        EXPECT_EQ(Bytes(), f.nachher) << (f.vorher ? f.vorher : "ohne Datei");
    }
}

TEST_F(EinstellungenTest, AusgelieferteDateiBleibtBeimSpeichernByteGleich) {
    const std::string ausgeliefert =
        BytesLesen(std::filesystem::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
    EXPECT_EQ(ausgeliefert, IniMit());
    Schreiben(ausgeliefert);
    EinstellungenLaden(form);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");
    EXPECT_TRUE(form.QelHöheDhhn.Gewaehlt());
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(), ausgeliefert);
}

TEST_F(EinstellungenTest, LadenOhneDatei) {
    EinstellungenLaden(form);
    EXPECT_EQ(form.VexloVersion.Wert(), u"2");
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u" -A");
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"4");
    EXPECT_EQ(form.PDOP.Wert(), u"0");
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(), "\r\n");
}

TEST_F(EinstellungenTest, GespeicherteTexteGewinnenÜberDieRegeln) {
    Schreiben(IniMit({{"ANTEX-Antennkorrektur", "0"},
                      {"H\xF6hensystem", "2"},
                      {"ignoriere Beobachtungen von", "-svr -SVE"},
                      {"Qel-weitereParameter", "-e10 -A -A -x"},
                      {"Bo-weitereParameter", "-e10 +Sb"}}));
    EinstellungenLaden(form);
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 0);
    EXPECT_TRUE(form.QelHöheEllips.Gewaehlt());
    EXPECT_EQ(form.QelGLONASS.Wert(), 1);
    EXPECT_EQ(form.QelGalileo.Wert(), 1);
    EXPECT_EQ(form.QelGPS.Wert() + form.QelSBAS.Wert(), 0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -x -A");
    EXPECT_EQ(form.BoWeitereParameter.Wert(), u"-e10 +Sb");
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(), IniMit({{"ANTEX-Antennkorrektur", "0"},
                               {"H\xF6hensystem", "2"},
                               {"ignoriere Beobachtungen von", "-SVR -SVE"},
                               {"Qel-weitereParameter", "-e10 -x -A"},
                               {"Bo-weitereParameter", "-e10 +Sb"}}));
}

TEST_F(EinstellungenTest, GanzzahlenUndUntergrenzenBeimLaden) {
    Schreiben(IniMit({{"PDOP", "7.5"},
                      {"Ambiquities gel\xF6st f\xFCr", "6.5"},
                      {"Beobachtungszeit", "drei"},
                      {"mittl. Satelittenanzahl", "2"}}));
    EinstellungenLaden(form);
    EXPECT_EQ(form.PDOP.Wert(), u"8");
    EXPECT_EQ(form.AmbiguitiesFixedFor.Wert(), u"6");
    EXPECT_EQ(form.OccupationTime.Wert(), u"5");
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"4");
    EXPECT_EQ(form.zustand.GrenzeSatellitenanzahl, 2);
}

TEST_F(EinstellungenTest, SpeichernRundetZurGeradenZahlUndBehältUnlesbareGrenzwerte) {
    Schreiben(IniMit({{"PDOP", "3"}, {"Ambiquities gel\xF6st f\xFCr", "80"}}));
    EinstellungenLaden(form);
    form.PDOP.SetzeText(u"kein Wert");
    form.AmbiguitiesFixedFor.SetzeText(u"88,5");
    form.OccupationTime.SetzeText(u"12.5");
    form.Satellitenanzahl.SetzeText(u"5.5");
    form.LösungsQu.SetzeText(u"fixed");
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(), IniMit({{"PDOP", "3"},
                               {"Ambiquities gel\xF6st f\xFCr", "80"},
                               {"Beobachtungszeit", "12"},
                               {"mittl. Satelittenanzahl", "6"},
                               {"Warnung L\xF6sungsqualit\xE4t", "fixed"}}));
}

TEST_F(EinstellungenTest, FremdeZeilenBleibenUndDoppelteWerdenBeideNeu) {
    Schreiben("; Einstellungen, PDOP ohne Einheit\r\n" + IniMit() + "[Ende]\r\npdop=1\r\nletzte");
    EinstellungenLaden(form);
    form.PDOP.SetzeText(u"4");
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(),
              "PDOP = 4\r\n" + IniMit({{"PDOP", "4"}}) + "[Ende]\r\nPDOP = 4\r\nletzte\r\n");
}

TEST_F(EinstellungenTest, ZurückgewiesenerWertBeendetDasLaden) {
    Schreiben(IniMit({{"VexloVersion", "1"},
                      {"ANTEX-Antennkorrektur", "7"},
                      {"Qel-weitereParameter", "-anders"}}));
    EXPECT_NO_THROW(EinstellungenLaden(form));
    EXPECT_EQ(form.VexloVersion.Wert(), u"1");
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");

    Schreiben(IniMit({{"PDOP", "9"}, {"Anzeige Ergebnis", "7"}, {"Anzeige Warnung", "0"}}));
    EinstellungenLaden(form);
    EXPECT_EQ(form.PDOP.Wert(), u"9");
    EXPECT_EQ(form.ErgebnisAnzeigen.Wert(), 1);
    EXPECT_EQ(form.FehlerAnzeigen.Wert(), 1);
}

TEST_F(EinstellungenTest, ScheiterndesSchreibenLässtDieAlteDateiGanz) {
    const std::string alt = IniMit({{"PDOP", "3"}});
    Schreiben(alt);
    FehlerDateisystem datei(t.umgebung->datei);
    Umgebung u{datei, t.prozesse, t.schleife, t.dialoge, t.programmdienst, t.system};
    Basisformular f(u);
    Vorbereiten(f);
    EinstellungenLaden(f);
    f.PDOP.SetzeText(u"4");
    f.VexloVersion.SetzeText(u"1");
    datei.ScheiternBei(1, 61);
    try {
        EinstellungenSpeichern(f);
        FAIL() << "kein Laufzeitfehler";
    } catch (const Laufzeitfehler& fehler) {
        EXPECT_EQ(fehler.nummer(), 61);
        EXPECT_EQ(EinstellungenFehlermeldung(f, fehler).text,
                  u"Die Einstellungen konnten nicht in die Datei\n<" + AusUtf8(IniPfad().string()) +
                      u">\ngeschrieben werden (Laufzeitfehler 61).\n"
                      u"Die Datei ist unverändert geblieben.");
    }
    EXPECT_EQ(Bytes(), alt);
    // Alle fünfzehn Schlüssel gehen in einem einzigen Schreiben hinaus, nie halb alt, halb neu.
    datei.ScheiternBei(0, 61);
    EinstellungenSpeichern(f);
    EXPECT_EQ(datei.SchreibendeZugriffe(), 1);
    EXPECT_EQ(Bytes(), IniMit({{"PDOP", "4"}, {"VexloVersion", "1"}}));
}

} // namespace
