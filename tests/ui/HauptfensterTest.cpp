// Das Hauptfenster, wie ein Benutzer es sieht: jedes Steuerelement, die Texte, die am leichtesten
// falsch werden, die Zustände und ein Aufbau ohne Abschneiden und Überlappen.
#include "Fenstertest.h"
#include "ui/QtText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// Widgets, die der Benutzer auf der Seite sieht (ohne die inneren Teile zusammengesetzter Widgets).
QList<QWidget*> SichtbareBlaetter(QWidget* seite) {
    QList<QWidget*> blaetter;
    for (QWidget* w : seite->findChildren<QWidget*>()) {
        const bool steuerelement = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                   qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w);
        if (steuerelement && w->isVisible() && !w->objectName().isEmpty())
            blaetter << w;
    }
    return blaetter;
}

} // namespace

TEST_F(Fenstertest, JedesSteuerelementHatSeinWidget) {
    for (Steuerelement* s : form.AlleSteuerelemente()) {
        if (s == &form.fenster)
            continue;
        const QString name = QString::fromStdString(s->Name());
        EXPECT_NE(ImHauptfenster(name), nullptr) << s->Name();
    }
    for (Steuerelement* s : form.bitteWarten.AlleSteuerelemente()) {
        const QString name = QString::fromStdString(s->Name());
        QObject* gefunden = s == &form.bitteWarten.fenster
                                ? fenster->BitteWarten()
                                : fenster->BitteWarten()->findChild<QObject*>(name);
        ASSERT_NE(gefunden, nullptr) << s->Name();
        EXPECT_EQ(gefunden->objectName(), name);
    }
}

struct Textfall {
    const char* name;
    const char16_t* text;
    bool tooltip;
};

class TexteTest : public Fenstertest, public ::testing::WithParamInterface<Textfall> {};

TEST_P(TexteTest, StehenGenauSoDa) {
    const Textfall& fall = GetParam();
    QObject* o = ImHauptfenster(QString::fromUtf8(fall.name));
    ASSERT_NE(o, nullptr) << fall.name;
    QString ist;
    if (fall.tooltip)
        ist = o->property("toolTip").toString();
    else if (auto* label = qobject_cast<QLabel*>(o))
        ist = label->text();
    else
        ist = o->property("text").toString();
    EXPECT_EQ(AusQString(ist), Text(fall.text)) << fall.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fallen, TexteTest,
    ::testing::Values(
        Textfall{"KestravHilfeMenü", u" Hilfe Kestrav", false},
        Textfall{"QelWeitereParameter",
                 u"Parameter für die Berechnung der virtuellen Referenzstation ", true},
        Textfall{"IdSearchAutoZuordRefpunkt",
                 u"String für automatische Identifizierung eines Referenzpunktes in der "
                 u"RINEX-Kopfzeile \"OBSERVER\"",
                 true},
        Textfall{"LösungsQu", u"Warnung bei \"mittel\" und \"niedrig\"", true},
        Textfall{"Label25", u"% ", false},
        Textfall{"AuswahlArbeitsverzeichnis", u"Auswahl Arbeits- verzeichnis", false},
        Textfall{"Label29",
                 u"Bei Über- oder Unterschreitung des Grenzwertes wird in der erzeugten "
                 u"Ergebnisdatei die entsprechende Zeile gekenn- zeichnet! Die Standardwerte sind "
                 u"Vexlo-Empfehlungen.",
                 false},
        Textfall{"Check1", u"Mini-Protokoll/KVZ <*.mini>", false},
        Textfall{"QelKorrAntenne", u"ANTEX-Datei(en) <*.atx> muß vorhanden sein", true},
        Textfall{"BoWeitereParameter", u"-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb", false},
        Textfall{"Label1", u"Lösungsqualität <", false}, Textfall{"PDOP", u"6", false},
        Textfall{"CommandBerechnen", u"Qel/Bo1-Berechnungen starten", true}));

TEST_F(Fenstertest, MenueleisteHatVierBefehleOhneUntermenue) {
    QStringList texte;
    for (QAction* a : fenster->menuBar()->actions()) {
        texte << a->text();
        EXPECT_EQ(a->menu(), nullptr) << a->text().toStdString();
    }
    EXPECT_EQ(texte, (QStringList{QStringLiteral(" Hilfe Kestrav"), QStringLiteral("Hilfe Qel"),
                                  QStringLiteral("Info"), QStringLiteral("Ende")}));
}

