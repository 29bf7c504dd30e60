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

void ErwarteMeldung(const Meldung& m, const Text& text, Knoepfe knoepfe, Symbol symbol) {
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(m.knoepfe, knoepfe);
    EXPECT_EQ(m.symbol, symbol);
}

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
    void EndeKlicken() { QTest::mouseClick(Widget<QPushButton>("EndeFrame"), Qt::LeftButton); }
};

TEST_F(BeendenTest, NeinLaesstAllesWieEsWar) {
    env.dialoge.antworten = {Antwort::Nein, Antwort::Nein};
    Aktion("EndeMenü")->trigger();
    Schliessfeld();
    ASSERT_EQ(env.dialoge.protokoll.size(), 2u);
    ErwarteMeldung(env.dialoge.protokoll[0].meldung, Frage, Knoepfe::JaNein, Symbol::Frage);
    EXPECT_EQ(Fragen(), 2);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(form.fenster.Angezeigt());
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"7");
    EXPECT_EQ(IniSchreibvorgaenge(), 0);
    EXPECT_EQ(env.programmdienst.beendet, 0);
}

class JaTest : public BeendenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(JaTest, SpeichertEinmalUndEndet) {
    env.dialoge.antworten = {Antwort::Ja};
    GetParam() ? Aktion("EndeMenü")->trigger() : Schliessfeld();
    EXPECT_EQ(Fragen(), 1);
    EXPECT_EQ(IniSchreibvorgaenge(), 1);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

INSTANTIATE_TEST_SUITE_P(MenueUndSchliessfeld, JaTest, ::testing::Bool());

TEST_F(BeendenTest, SchliessenAusAnderemGrundOhneFrageUndOhneSpeichern) {
    fenster->close(); // wie beim Ende der Sitzung: kein Ereignis des Benutzers
    EXPECT_TRUE(env.dialoge.protokoll.empty());
    EXPECT_EQ(IniSchreibvorgaenge(), 0);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, SpeicherfehlerWirdGemeldetUndDasProgrammEndetTrotzdem) {
    std::filesystem::create_directories(env.programm / "kestrav.ini");
    env.dialoge.antworten = {Antwort::Ja};
    Aktion("EndeMenü")->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), 2u);
    const Text ini = AusUtf8((env.programm / "kestrav.ini").string());
    EXPECT_NE(env.dialoge.protokoll[1].meldung.text.find(ini), Text::npos);
    EXPECT_EQ(env.programmdienst.beendet, 1);
}

TEST_F(BeendenTest, EndeFrameBeendetAusserhalbUndBrichtImLaufAb) {
    form.ProgressBar.SetzeWert(3);
    env.dialoge.antworten = {Antwort::Nein};
    EndeKlicken();
    EXPECT_EQ(env.programmdienst.zeiger, std::vector<Mauszeiger>{Mauszeiger::Standard});
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_EQ(Fragen(), 1);

    env.dialoge.protokoll.clear();
    form.EndeFrame.SetzeCaption(u"Abbruch");
    form.ProgressBar.SetzeWert(40);
    EndeKlicken();
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u); // nur die Bitte des Abbruchs
    EXPECT_EQ(env.dialoge.protokoll[0].meldung.text.rfind(u"Bitte schließen Sie", 0), 0u);
    EXPECT_EQ(env.programmdienst.beendet, 0);
}

TEST_F(Fenstertest, InfoNenntDieGetrimmteBeschriftung) {
    form.fenster.SetzeCaption(u"  Kestrav für Qel2/Bo2 V5.0(2) ");
    Aktion("Info")->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u);
    ErwarteMeldung(env.dialoge.protokoll[0].meldung,
                   u"Oberfläche Kestrav für Qel2/Bo2 V5.0(2)\n\n"
                   u"Haben Sie Fragen oder Hinweise? Bitte wenden Sie sich an den Autor!",
                   Knoepfe::OK, Symbol::Information);
}

const char16_t* const Zeiger = u"/usr/bin/zeiger";

// Ein Hilfefall: Zustand, Menü, Betrachter, und was gestartet wird (nullptr: nichts; dann meldet
// nur die Qel-Hilfe mit ihrem Handbuch, dass kein Betrachter eingerichtet ist).
struct HilfeFall {
    const char* menue;
    const char16_t* wert; // Versionskennung bzw. Systembreite
    const char16_t* argumente;
    const char16_t* betrachter = Zeiger;
    bool handbuecher = true;
    bool meldung = false;
};

void PrintTo(const HilfeFall& f, std::ostream* os) {
    *os << f.menue << ' ' << NachUtf8(f.wert);
}

class HilfeTest : public Fenstertest, public ::testing::WithParamInterface<HilfeFall> {};

