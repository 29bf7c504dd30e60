// Regeln der Schalter auf dem Reiter "Optionen" und der Grenzwertfelder, über die Modelle gesetzt
// wie von der Oberfläche oder vom Laden der Einstellungen.
#include "Pruefhilfen.h"
#include "hilfen/TestUmgebung.h"

namespace {

const Text BoEllips = u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU";

class SchalterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        t.EngineInstallieren(true);
    }
    TestUmgebung t;
    Basisformular& form = t.Formular();
};

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

    std::filesystem::remove_all(t.vexlo);
    std::filesystem::create_directories(t.vexlo);
    form.QelHöheEllips.Waehlen();
    form.QelHöheDhhn.Waehlen();
    ASSERT_EQ(t.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(Teile(t.dialoge.protokoll[0].meldung),
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

TEST_F(SchalterTest, NurVersionEinsBisZweiGilt) {
    const std::pair<Text, Text> faelle[] = {
        {u"1.5", u"1.5"}, {u"2.0", u"2.0"}, {u"3", u"2"}, {u"0", u"2"}, {u"x1", u"2"}};
    for (const auto& [eingabe, v] : faelle) {
        form.VexloVersion.SetzeText(eingabe);
        EXPECT_EQ(form.VexloVersion.Wert(), v);
        EXPECT_EQ(form.zustand.Versionskennung, v);
        EXPECT_EQ(form.fenster.Caption(), u"Kestrav für Qel" + v + u"/Bo" + v + u" V5.0(2)");
    }
}

TEST_F(SchalterTest, UntergrenzenBeiJederÄnderung) {
    const std::tuple<Text, Text, Text> faelle[] = {
        {u"3", u"4", u"5"}, {u"4.9", u"4.9", u"5"}, {u"12", u"12", u"12"}, {u"abc", u"4", u"5"}};
    for (const auto& [eingabe, satelliten, zeit] : faelle) {
        form.Satellitenanzahl.SetzeText(eingabe);
        form.OccupationTime.SetzeText(eingabe);
        EXPECT_EQ(form.Satellitenanzahl.Wert(), satelliten);
        EXPECT_EQ(form.OccupationTime.Wert(), zeit);
    }
}

} // namespace
