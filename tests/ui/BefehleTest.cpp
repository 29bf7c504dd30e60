// Die Befehle der Shell über die echten Widgets: Beenden auf beiden Wegen, Info, die beiden
// Hilfen und die feste Fenstergröße.
#include "Fenstertest.h"
#include "hilfen/TempVerzeichnis.h"
#include "shell/Fenstergroesse.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

const Text Frage = u"Wollen Sie Kestrav jetzt wirklich beenden?";

} // namespace

class BeendenTest : public Fenstertest {
protected:
    void SetUp() override {
        form.fenster.Zeigen();
        QApplication::processEvents();
        form.Satellitenanzahl.SetzeText(u"7");
    }
    // Das Schließfeld: der Fenstermanager schickt das Ereignis an das Fenster der Plattform.
    void Schliessfeld() {
        QCloseEvent ereignis;
        QCoreApplication::sendEvent(fenster->windowHandle(), &ereignis);
    }
    int Fragen() const {
        int n = 0;
        for (const auto& m : env.dialoge.protokoll)
            n += m.meldung.text == Frage;
        return n;
    }
};

TEST_F(BeendenTest, FrageSiehtAusWieEntworfen) {
    env.dialoge.antworten = {Antwort::Nein};
    Aktion("EndeMenü")->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u);
    const Meldung& m = env.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, Frage);
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(m.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(m.symbol, Symbol::Frage);
}

TEST_F(BeendenTest, NeinLaesstAllesWieEsWar) {
    env.dialoge.antworten = {Antwort::Nein, Antwort::Nein};
    Aktion("EndeMenü")->trigger();
    Schliessfeld();
    EXPECT_EQ(Fragen(), 2);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(form.fenster.Angezeigt());
    EXPECT_FALSE(form.zustand.BeendenBestätigt);
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"7");
    EXPECT_EQ(IniSchreibvorgaenge(), 0);
    EXPECT_EQ(env.programmdienst.beendet, 0);
}

TEST_F(BeendenTest, JaImMenueSpeichertEinmalUndEndet) {
    env.dialoge.antworten = {Antwort::Ja};
    Aktion("EndeMenü")->trigger();
    EXPECT_EQ(Fragen(), 1);
    EXPECT_EQ(IniSchreibvorgaenge(), 1);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, JaAmSchliessfeldFragtNurEinmal) {
    env.dialoge.antworten = {Antwort::Ja};
    Schliessfeld();
    EXPECT_EQ(Fragen(), 1);
    EXPECT_TRUE(form.zustand.BeendenBestätigt);
    EXPECT_EQ(IniSchreibvorgaenge(), 1);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, SchliessenAusAnderemGrundOhneFrageUndOhneSpeichern) {
    fenster->close(); // wie beim Ende der Sitzung: kein Ereignis des Benutzers
    EXPECT_EQ(env.dialoge.protokoll.size(), 0u);
    EXPECT_FALSE(form.fenster.Angezeigt());
    EXPECT_EQ(IniSchreibvorgaenge(), 0);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, SpeicherfehlerWirdGemeldetUndDasProgrammEndetTrotzdem) {
    std::filesystem::create_directories(env.programm / "kestrav.ini");
    env.dialoge.antworten = {Antwort::Ja};
    Aktion("EndeMenü")->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), 2u);
    const Meldung& m = env.dialoge.protokoll[1].meldung;
    EXPECT_NE(m.text.find(AusUtf8((env.programm / "kestrav.ini").string())), Text::npos);
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, EndeFrameAusserhalbEinesLaufsIstDasBeenden) {
    form.ProgressBar.SetzeMaximum(5);
    form.ProgressBar.SetzeWert(3);
    env.dialoge.antworten = {Antwort::Nein};
    QTest::mouseClick(Widget<QPushButton>("EndeFrame"), Qt::LeftButton);
    EXPECT_EQ(env.programmdienst.zeiger, std::vector<Mauszeiger>{Mauszeiger::Standard});
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_EQ(Fragen(), 1);
    EXPECT_EQ(env.programmdienst.beendet, 0);
}

TEST_F(BeendenTest, EndeFrameImLaufBrichtAbStattZuBeenden) {
    form.EndeFrame.SetzeCaption(u"Abbruch");
    form.ProgressBar.SetzeWert(40);
    QTest::mouseClick(Widget<QPushButton>("EndeFrame"), Qt::LeftButton);
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_EQ(Fragen(), 0);
    EXPECT_EQ(env.programmdienst.beendet, 0);
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u); // die Bitte des Abbruchs
    EXPECT_EQ(env.dialoge.protokoll[0].meldung.text.rfind(u"Bitte schließen Sie", 0), 0u);
}