TEST_F(Fenstertest, RegisterkarteMitDreiReiternErsterGewaehlt) {
    auto* reiter = Widget<QTabWidget>("RegisterkarteKestrav");
    ASSERT_EQ(reiter->count(), 3);
    EXPECT_EQ(reiter->tabText(0), QStringLiteral("Referenzpunkte"));
    EXPECT_EQ(reiter->tabText(1), QStringLiteral("Optionen"));
    EXPECT_EQ(reiter->tabText(2), QStringLiteral("Analyse"));
    EXPECT_EQ(reiter->currentIndex(), 0);
    // Jedes Steuerelement auf dem Reiter, auf den es gehört.
    EXPECT_TRUE(reiter->widget(0)->findChild<QCheckBox*>(QStringLiteral("chkDelRINEX")));
    EXPECT_TRUE(reiter->widget(1)->findChild<QWidget*>(QStringLiteral("Frame1")));
    EXPECT_TRUE(reiter->widget(2)->findChild<QWidget*>(QStringLiteral("FrameFehler")));
    EXPECT_TRUE(reiter->widget(2)->findChild<QLabel*>(QStringLiteral("Label25")));
}

TEST_F(Fenstertest, ZustaendeDesEntwurfs) {
    EXPECT_FALSE(Widget("CommandBerechnen")->isEnabled());
    EXPECT_TRUE(Widget("cmdBerechnen")->isHidden());
    EXPECT_FALSE(Widget("cmdBerechnen")->isEnabled());
    for (const char* name : {"Check1", "Check2"}) {
        EXPECT_TRUE(Widget<QCheckBox>(name)->isChecked()) << name;
        EXPECT_FALSE(Widget(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Widget<QRadioButton>("QelHöheDhhn")->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("QelHöheEllips")->isChecked());
    EXPECT_TRUE(Widget<QCheckBox>("QelKorrAntenne")->isChecked());
    EXPECT_FALSE(Widget<QCheckBox>("VexloBildschirmausgabe")->isChecked());
    EXPECT_EQ(Widget<QLineEdit>("VexloVersion")->text(), QStringLiteral("2"));
    for (const char* pfeil : {"Richtungspfeil1", "Richtungspfeil2", "Richtungspfeil3"})
        EXPECT_EQ(Widget<QLabel>(pfeil)->text(), QStringLiteral(">"));
    EXPECT_FALSE(Widget<QTimer>("TimerAbbruch")->isActive());
}

TEST_F(Fenstertest, BitteWartenMitZehnHinweiszeilen) {
    QWidget* warten = fenster->BitteWarten();
    EXPECT_EQ(warten->windowTitle(), QStringLiteral("Kestrav-Hinweis"));
    EXPECT_FALSE(warten->isVisible());
    auto* hinweise = Widget<QPlainTextEdit>("Text1", warten);
    const QStringList zeilen = hinweise->toPlainText().split(u'\n');
    ASSERT_EQ(zeilen.size(), 11); // zehn Zeilen, jede mit Zeilenende
    EXPECT_EQ(zeilen[0], QStringLiteral("Hinweise bei Abbruch oder Warnungen:"));
    EXPECT_EQ(zeilen[9], QStringLiteral("- fehlende Schreibrechte"));
    EXPECT_EQ(zeilen[10], QString());

    form.bitteWarten.fenster.Zeigen();
    EXPECT_TRUE(warten->isVisible());
    EXPECT_EQ(warten->size(), QSize(315, 209)); // 4725 x 3135 Twips bei 96 dpi
    EXPECT_FALSE(warten->isModal());
    // Alle Zeilen lesbar, ohne zu rollen.
    QApplication::processEvents();
    EXPECT_FALSE(hinweise->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(hinweise->verticalScrollBar()->isVisible());
}

// Bei 96 dpi ist die Innenfläche 369 x 385 Pixel; auf jedem Reiter muss alles hineinpassen.
TEST_F(Fenstertest, NichtsAbgeschnittenOderUeberlappt) {
    form.fenster.Zeigen();
    QApplication::processEvents();
    ASSERT_EQ(fenster->logicalDpiX(), 96);
    EXPECT_EQ(fenster->centralWidget()->size(), QSize(369, 385));

    auto* reiter = Widget<QTabWidget>("RegisterkarteKestrav");
    for (int i = 0; i < reiter->count(); ++i) {
        form.RegisterkarteKestrav.SetzeReiter(i);
        QApplication::processEvents();
        const QList<QWidget*> blaetter = SichtbareBlaetter(fenster.get());
        for (QWidget* w : blaetter) {
            const std::string name = w->objectName().toStdString();
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
                EXPECT_GE(label->contentsRect().width(),
                          label->fontMetrics().horizontalAdvance(label->text()))
                    << name;
            } else if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
                EXPECT_GE(knopf->width(), knopf->sizeHint().width()) << name;
            }
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
            const QRect aussen = fenster->rect();
            EXPECT_TRUE(aussen.contains(QRect(w->mapTo(fenster.get(), QPoint()), w->size())))
                << name;
            for (QWidget* anderes : blaetter) {
                if (anderes == w || w->isAncestorOf(anderes) || anderes->isAncestorOf(w))
                    continue;
                const QRect a(w->mapTo(fenster.get(), QPoint()), w->size());
                const QRect b(anderes->mapTo(fenster.get(), QPoint()), anderes->size());
                EXPECT_FALSE(a.intersects(b))
                    << name << " überlappt " << anderes->objectName().toStdString();
            }
        }
    }
}
