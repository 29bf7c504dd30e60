// Regeln der Schalter auf dem Reiter "Optionen" und der Grenzwertfelder, über die Modelle gesetzt
// wie von der Oberfläche oder vom Laden der Einstellungen.
#include "Fallnamen.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

namespace {

const Text BoStandard = u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb";

class SchalterTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
        t.EngineInstallieren(true);
    }
    TestUmgebung t;
    Basisformular& form = t.Formular();
};

TEST_F(SchalterTest, SatellitensystemeHängenAnUndEntfernen) {
    form.QelGPS.SetzeWert(1);
    form.QelGalileo.SetzeWert(1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -SVG -SVE");
    form.QelGPS.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -SVE");
    form.QelSBAS.SetzeWert(1);
    form.QelGLONASS.SetzeWert(1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -SVE -SVS -SVR");
}

TEST_F(SchalterTest, VonHandGetippteSchalter) {
    // Klein geschrieben bleibt er stehen; genau geschrieben wird er verdoppelt und dann ganz
    // entfernt.
    form.QelWeitereParameter.SetzeText(u"-e10 -svg -SVR");
    form.QelGPS.SetzeWert(1);
    form.QelGPS.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -svg -SVR");
    form.QelGLONASS.SetzeWert(1);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -svg -SVR -SVR");
    form.QelGLONASS.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -svg");
}

TEST_F(SchalterTest, AntennenkorrekturLässtGenauEinMinusAAmEnde) {
    form.QelKorrAntenne.SetzeWert(0);
    form.QelKorrAntenne.SetzeWert(1);
    form.QelGPS.SetzeWert(1);
    form.QelKorrAntenne.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10 -SVG -A");
}

TEST_F(SchalterTest, HöhensystemMitGeoiddatei) {
    form.QelHöheEllips.Waehlen();
    EXPECT_EQ(form.BoWeitereParameter.Wert(), u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU");
    form.QelHöheDhhn.Waehlen();
    EXPECT_EQ(form.BoWeitereParameter.Wert(), BoStandard);
    EXPECT_TRUE(t.dialoge.protokoll.empty());
}

TEST_F(SchalterTest, OhneGeoiddateiMeldungUndEllipsoid) {
    std::filesystem::remove_all(t.vexlo);
    std::filesystem::create_directories(t.vexlo);
    form.QelHöheEllips.Waehlen();
    form.QelHöheDhhn.Waehlen();
    ASSERT_EQ(t.dialoge.protokoll.size(), 1u);
    const Meldung& m = t.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, u"Eine binäre SatNivGeoid-Datei <c:\\programme\\vexlo\\*.bog> fehlt!\n"
                      u"Berechnungen von Normalhöhen sind nicht möglich!");
    EXPECT_EQ(m.titel, u"Keine Berechnung von Normalhöhen möglich!");
    EXPECT_EQ(m.knoepfe, Knoepfe::OK);
    EXPECT_EQ(m.symbol, Symbol::Ausrufezeichen);
    EXPECT_TRUE(form.QelHöheEllips.Gewaehlt());
    EXPECT_FALSE(form.QelHöheDhhn.Gewaehlt());
    EXPECT_EQ(form.BoWeitereParameter.Wert(), u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU");
}

TEST_F(SchalterTest, StandardSetztTexteZurückUndLässtKästchenStehen) {
    form.QelGPS.SetzeWert(1);
    form.QelKorrAntenne.SetzeWert(0);
    form.QelHöheEllips.Waehlen();
    form.BoWeitereParameter.SetzeText(u"-x");
    form.cmdBoOriPara.Klicken();
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");
    EXPECT_EQ(form.BoWeitereParameter.Wert(), u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU");
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 1);
    EXPECT_EQ(form.QelGPS.Wert(), 1);
    form.QelGPS.SetzeWert(0);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), u"-e10");
}

struct VersionFall {
    const char16_t* eingabe;
    const char16_t* ergebnis;
};

class VersionTest : public SchalterTest, public ::testing::WithParamInterface<VersionFall> {};

TEST_P(VersionTest, NurEinsBisZweiGilt) {
    form.VexloVersion.SetzeText(GetParam().eingabe);
    EXPECT_EQ(form.VexloVersion.Wert(), GetParam().ergebnis);
    EXPECT_EQ(form.zustand.Versionskennung, GetParam().ergebnis);
    const Text v = GetParam().ergebnis;
    EXPECT_EQ(form.fenster.Caption(), u"Kestrav für Qel" + v + u"/Bo" + v + u" V5.0(2)");
}

INSTANTIATE_TEST_SUITE_P(Faelle, VersionTest,
                         ::testing::Values(VersionFall{u"1.5", u"1.5"}, VersionFall{u"1", u"1"},
                                           VersionFall{u"3", u"2"}, VersionFall{u"0", u"2"},
                                           VersionFall{u"", u"2"}, VersionFall{u"x1", u"2"}),
                         [](const auto& fall) { return Fallname(fall.index, fall.param.eingabe); });

struct GrenzFall {
    const char16_t* eingabe;
    const char16_t* satelliten;
    const char16_t* beobachtungszeit;
};

class UntergrenzeTest : public SchalterTest, public ::testing::WithParamInterface<GrenzFall> {};

TEST_P(UntergrenzeTest, BeiJederÄnderung) {
    form.Satellitenanzahl.SetzeText(GetParam().eingabe);
    form.OccupationTime.SetzeText(GetParam().eingabe);
    EXPECT_EQ(form.Satellitenanzahl.Wert(), GetParam().satelliten);
    EXPECT_EQ(form.OccupationTime.Wert(), GetParam().beobachtungszeit);
}

INSTANTIATE_TEST_SUITE_P(Faelle, UntergrenzeTest,
                         ::testing::Values(GrenzFall{u"", u"4", u"5"}, GrenzFall{u"3", u"4", u"5"},
                                           GrenzFall{u"4", u"4", u"5"},
                                           GrenzFall{u"4.9", u"4.9", u"5"},
                                           GrenzFall{u"12", u"12", u"12"},
                                           GrenzFall{u"abc", u"4", u"5"}),
                         [](const auto& fall) { return Fallname(fall.index, fall.param.eingabe); });

TEST_F(SchalterTest, StandardwerteDerGrenzwerte) {
    form.Satellitenanzahl.SetzeText(u"9");
    form.AmbiguitiesFixedFor.SetzeText(u"1");
    form.PDOP.SetzeText(u"x");
    form.OccupationTime.SetzeText(u"60");
    form.LösungsQu.SetzeText(u"mittel");
    form.FehlerAnzeigen.SetzeWert(0);
    form.ErgebnisAnzeigen.SetzeWert(2);
    form.VexloBildschirmausgabe.SetzeWert(1);
    form.ButtonStandardwerte.Klicken();
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"5");
    EXPECT_EQ(form.AmbiguitiesFixedFor.Wert(), u"90");
    EXPECT_EQ(form.PDOP.Wert(), u"6");
    EXPECT_EQ(form.OccupationTime.Wert(), u"5");
    EXPECT_EQ(form.LösungsQu.Wert(), u"high");
    EXPECT_EQ(form.FehlerAnzeigen.Wert(), 1);
    EXPECT_EQ(form.ErgebnisAnzeigen.Wert(), 1);
    EXPECT_EQ(form.VexloBildschirmausgabe.Wert(), 0);
}

} // namespace
