// Arbeitsverzeichnis, Listen und Tagesmeldung über die echten Widgets: Knopf und Dateidialog,
// Doppelklicks auf Listeneinträge, die echte Ereignisschleife mit dem Zeitgeber.
#include "Fenstertest.h"
#include "hilfen/TempVerzeichnis.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QStringList Liste(std::initializer_list<const char*> namen) {
    QStringList liste;
    for (const char* name : namen)
        liste << QString::fromUtf8(name);
    return liste;
}

} // namespace

class StationImFenster : public Fenstertest {
protected:
    void SetUp() override {
        form.fenster.Zeigen();
        QApplication::processEvents();
    }

    // Der Benutzer wählt im Dateidialog eine Datei des Arbeitsverzeichnisses.
    void ArbeitsverzeichnisWaehlen(const char* datei) {
        env.dialoge.dateiantworten = {AusUtf8((env.arbeit / datei).string())};
        QTest::mouseClick(Widget<QPushButton>("AuswahlArbeitsverzeichnis"), Qt::LeftButton);
    }

    QStringList Eintraege(const char* liste) {
        QStringList texte;
        auto* w = Widget<QListWidget>(liste);
        for (int i = 0; w && i < w->count(); ++i)
            texte << w->item(i)->text();
        return texte;
    }

    QString Beschriftung(const char* label) { return Widget<QLabel>(label)->text(); }

