// kestrav.ini Byte für Byte: Lesen, Ersetzen, Laden in die Steuerelemente und Speichern; dazu die
// Regeln der Schalter auf dem Reiter "Optionen" und der Grenzwertfelder, über die Modelle gesetzt
// wie von der Oberfläche oder vom Laden der Einstellungen.
#include "shell/Einstellungen.h"
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

const Text Ini = u"c:\\programme\\kestrav\\kestrav.ini";
const Text BoEllips = u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU";

// Die ausgelieferte Datei, einzelne Werte je Fall ersetzbar.
std::string IniMit(const std::map<std::string, std::string>& abweichend = {}) {
    std::istringstream standard(BytesLesen(KESTRAV_SOURCE_DIR "/data/kestrav.ini"));
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
        t.EngineInstallieren();
        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        form.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
        form.zustand.IniDatei = u"kestrav.ini";
    }
    void Schreiben(const std::string& bytes) { BytesSchreiben(IniPfad(), bytes); }
    std::string Bytes() { return BytesLesen(IniPfad()); }
    std::filesystem::path IniPfad() { return t.programm / "kestrav.ini"; }

    TestUmgebung t;
    Basisformular& form = t.Formular();
};
using SchalterTest = EinstellungenTest;

// Lesen nimmt die erste Zeile mit genau diesem Schlüssel; Ersetzen schreibt jede Zeile neu, die ihn
// irgendwo enthält, ohne Rücksicht auf Groß-/Kleinschreibung. vorher == nullptr: keine Datei.
TEST_F(EinstellungenTest, SchlüsselLesenUndErsetzen) {
    const std::tuple<const char*, const char16_t*, const char16_t*, const char*> faelle[] = {
        {"   PDOP   =   3   \r\n", u"PDOP", u"3", "PDOP = 5\r\n"},
        {"pdop=3\r\n", u"PDOP", u"", "PDOP = 5\r\n"},
        {"; Grenze f\xFCr PDOP\r\nx\r\nPDOP = 3\r\nPDOP = 4\r\n", u"PDOP", u"3",
         "PDOP = 5\r\nx\r\nPDOP = 5\r\nPDOP = 5\r\n"},
        {"A = 1\r\nPDOP = 3 = 4", u"PDOP", u"3", "A = 1\r\nPDOP = 5\r\n"},
        {"", u"PDOP", u"", "\r\n"},
        {nullptr, u"PDOP", u"", "\r\n"},
        {"H\xD6HENSYSTEM=1\r\n", u"Höhensystem", u"", "H\xF6hensystem = 5\r\n"},
    };
    for (const auto& [vorher, schlüssel, gelesen, nachher] : faelle) {
        SCOPED_TRACE(vorher ? vorher : "ohne Datei");
        std::filesystem::remove(IniPfad());
        if (vorher)
            Schreiben(vorher);
        EXPECT_EQ(LeseSchlüssel(t.umgebung->datei, Ini, schlüssel, u"="), gelesen);
        ErsetzeSchlüssel(t.umgebung->datei, Ini, schlüssel, u"=", u"5");
        EXPECT_EQ(Bytes(), nachher);
    }
}

TEST_F(EinstellungenTest, AusgelieferteDateiBleibtBeimSpeichernByteGleich) {
    Schreiben(IniMit());
    EinstellungenLaden(form);
    EinstellungenSpeichern(form);
    EXPECT_EQ(Bytes(), IniMit());
}

// Die Regeln der Kästchen beim Laden ändern die gespeicherten Parameter nicht; die Systeme werden
// ohne Rücksicht auf Groß-/Kleinschreibung erkannt und groß zurückgeschrieben. Grenzwerte werden
// beim Laden gerundet und nach unten begrenzt; beim Speichern bleibt ein unlesbarer Text beim
// zuletzt geladenen Wert.
TEST_F(EinstellungenTest, GespeicherteTexteGewinnenGrenzwerteGanzzahlig) {
    std::map<std::string, std::string> werte{{"ANTEX-Antennkorrektur", "0"},
                                             {"H\xF6hensystem", "2"},
                                             {"ignoriere Beobachtungen von", "-svr -SVE"},
                                             {"Qel-weitereParameter", "-e10 -A -A -x"},
                                             {"Bo-weitereParameter", "-e10 +Sb"},
                                             {"PDOP", "7.5"},
                                             {"Ambiquities gel\xF6st f\xFCr", "6.5"},
                                             {"Beobachtungszeit", "drei"},
                                             {"mittl. Satelittenanzahl", "2"}};
    Schreiben(IniMit(werte));
    EinstellungenLaden(form);
    EXPECT_EQ(form.PDOP.Wert() + u"|" + form.AmbiguitiesFixedFor.Wert() + u"|" +
                  form.OccupationTime.Wert() + u"|" + form.Satellitenanzahl.Wert(),
              u"8|6|5|4");
    EXPECT_EQ(form.zustand.GrenzeSatellitenanzahl, 2);
    form.PDOP.SetzeText(u"kein Wert");
    form.AmbiguitiesFixedFor.SetzeText(u"88,5");
    form.OccupationTime.SetzeText(u"12.5");
    form.Satellitenanzahl.SetzeText(u"5.5");
    EinstellungenSpeichern(form);
    werte["ignoriere Beobachtungen von"] = "-SVR -SVE";
    werte["Qel-weitereParameter"] = "-e10 -x -A";
    werte["PDOP"] = "8";
    werte["Ambiquities gel\xF6st f\xFCr"] = "6";
    werte["Beobachtungszeit"] = "12";
    werte["mittl. Satelittenanzahl"] = "6";
    EXPECT_EQ(Bytes(), IniMit(werte));
}

