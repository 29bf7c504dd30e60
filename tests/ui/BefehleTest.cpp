// Die Befehle der Shell über die echten Widgets: Beenden auf allen Wegen, die beiden Hilfen und
// die feste Fenstergröße.
#include "Fenstertest.h"
#include "shell/Fenstergroesse.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

const Text Frage = u"Wollen Sie Kestrav jetzt wirklich beenden?";

void ErwarteMeldung(const Meldung& m, const Text& text, Knoepfe knoepfe, Symbol symbol) {
    EXPECT_EQ(std::tie(m.text, m.titel, m.knoepfe, m.symbol),
              std::tuple(text, Text(u"Kestrav"), knoepfe, symbol));
}

// Weg zum Beenden: Menü, Knopf "Ende" außerhalb eines Laufs, Schließfeld (Ereignis des Benutzers)
// oder close() ohne Benutzer, wie beim Ende der Sitzung; ohne Benutzer gibt es keine Frage und
// nichts wird gespeichert.
enum class Weg { Menue, EndeFrame, Schliessfeld, VonAussen };

class BeendenTest : public Fenstertest,
                    public ::testing::WithParamInterface<std::tuple<Weg, Antwort>> {};

TEST_P(BeendenTest, FragtSpeichertEinmalUndEndet) {
    const auto [weg, antwort] = GetParam();
    form.fenster.Zeigen();
    QApplication::processEvents();
    form.Satellitenanzahl.SetzeText(u"7");
    form.ProgressBar.SetzeWert(3);
    env.dialoge.antworten = {antwort};
    if (weg == Weg::Menue)
        Widget<QAction>("EndeMenü")->trigger();
    else if (weg == Weg::EndeFrame)
        QTest::mouseClick(Widget<QPushButton>("EndeFrame"), Qt::LeftButton);
    else if (weg == Weg::Schliessfeld) {
        QCloseEvent ereignis; // so schickt es der Fenstermanager an das Fenster der Plattform
        QCoreApplication::sendEvent(fenster->windowHandle(), &ereignis);
    } else
        fenster->close();

    const bool gefragt = weg != Weg::VonAussen;
    const bool ende = !gefragt || antwort == Antwort::Ja;
    ASSERT_EQ(env.dialoge.protokoll.size(), gefragt ? 1u : 0u);
    if (gefragt)
        ErwarteMeldung(env.dialoge.protokoll[0].meldung, Frage, Knoepfe::JaNein, Symbol::Frage);
    EXPECT_EQ(zaehler.SchreibendeZugriffe(), gefragt && ende ? 1 : 0); // kestrav.ini, einmal
    EXPECT_EQ(env.programmdienst.beendet, ende ? 1 : 0);
    // Über Menü und Knopf endet das Programm sofort (hier nur vermerkt); sonst schließt das
    // Fenster.
    const bool zu = ende && weg != Weg::Menue && weg != Weg::EndeFrame;
    EXPECT_EQ(fenster->isVisible(), !zu);
    EXPECT_EQ(form.fenster.Angezeigt(), !zu);
    EXPECT_EQ(form.Satellitenanzahl.Wert(), u"7");
    EXPECT_EQ(form.ProgressBar.Wert(), weg == Weg::EndeFrame ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(Faelle, BeendenTest,
                         ::testing::Combine(::testing::Values(Weg::Menue, Weg::EndeFrame,
                                                              Weg::Schliessfeld, Weg::VonAussen),
                                            ::testing::Values(Antwort::Nein, Antwort::Ja)));

// Im Lauf bricht "Abbruch" ab, statt zu beenden; der Zeiger wird in jedem Fall wieder normal.
TEST_F(Fenstertest, EndeFrameBrichtImLaufAb) {
    form.fenster.Zeigen();
    form.EndeFrame.SetzeCaption(u"Abbruch");
    form.ProgressBar.SetzeWert(40);
    QTest::mouseClick(Widget<QPushButton>("EndeFrame"), Qt::LeftButton);
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_EQ(env.programmdienst.zeiger, std::vector<Mauszeiger>{Mauszeiger::Standard});
    EXPECT_EQ(env.dialoge.Texte(),
              std::vector<Text>{u"Bitte schließen Sie auch die Vexlo-Berechnungsfenster!   "});
    EXPECT_EQ(env.programmdienst.beendet, 0);
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
};

class HilfeTest : public Fenstertest, public ::testing::WithParamInterface<HilfeFall> {};

TEST_P(HilfeTest, StartetDenBetrachterMitDerAdresse) {
    const HilfeFall& f = GetParam();
    for (const char* name : {"Qel-Manual.pdf", "Vexlo_UG_2.pdf"}) {
        if (f.handbuecher)
            BytesSchreiben(env.vexlo / name, "%PDF");
        env.prozesse.zuordnungen[u"c:\\programme\\vexlo\\" + AusUtf8(name)] = f.betrachter;
    }
    env.prozesse.zuordnungen[u"c:\\programme\\kestrav\\KestravHilfe.htm"] = f.betrachter;
    if (f.handbuecher) {
        BytesSchreiben(env.laufwerkC / "Program Files (x86)/Kestrav/KestravHilfe.htm", "<html>");
        BytesSchreiben(env.programm / "KestravHilfe.htm", "<html>");
    }
    form.zustand.Versionskennung = form.zustand.Systembreite = f.wert;
    Widget<QAction>(f.menue)->trigger();
    const bool meldung = !f.argumente && f.menue == std::string("QelHilfeMenü");
    ASSERT_EQ(env.dialoge.protokoll.size(), meldung ? 1u : 0u);
    if (meldung)
        ErwarteMeldung(env.dialoge.protokoll[0].meldung, u"Viewer nicht eingerichtet!", Knoepfe::OK,
                       Symbol::Keins);
    ASSERT_EQ(env.prozesse.starts.size(), f.argumente ? 1u : 0u);
    for (const auto& start : env.prozesse.starts)
        EXPECT_EQ(std::tie(start.programm, start.argumente, start.stil),
                  std::tuple(Text(Zeiger), Text(f.argumente), Fensterstil::MaximiertMitFokus));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HilfeTest,
    ::testing::Values(
        HilfeFall{"QelHilfeMenü", u"1", u"c:\\programme\\vexlo\\Qel-Manual.pdf"},
        HilfeFall{"QelHilfeMenü", u"2", u"c:\\programme\\vexlo\\Vexlo_UG_2.pdf"},
        HilfeFall{"QelHilfeMenü", u"2", nullptr, Zeiger, false}, // Handbuch fehlt
        // Eine Datei, die selbst ein Programm ist, hat keinen Betrachter.
        HilfeFall{"QelHilfeMenü", u"2", nullptr, u"C:\\Programme\\Vexlo\\VEXLO_UG_2.PDF"},
        HilfeFall{"KestravHilfeMenü", u"64Bit",
                  u"\"file://C:/Program Files (x86)/Kestrav/KestravHilfe.htm\""},
        HilfeFall{"KestravHilfeMenü", u"32Bit", u"file://C:/Programme/Kestrav/KestravHilfe.htm"},
        // Ohne Seite unter der festen Adresse die mitgelieferte neben dem Programm.
        HilfeFall{"KestravHilfeMenü", u"64Bit",
                  u"\"file://c:\\programme\\kestrav\\KestravHilfe.htm\"", Zeiger, false},
        HilfeFall{"KestravHilfeMenü", u"Linux 6.1, 64-bit", nullptr}));

// Die Regel an ihren Grenzen (Außenmaß in Twips).
TEST(Fenstergroesse, NurFuerBekannteSystembreiten) {
    using G = std::optional<Fenstergroesse>;
    EXPECT_EQ(FestgelegteFenstergroesse(u"64Bit", 5656, 100), G(Fenstergroesse{5775, 6605}));
    EXPECT_EQ(FestgelegteFenstergroesse(u"64Bit", 100, 6586), G(Fenstergroesse{5775, 6605}));
    EXPECT_EQ(FestgelegteFenstergroesse(u"64Bit", 5655, 6585), std::nullopt);
    EXPECT_EQ(FestgelegteFenstergroesse(u"32Bit", 9000, 9000), G(Fenstergroesse{5655, 6585}));
    EXPECT_EQ(FestgelegteFenstergroesse(u"64bit", 9000, 9000), std::nullopt);
}