    // Wie mit der Maus: Drücken (wählt), Loslassen, Doppelklick, Loslassen.
    void Doppelklick(const char* liste, const QString& eintrag) {
        auto* w = Widget<QListWidget>(liste);
        const QList<QListWidgetItem*> treffer = w->findItems(eintrag, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << eintrag.toStdString();
        const QPoint punkt = w->visualItemRect(treffer.front()).center();
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseRelease(w->viewport(), Qt::LeftButton, {}, punkt);
    }

    // Das Kästchen ist so breit wie die Seite; geklickt wird auf seine Beschriftung.
    void LoeschenUmschalten() {
        auto* kaestchen = Widget<QCheckBox>("chkDelRINEX");
        const QPoint punkt(kaestchen->sizeHint().width() / 2, kaestchen->height() / 2);
        QTest::mouseClick(kaestchen, Qt::LeftButton, {}, punkt);
    }
};

struct Doppelklickschritt {
    const char* liste;
    const char* eintrag;
    bool loeschen; // "lösche Messung" angekreuzt
    QStringList neupunkte;
    QStringList referenzpunkte;
    bool berechnenAktiv;
};

TEST_F(StationImFenster, DoppelklickVerschiebtOderLoeschtUndZaehlt) {
    for (const char* name : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o", "np012830.23o"})
        env.Arbeitsdatei(name, "RINEX\r\n");
    ArbeitsverzeichnisWaehlen("np012830.23o");
    ASSERT_EQ(Eintraege("Neupunkte"),
              Liste({"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o", "np012830.23o"}));
    EXPECT_EQ(Beschriftung("AnzahlNeupunkteRINEX"), QStringLiteral("Neupunkte: 4"));
    EXPECT_EQ(Beschriftung("AnzahlReferenzpunkteRINEX"), QStringLiteral("Referenzpunkte: 0"));

    const Doppelklickschritt schritte[] = {
        {"Neupunkte", "aaaa2830.23o", false,
         Liste({"bbbb2830.23o", "cccc2830.23o", "np012830.23o"}), Liste({"aaaa2830.23o"}), false},
        {"Neupunkte", "bbbb2830.23o", false, Liste({"cccc2830.23o", "np012830.23o"}),
         Liste({"aaaa2830.23o", "bbbb2830.23o"}), false},
        // Ein Neupunkt und drei Referenzen: jetzt darf gerechnet werden.
        {"Neupunkte", "cccc2830.23o", false, Liste({"np012830.23o"}),
         Liste({"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"}), true},
        // Zurück ans Ende der Neupunkte.
        {"Referenzpunkte", "aaaa2830.23o", false, Liste({"np012830.23o", "aaaa2830.23o"}),
         Liste({"bbbb2830.23o", "cccc2830.23o"}), false},
        {"Neupunkte", "aaaa2830.23o", false, Liste({"np012830.23o"}),
         Liste({"bbbb2830.23o", "cccc2830.23o", "aaaa2830.23o"}), true},
        // Mit "lösche Messung" verschwindet der Eintrag aus beiden Listen.
        {"Referenzpunkte", "cccc2830.23o", true, Liste({"np012830.23o"}),
         Liste({"bbbb2830.23o", "aaaa2830.23o"}), false},
        {"Neupunkte", "np012830.23o", true, QStringList(), Liste({"bbbb2830.23o", "aaaa2830.23o"}),
         false},
    };
    bool loeschen = false;
    for (const Doppelklickschritt& s : schritte) {
        SCOPED_TRACE(std::string(s.liste) + " " + s.eintrag);
        if (s.loeschen != loeschen) {
            LoeschenUmschalten();
            loeschen = s.loeschen;
            ASSERT_EQ(Widget<QCheckBox>("chkDelRINEX")->isChecked(), loeschen);
        }
        Doppelklick(s.liste, QString::fromUtf8(s.eintrag));
        EXPECT_EQ(Eintraege("Neupunkte"), s.neupunkte);
        EXPECT_EQ(Eintraege("Referenzpunkte"), s.referenzpunkte);
        EXPECT_EQ(Beschriftung("AnzahlNeupunkteRINEX"),
                  QStringLiteral("Neupunkte: %1").arg(s.neupunkte.size()));
        EXPECT_EQ(Beschriftung("AnzahlReferenzpunkteRINEX"),
                  QStringLiteral("Referenzpunkte: %1").arg(s.referenzpunkte.size()));
        EXPECT_EQ(Widget("CommandBerechnen")->isEnabled(), s.berechnenAktiv);
    }
    EXPECT_TRUE(env.dialoge.protokoll.empty());
    // Die Dateien selbst bleiben unberührt.
    EXPECT_TRUE(std::filesystem::exists(env.arbeit / "cccc2830.23o"));
}

TEST_F(StationImFenster, TagesmeldungKommtNachDemScanGenauEinmal) {
    env.Arbeitsdatei("abcd1230.12o", "");
    env.Arbeitsdatei("efgh1240.12o", "");
    auto* zeitgeber = Widget<QTimer>("TimerErrFormLoad");
    // Wie ein modales Meldungsfenster: die Ereignisschleife läuft weiter, solange es offen ist,
    // länger als ein Intervall des Zeitgebers.
    std::size_t meldungenBeiOffenerErster = 0;
    env.dialoge.waehrendOffen = [&](const Meldung&) {
        if (env.dialoge.protokoll.size() != 1)
            return;
        QTest::qWait(zeitgeber->interval() + 50);
        meldungenBeiOffenerErster = env.dialoge.protokoll.size();
    };

    ArbeitsverzeichnisWaehlen("efgh1240.12o");
    // Der Scan ist fertig, die Meldung steht noch aus.
    EXPECT_EQ(Eintraege("Neupunkte"), Liste({"abcd1230.12o", "efgh1240.12o"}));
    EXPECT_TRUE(env.dialoge.protokoll.empty());
    EXPECT_TRUE(zeitgeber->isActive());
    EXPECT_EQ(zeitgeber->interval(), 500);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !env.dialoge.protokoll.empty(); }, 3000));
    EXPECT_EQ(meldungenBeiOffenerErster, 1u);
    // Ein Zeitgeber, der noch liefe, wäre nach der langen Meldung sofort wieder fällig.
    QTest::qWait(200);
    ASSERT_EQ(env.dialoge.protokoll.size(), 1u);
    EXPECT_FALSE(zeitgeber->isActive());
    const Meldung m = env.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, u"Die Beobachtungstage 123 und 124 sind unterschiedlich!\n"
                      u"Bitte bereinigen Sie Ihre Daten!");
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(m.knoepfe, Knoepfe::OK);
    EXPECT_EQ(m.symbol, Symbol::Information);

    // Ein neuer Scan schaltet die Meldung wieder scharf.
    QTest::mouseClick(Widget<QPushButton>("ResetRINEX"), Qt::LeftButton);
    EXPECT_EQ(env.dialoge.protokoll.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return env.dialoge.protokoll.size() == 2; }, 3000));
    EXPECT_EQ(env.dialoge.protokoll[1].meldung.text, m.text);
}