TEST_F(EinstellungenTest, ZurückgewiesenerWertBeendetDasLaden) {
    Schreiben(IniMit({{"VexloVersion", "1"},
                      {"ANTEX-Antennkorrektur", "7"},
                      {"Qel-weitereParameter", "-anders"}}));
    EXPECT_NO_THROW(EinstellungenLaden(form));
    EXPECT_EQ(form.VexloVersion.Wert(), u"1");
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");
}

TEST_F(EinstellungenTest, FehlermeldungNenntDateiUndNummer) {
    EXPECT_EQ(EinstellungenFehlermeldung(form, Laufzeitfehler(61)).text,
              u"Die Einstellungen konnten nicht in die Datei\n<" + AusUtf8(IniPfad().string()) +
                  u">\ngeschrieben werden (Laufzeitfehler 61).\n"
                  u"Die Datei ist unverändert geblieben.");
}

// Jedes Kästchen hängt seinen Schalter an oder entfernt ihn. Ein von Hand klein geschriebener
// bleibt stehen; ein genau geschriebener wird verdoppelt und dann ganz entfernt.
TEST_F(SchalterTest, SatellitensystemeHängenAnUndEntfernen) {
    form.QelGPS.SetzeWert(1);
    form.QelGalileo.SetzeWert(1);
    form.QelGPS.SetzeWert(0);
    form.QelSBAS.SetzeWert(1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -SVE -SVS");

    form.QelWeitereParameter.SetzeText(u"-e10 -svg -SVR");
    form.QelGPS.SetzeWert(1);
    form.QelGPS.SetzeWert(0);
    form.QelGLONASS.SetzeWert(1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -svg -SVR -SVR");
    form.QelGLONASS.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -svg");
}

TEST_F(SchalterTest, HöhensystemMitUndOhneGeoiddatei) {
    form.QelHöheEllips.Waehlen();
    form.QelHöheDhhn.Waehlen();
    EXPECT_EQ(form.BoWeitereParameter.Wert(), BoEllips + u" +Sb");

    std::filesystem::remove(t.vexlo / "gcg2016.bog");
    form.QelHöheEllips.Waehlen();
    form.QelHöheDhhn.Waehlen();
    EXPECT_EQ(Teile(t.dialoge.protokoll.at(0).meldung),
              std::tuple(Text(u"Eine binäre SatNivGeoid-Datei <c:\\programme\\vexlo\\*.bog> "
                              u"fehlt!\nBerechnungen von Normalhöhen sind nicht möglich!"),
                         Text(u"Keine Berechnung von Normalhöhen möglich!"), Knoepfe::OK,
                         Symbol::Ausrufezeichen));
    EXPECT_TRUE(form.QelHöheEllips.Gewaehlt());
    EXPECT_EQ(form.BoWeitereParameter.Wert(), BoEllips);
}

// Die Standardknöpfe: die Parameter kreuzen die Antennenkorrektur wieder an, die Systeme behalten
// ihre Häkchen ohne ihre Schalter; die Grenzwerte setzen auch die Anzeigen zurück.
TEST_F(SchalterTest, StandardknöpfeSetzenZurück) {
    form.QelGPS.SetzeWert(1);
    form.QelKorrAntenne.SetzeWert(0);
    form.QelHöheEllips.Waehlen();
    form.BoWeitereParameter.SetzeText(u"-x");
    form.cmdBoOriPara.Klicken();
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");
    EXPECT_EQ(form.BoWeitereParameter.Wert(), BoEllips);
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 1);
    EXPECT_EQ(form.QelGPS.Wert(), 1);

    form.Satellitenanzahl.SetzeText(u"9");
    form.ErgebnisAnzeigen.SetzeWert(2);
    form.ButtonStandardwerte.Klicken();
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"5");
    EXPECT_EQ(form.ErgebnisAnzeigen.Wert(), 1);
}

// Die Version gilt nur von 1 bis 2 (sonst 2, auch in Zustand und Fenstertitel); Satellitenanzahl
// und Beobachtungszeit haben bei jeder Änderung die Untergrenzen 4 und 5.
TEST_F(SchalterTest, VersionUndUntergrenzenBeiJederÄnderung) {
    const std::tuple<Text, Text, Text, Text> faelle[] = {
        {u"1.5", u"1.5", u"4", u"5"}, {u"2.0", u"2.0", u"4", u"5"}, {u"3", u"2", u"4", u"5"},
        {u"0", u"2", u"4", u"5"},     {u"4.9", u"2", u"4.9", u"5"}, {u"12", u"2", u"12", u"12"},
        {u"abc", u"2", u"4", u"5"}};
    for (const auto& [eingabe, v, satelliten, zeit] : faelle) {
        form.VexloVersion.SetzeText(eingabe);
        form.Satellitenanzahl.SetzeText(eingabe);
        form.OccupationTime.SetzeText(eingabe);
        EXPECT_EQ(form.VexloVersion.Wert(), v);
        EXPECT_EQ(form.zustand.Versionskennung, v);
        EXPECT_EQ(form.fenster.Caption(), u"Kestrav für Qel" + v + u"/Bo" + v + u" V5.0(2)");
        EXPECT_EQ(form.Satellitenanzahl.Wert(), satelliten);
        EXPECT_EQ(form.OccupationTime.Wert(), zeit);
    }
}

} // namespace