TEST_P(HilfeTest, StartetDenBetrachterMitDerAdresse) {
    const HilfeFall& f = GetParam();
    for (const char* name : {"Qel-Manual.pdf", "Vexlo_UG_2.pdf"}) {
        if (f.handbuecher)
            BytesSchreiben(env.vexlo / name, "%PDF");
        env.prozesse.zuordnungen[u"c:\\programme\\vexlo\\" + AusUtf8(name)] = f.betrachter;
    }
    env.prozesse.zuordnungen[u"c:\\programme\\kestrav\\KestravHilfe.htm"] = f.betrachter;
    form.zustand.Versionskennung = form.zustand.Systembreite = f.wert;
    Aktion(f.menue)->trigger();
    ASSERT_EQ(env.dialoge.protokoll.size(), f.meldung ? 1u : 0u);
    if (f.meldung)
        ErwarteMeldung(env.dialoge.protokoll[0].meldung, u"Viewer nicht eingerichtet!", Knoepfe::OK,
                       Symbol::Keins);
    ASSERT_EQ(env.prozesse.starts.size(), f.argumente ? 1u : 0u);
    if (!f.argumente)
        return;
    EXPECT_EQ(env.prozesse.starts[0].programm, Zeiger);
    EXPECT_EQ(env.prozesse.starts[0].argumente, f.argumente);
    EXPECT_EQ(env.prozesse.starts[0].stil, Fensterstil::MaximiertMitFokus);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HilfeTest,
    ::testing::Values(
        HilfeFall{"QelHilfeMenü", u"1", u"c:\\programme\\vexlo\\Qel-Manual.pdf"},
        HilfeFall{"QelHilfeMenü", u"2", u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf"},
        HilfeFall{"QelHilfeMenü", u"1.5", nullptr},
        HilfeFall{"QelHilfeMenü", u"2", nullptr, Zeiger, false, true}, // Handbuch fehlt
        HilfeFall{"QelHilfeMenü", u"2", nullptr, u"", true, true},     // kein Programm zugeordnet
        // Eine Datei, die selbst ein Programm ist, hat keinen Betrachter.
        HilfeFall{"QelHilfeMenü", u"2", nullptr, u"C:\\Programme\\Vexlo\\VEXLO_UG_2.PDF", true,
                  true},
        HilfeFall{"KestravHilfeMenü", u"64Bit",
                  u"\"file://C:/Program Files (x86)/Kestrav/KestravHilfe.htm\""},
        HilfeFall{"KestravHilfeMenü", u"32Bit", u"file://C:/Programme/Kestrav/KestravHilfe.htm"},
        HilfeFall{"KestravHilfeMenü", u"32Bit", nullptr, u""}, // ohne Betrachter still
        HilfeFall{"KestravHilfeMenü", u"Linux 6.1, 64-bit", nullptr}));

TEST_F(Fenstertest, KestravHilfeVomNetzlaufwerk) {
    TempVerzeichnis netz;
    BytesSchreiben(netz / "Kestrav" / "KestravHilfe.html", "<html>");
    Laufwerke mitM = env.laufwerke;
    mitM.Setzen(u'm', netz.Pfad().string());
    *env.datei = PosixDateisystem(mitM);
    env.prozesse.zuordnungen[u"m:/Kestrav/KestravHilfe.htm"] = Zeiger;
    form.zustand.Systembreite = u"32Bit";
    Aktion("KestravHilfeMenü")->trigger();
    ASSERT_EQ(env.prozesse.starts.size(), 1u);
    EXPECT_EQ(env.prozesse.starts[0].argumente, u"file://m:/Kestrav/KestravHilfe.htm");
}

struct GroessenFall {
    const char16_t* systembreite;
    int w, h;
    std::optional<Fenstergroesse> erwartet;
};

void PrintTo(const GroessenFall& f, std::ostream* os) {
    *os << NachUtf8(f.systembreite) << ' ' << f.w << 'x' << f.h;
}

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
                      GroessenFall{u"32Bit", 9000, 9000, Fenstergroesse{5655, 6585}},
                      GroessenFall{u"64bit", 9000, 9000, std::nullopt},
                      GroessenFall{u"Windows 2000 Professional", 9000, 9000, std::nullopt}));

// Das Fenster hält sich daran bei jeder Größenänderung (Außenmaß in Twips; leer: bleibt).
TEST_F(Fenstertest, FesteGroesseGiltBeiJederGroessenaenderung) {
    form.fenster.Zeigen();
    for (const auto& [breite, twips] :
         {std::pair{u"32Bit", QSize(5655, 6585)}, std::pair{u"Linux 6.1, 64-bit", QSize()}}) {
        SCOPED_TRACE(QString::fromUtf16(breite).toStdString());
        form.zustand.Systembreite = breite;
        fenster->resize(700, 600);
        QApplication::processEvents();
        const QSize rahmen = fenster->frameGeometry().size() - fenster->size();
        const QSize erwartet = twips.isValid()
                                   ? QSize(PixelAusTwips(twips.width(), fenster->logicalDpiX()),
                                           PixelAusTwips(twips.height(), fenster->logicalDpiY())) -
                                         rahmen
                                   : QSize(700, 600);
        EXPECT_EQ(fenster->size(), erwartet);
    }
}
