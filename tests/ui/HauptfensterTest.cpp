// Das Hauptfenster, wie ein Benutzer es sieht: jedes Steuerelement, die Texte, die am leichtesten
// falsch werden, die Zustände und ein Aufbau ohne Abschneiden und Überlappen.
#include "Fenstertest.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
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
    for (Steuerelement* s : form.AlleSteuerelemente())
        EXPECT_TRUE(s == &form.fenster || ImHauptfenster(QString::fromStdString(s->Name())))
            << s->Name();
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

void PrintTo(const Textfall& f, std::ostream* os) {
    *os << f.name;
}

class TexteTest : public Fenstertest, public ::testing::WithParamInterface<Textfall> {};

TEST_P(TexteTest, StehenGenauSoDa) {
    const Textfall& fall = GetParam();
    QObject* o = ImHauptfenster(QString::fromUtf8(fall.name));
    ASSERT_NE(o, nullptr) << fall.name;
    const char* eigenschaft = fall.tooltip ? "toolTip" : "text";
    EXPECT_EQ(AusQString(o->property(eigenschaft).toString()), Text(fall.text)) << fall.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fallen, TexteTest,
    ::testing::Values(
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
        Textfall{"Label1", u"Lösungsqualität <", false},
        Textfall{"CommandBerechnen", u"Qel/Bo1-Berechnungen starten", true}));

TEST_F(Fenstertest, MenueleisteUndReiterWieEntworfen) {
    QStringList texte;
    for (QAction* a : fenster->menuBar()->actions()) {
        texte << a->text();
        EXPECT_EQ(a->menu(), nullptr) << a->text().toStdString();
    }
    EXPECT_EQ(texte, (QStringList{" Hilfe Kestrav", "Hilfe Qel", "Info", "Ende"}));

    auto* reiter = Widget<QTabWidget>("RegisterkarteKestrav");
    ASSERT_EQ(reiter->count(), 3);
    EXPECT_EQ(reiter->tabText(2), QStringLiteral("Analyse"));
    EXPECT_EQ(reiter->currentIndex(), 0);
    // Jedes Steuerelement auf dem Reiter, auf den es gehört.
    EXPECT_TRUE(reiter->widget(0)->findChild<QCheckBox*>(QStringLiteral("chkDelRINEX")));
    EXPECT_TRUE(reiter->widget(1)->findChild<QWidget*>(QStringLiteral("Frame1")));
    EXPECT_TRUE(reiter->widget(2)->findChild<QLabel*>(QStringLiteral("Label25")));
    EXPECT_TRUE(Widget("cmdBerechnen")->isHidden());
    EXPECT_FALSE(Widget<QTimer>("TimerAbbruch")->isActive());
}

TEST_F(Fenstertest, BitteWartenMitZehnHinweiszeilenOhneRollen) {
    QWidget* warten = fenster->BitteWarten();
    EXPECT_FALSE(warten->isVisible());
    auto* hinweise = Widget<QPlainTextEdit>("Text1", warten);
    const QStringList zeilen = hinweise->toPlainText().split(u'\n');
    ASSERT_EQ(zeilen.size(), 11); // zehn Zeilen, jede mit Zeilenende
    EXPECT_EQ(zeilen[0], QStringLiteral("Hinweise bei Abbruch oder Warnungen:"));
    EXPECT_EQ(zeilen[9], QStringLiteral("- fehlende Schreibrechte"));

    form.bitteWarten.fenster.Zeigen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(warten));
    EXPECT_EQ(warten->size(), QSize(315, 209)); // 4725 x 3135 Twips bei 96 dpi
    // Mittig auf dem Schirm; vor dem ersten Zeigen kennt Qt den Rahmen nicht, das kostet höchstens
    // seine Breite.
    const QRect schirm = warten->screen()->availableGeometry();
    EXPECT_LE((warten->geometry().center() - schirm.center()).manhattanLength(), 10);
    EXPECT_FALSE(warten->isModal());
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

    for (int i = 0; i < 3; ++i) {
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
            const QRect a(w->mapTo(fenster.get(), QPoint()), w->size());
            EXPECT_TRUE(fenster->rect().contains(a)) << name;
            for (QWidget* b : blaetter)
                EXPECT_FALSE(b != w && !w->isAncestorOf(b) && !b->isAncestorOf(w) &&
                             a.intersects(QRect(b->mapTo(fenster.get(), QPoint()), b->size())))
                    << name << " überlappt " << b->objectName().toStdString();
        }
    }
}
