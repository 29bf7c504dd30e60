// Das Hauptfenster, wie ein Benutzer es sieht: jedes Steuerelement hat sein Widget, und nichts ist
// abgeschnitten oder überlappt.
#include "Fenstertest.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

TEST_F(Fenstertest, JedesSteuerelementHatSeinWidget) {
    for (Steuerelement* s : form.AlleSteuerelemente())
        EXPECT_TRUE(s == &form.fenster || ImHauptfenster(QString::fromStdString(s->Name())))
            << s->Name();
    for (Steuerelement* s : form.bitteWarten.AlleSteuerelemente()) {
        const QString name = QString::fromStdString(s->Name());
        EXPECT_TRUE(s == &form.bitteWarten.fenster
                        ? fenster->BitteWarten()->objectName() == name
                        : fenster->BitteWarten()->findChild<QObject*>(name) != nullptr)
            << s->Name();
    }
}

// Bei 96 dpi ist die Innenfläche 369 x 385 Pixel; auf jedem Reiter muss alles hineinpassen.
TEST_F(Fenstertest, NichtsAbgeschnittenOderUeberlappt) {
    form.fenster.Zeigen();
    QApplication::processEvents();
    ASSERT_EQ(fenster->logicalDpiX(), 96);
    EXPECT_EQ(std::pair(fenster->centralWidget()->width(), fenster->centralWidget()->height()),
              std::pair(369, 385));

    for (int i = 0; i < 3; ++i) {
        form.RegisterkarteKestrav.SetzeReiter(i);
        QApplication::processEvents();
        // Was der Benutzer sieht, ohne die inneren Teile zusammengesetzter Widgets.
        QList<QWidget*> blaetter = fenster->findChildren<QWidget*>();
        blaetter.removeIf([](QWidget* w) {
            return !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                     qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w)) ||
                   !w->isVisible() || w->objectName().isEmpty();
        });
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
