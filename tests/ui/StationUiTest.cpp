// Listen und Tagesmeldung über die echten Widgets: Knopf und Dateidialog, Doppelklicks mit der
// Maus, die echte Ereignisschleife mit dem Zeitgeber. Die Regeln selbst prüfen die Kern-Tests.
#include "Fenstertest.h"
#include "ui/qt/QtText.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class StationImFenster : public Fenstertest {
protected:
    // Zeigt das Fenster; der Benutzer wählt im Dateidialog eine Datei des Arbeitsverzeichnisses.
    void ArbeitsverzeichnisWaehlen(std::initializer_list<const char*> dateien) {
        for (const char* name : dateien)
            env.Arbeitsdatei(name, "RINEX\r\n");
        form.fenster.Zeigen();
        QApplication::processEvents();
        env.dialoge.dateiantworten = {AusUtf8((env.arbeit / *dateien.begin()).string())};
        QTest::mouseClick(Widget<QPushButton>("AuswahlArbeitsverzeichnis"), Qt::LeftButton);
    }

    // Einträge beider Listen und die Beschriftungen mit ihrer Anzahl.
    QString Stand() {
        QStringList teile;
        for (const char* name : {"Neupunkte", "Referenzpunkte"}) {
            QStringList eintraege;
            for (QListWidgetItem* e : Widget<QListWidget>(name)->findItems({}, Qt::MatchContains))
                eintraege << e->text();
            teile << eintraege.join(u',');
        }
        teile << Widget<QLabel>("AnzahlNeupunkteRINEX")->text()
              << Widget<QLabel>("AnzahlReferenzpunkteRINEX")->text();
        return teile.join(u'|');
    }

    // Wie mit der Maus: Drücken (wählt), Loslassen, Doppelklick, Loslassen.
    void Doppelklick(const char* liste, const char* eintrag) {
        auto* w = Widget<QListWidget>(liste);
        const auto treffer = w->findItems(QString::fromUtf8(eintrag), Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << eintrag;
        const QPoint punkt = w->visualItemRect(treffer.front()).center();
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseRelease(w->viewport(), Qt::LeftButton, {}, punkt);
    }
};

TEST_F(StationImFenster, DoppelklickVerschiebtOderLoeschtUndZaehlt) {
    ArbeitsverzeichnisWaehlen({"np012830.23o", "aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"});
    EXPECT_EQ(Stand(), "aaaa2830.23o,bbbb2830.23o,cccc2830.23o,np012830.23o||Neupunkte: 4|"
                       "Referenzpunkte: 0");
    // Die Freigabe von "Berechnen" nach der Zahl der Punkte prüfen die Kern-Tests.
    for (const char* name : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
        Doppelklick("Neupunkte", name);
    Doppelklick("Referenzpunkte", "aaaa2830.23o"); // zurück ans Ende der Neupunkte
    EXPECT_EQ(Stand(), "np012830.23o,aaaa2830.23o|bbbb2830.23o,cccc2830.23o|Neupunkte: 2|"
                       "Referenzpunkte: 2");
}

// Die Meldung kommt mit dem Qt-Zeitgeber nach dem Scan genau einmal, auch wenn das Fenster der
// Meldung länger als ein Intervall offen ist und die Ereignisschleife so lange weiterläuft.
TEST_F(StationImFenster, TagesmeldungKommtNachDemScanGenauEinmal) {
    auto* zeitgeber = Widget<QTimer>("TimerErrFormLoad");
    env.dialoge.waehrendOffen = [&](const Meldung&) { QTest::qWait(zeitgeber->interval() + 50); };
    ArbeitsverzeichnisWaehlen({"efgh1240.12o", "abcd1230.12o"});
    EXPECT_TRUE(env.dialoge.protokoll.empty()); // der Scan ist fertig, die Meldung steht aus
    EXPECT_TRUE(zeitgeber->isActive());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !env.dialoge.protokoll.empty(); }, 3000));
    QTest::qWait(200); // ein Zeitgeber, der noch liefe, wäre jetzt wieder fällig
    EXPECT_FALSE(zeitgeber->isActive());
    EXPECT_EQ(env.dialoge.Texte(),
              std::vector<Text>{u"Die Beobachtungstage 123 und 124 sind unterschiedlich!\n"
                                u"Bitte bereinigen Sie Ihre Daten!"});
}