TEST_F(Fenstertest, InfoNenntDieGetrimmteBeschriftung) {
    form.fenster.SetzeCaption(u"  Kestrav für Qel2/Bo2 V5.0(2) ");
    Aktion("Info")->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u);
    const Meldung& m = env.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, u"Oberfläche Kestrav für Qel2/Bo2 V5.0(2)\n\n"
                      u"Haben Sie Fragen oder Hinweise? Bitte wenden Sie sich an den Autor!");
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(m.knoepfe, Knoepfe::OK);
    EXPECT_EQ(m.symbol, Symbol::Information);
}

struct QelFall {
    const char16_t* version;
    const char16_t* handbuch; // nullptr: nichts geschieht
};

class QelHilfeTest : public Fenstertest, public ::testing::WithParamInterface<QelFall> {};

TEST_P(QelHilfeTest, OeffnetDasHandbuchDerVersion) {
    for (const char* name : {"Qel-Manual.pdf", "Vexlo_UG_2.pdf"})
        BytesSchreiben(env.vexlo / name, "%PDF");
    env.prozesse.zuordnungen[u"c:\\programme\\vexlo\\Qel-Manual.pdf"] = u"/usr/bin/betrachter";
    env.prozesse.zuordnungen[u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf"] = u"/usr/bin/betrachter";
    form.zustand.Versionskennung = GetParam().version;
    Aktion("QelHilfeMenü")->trigger();
    EXPECT_TRUE(env.dialoge.protokoll.empty());
    if (!GetParam().handbuch) {
        EXPECT_TRUE(env.prozesse.starts.empty());
        return;
    }
    ASSERT_EQ(env.prozesse.starts.size(), 1u);
    EXPECT_EQ(env.prozesse.starts[0].programm, u"/usr/bin/betrachter");
    EXPECT_EQ(env.prozesse.starts[0].argumente, GetParam().handbuch);
    EXPECT_EQ(env.prozesse.starts[0].stil, Fensterstil::MaximiertMitFokus);
}

INSTANTIATE_TEST_SUITE_P(Versionen, QelHilfeTest,
                         ::testing::Values(QelFall{u"1", u"c:\\programme\\vexlo\\Qel-Manual.pdf"},
                                           QelFall{u"2", u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf"},
                                           QelFall{u"1.5", nullptr}));

TEST_F(Fenstertest, OhneHandbuchOderBetrachterKeinViewer) {
    form.zustand.Versionskennung = u"2";
    const Text handbuch = u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf";
    auto fall = [&](const char* wie) {
        env.dialoge.protokoll.clear();
        Aktion("QelHilfeMenü")->trigger();
        ASSERT_EQ(env.dialoge.protokoll.size(), 1u) << wie;
        const Meldung& m = env.dialoge.protokoll[0].meldung;
        EXPECT_EQ(m.text, u"Viewer nicht eingerichtet!") << wie;
        EXPECT_EQ(m.symbol, Symbol::Keins) << wie;
        EXPECT_EQ(m.titel, u"Kestrav") << wie;
    };
    env.prozesse.zuordnungen[handbuch] = u"/usr/bin/betrachter";
    fall("Datei fehlt");
    BytesSchreiben(env.vexlo / "Vexlo_UG_2.pdf", "%PDF");
    env.prozesse.zuordnungen.clear();
    fall("kein Programm zugeordnet");
    // Eine Datei, die selbst ein Programm ist, hat keinen Betrachter.
    env.prozesse.zuordnungen[handbuch] = u"C:\\Programme\\Vexlo\\VEXLO_UG_2.PDF";
    fall("Datei ist ihr eigenes Programm");
    EXPECT_TRUE(env.prozesse.starts.empty());
}

struct KestravHilfeFall {
    const char16_t* systembreite;
    const char16_t* argumente; // nullptr: nichts geschieht
};

class KestravHilfeTest : public Fenstertest,
                         public ::testing::WithParamInterface<KestravHilfeFall> {};

TEST_P(KestravHilfeTest, AdresseNachSystembreite) {
    env.prozesse.zuordnungen[u"c:\\programme\\kestrav\\KestravHilfe.htm"] = u"/usr/bin/browser";
    form.zustand.Systembreite = GetParam().systembreite;
    Aktion("KestravHilfeMenü")->trigger();
    EXPECT_TRUE(env.dialoge.protokoll.empty());
    if (!GetParam().argumente) {
        EXPECT_TRUE(env.prozesse.starts.empty());
        return;
    }
    ASSERT_EQ(env.prozesse.starts.size(), 1u);
    EXPECT_EQ(env.prozesse.starts[0].programm, u"/usr/bin/browser");
    EXPECT_EQ(env.prozesse.starts[0].argumente, GetParam().argumente);
    EXPECT_EQ(env.prozesse.starts[0].stil, Fensterstil::MaximiertMitFokus);
}

INSTANTIATE_TEST_SUITE_P(
    Breiten, KestravHilfeTest,
    ::testing::Values(
        KestravHilfeFall{u"64Bit", u"\"file://C:/Program Files (x86)/Kestrav/KestravHilfe.htm\""},
        KestravHilfeFall{u"32Bit", u"file://C:/Programme/Kestrav/KestravHilfe.htm"},
        KestravHilfeFall{u"Linux 6.1, 64-bit", nullptr}, KestravHilfeFall{u"", nullptr}));

TEST_F(Fenstertest, KestravHilfeVomNetzlaufwerk) {
    TempVerzeichnis netz;
    BytesSchreiben(netz / "Kestrav" / "KestravHilfe.html", "<html>");
    Laufwerke mitM = env.laufwerke;
    mitM.Setzen(u'm', netz.Pfad().string());
    *env.datei = PosixDateisystem(mitM);
    env.prozesse.zuordnungen[u"m:/Kestrav/KestravHilfe.htm"] = u"/usr/bin/browser";
    form.zustand.Systembreite = u"32Bit";
    Aktion("KestravHilfeMenü")->trigger();
    ASSERT_EQ(env.prozesse.starts.size(), 1u);
    EXPECT_EQ(env.prozesse.starts[0].argumente, u"file://m:/Kestrav/KestravHilfe.htm");
    // Ohne Betrachter bleibt es still.
    env.prozesse.zuordnungen.clear();
    Aktion("KestravHilfeMenü")->trigger();
    EXPECT_EQ(env.prozesse.starts.size(), 1u);
    EXPECT_TRUE(env.dialoge.protokoll.empty());
}

struct GroessenFall {
    const char16_t* systembreite;
    int w, h;
    std::optional<Fenstergroesse> erwartet;
};

class FenstergroesseTest : public ::testing::TestWithParam<GroessenFall> {};

TEST_P(FenstergroesseTest, Regel) {
    const GroessenFall& f = GetParam();
    EXPECT_EQ(FestgelegteFenstergroesse(f.systembreite, f.w, f.h), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FenstergroesseTest,
    ::testing::Values(GroessenFall{u"64Bit", 5656, 100, Fenstergroesse{5775, 6605}},
                      GroessenFall{u"64Bit", 100, 6586, Fenstergroesse{5775, 6605}},
                      GroessenFall{u"64Bit", 5655, 6585, std::nullopt},
                      GroessenFall{u"64Bit", 5775, 6605, Fenstergroesse{5775, 6605}},
                      GroessenFall{u"32Bit", 9000, 9000, Fenstergroesse{5655, 6585}},
                      GroessenFall{u"32Bit", 3000, 2000, std::nullopt},
                      GroessenFall{u"64bit", 9000, 9000, std::nullopt},
                      GroessenFall{u"Windows 2000 Professional", 9000, 9000, std::nullopt}));

struct AnwendungsFall {
    const char16_t* systembreite;
    QSize vorher;
    QSize nachherTwips; // Außenmaß; leer: bleibt wie vorher
};

class FesteGroesseTest : public Fenstertest,
                         public ::testing::WithParamInterface<AnwendungsFall> {};

TEST_P(FesteGroesseTest, GiltBeiJederGroessenaenderung) {
    form.zustand.Systembreite = GetParam().systembreite;
    form.fenster.Zeigen();
    fenster->resize(GetParam().vorher);
    QApplication::processEvents();
    const QSize rahmen = fenster->frameGeometry().size() - fenster->size();
    QSize erwartet = GetParam().vorher;
    if (GetParam().nachherTwips.isValid())
        erwartet = QSize(PixelAusTwips(GetParam().nachherTwips.width(), fenster->logicalDpiX()),
                         PixelAusTwips(GetParam().nachherTwips.height(), fenster->logicalDpiY())) -
                   rahmen;
    EXPECT_EQ(fenster->size(), erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Breiten, FesteGroesseTest,
    ::testing::Values(AnwendungsFall{u"64Bit", QSize(700, 600), QSize(5775, 6605)},
                      AnwendungsFall{u"32Bit", QSize(700, 600), QSize(5655, 6585)},
                      AnwendungsFall{u"32Bit", QSize(360, 400), QSize()},
                      AnwendungsFall{u"Linux 6.1, 64-bit", QSize(700, 600), QSize()}));
