// Der Binder mit eigenen Modellen: Eingaben setzen das Modell und lösen die Regel genau einmal
// aus, Änderungen des Modells erscheinen im Widget, ohne zurückzuwirken.
#include "ui/qt/Binder.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

#include <memory>

class BinderTest : public ::testing::Test {
protected:
    template <class W, class M> W* Neu(M& modell) {
        W* w = binder->Neu<W>(modell);
        w->setParent(&flaeche);
        return w;
    }

    // Die Modelle überleben den Binder, die Widgets hängen an der Fläche.
    TextFeld text{"Text"};
    Kontrollkaestchen kasten{"Kasten"};
    Optionsgruppe gruppe;
    Optionsfeld links{"Links", gruppe};
    Optionsfeld rechts{"Rechts", gruppe};
    Schaltflaeche knopf{"Knopf"};
    QWidget flaeche;
    std::unique_ptr<Binder> binder = std::make_unique<Binder>();
    int regeln = 0;
};

// Je Tastendruck einmal die Regel, auch wenn sie selbst schreibt; kein Echo aus dem Widget; nach
// dem Binder sind beide getrennt.
TEST_F(BinderTest, TextfeldInBeideRichtungenUndNachDemBinderGetrennt) {
    text.beiAenderung = [&] {
        if (++regeln && text.Wert().empty())
            text.SetzeText(u"2");
    };
    auto* feld = Neu<QLineEdit>(text);
    QTest::keyClicks(feld, QStringLiteral("ab"));
    text.SetzeText(u"xyz");
    EXPECT_EQ(feld->text() + QString::number(regeln), QStringLiteral("xyz3"));
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld->text(), QStringLiteral("2"));
    binder.reset();
    text.SetzeText(u"neu");
    QTest::keyClicks(feld, QStringLiteral("x"));
    EXPECT_EQ(text.Wert() + u"|" + AusQString(feld->text()), u"neu|2x");
}

// Kästchen mit drei Werten, Optionsfelder der Gruppe des Modells, Knopf mit "&": jeder Klick löst
// die Regel genau einmal aus, der Rückweg setzt das Widget.
TEST_F(BinderTest, KnoepfeInBeideRichtungen) {
    links.Waehlen();
    kasten.SetzeCaption(u"ANTEX");
    rechts.SetzeCaption(u"Ellipsoid");
    knopf.SetzeCaption(u"Qel & Bo");
    kasten.beiKlick = rechts.beiKlick = knopf.beiKlick = [&] { ++regeln; };
    auto* box = Neu<QCheckBox>(kasten);
    auto* l = Neu<QRadioButton>(links);
    auto* r = Neu<QRadioButton>(rechts);
    auto* k = Neu<QPushButton>(knopf);
    flaeche.show();
    EXPECT_EQ(k->text(), QStringLiteral("Qel && Bo"));
    for (QAbstractButton* w : std::initializer_list<QAbstractButton*>{box, r, k}) {
        w->resize(w->sizeHint());
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    EXPECT_EQ(regeln, 3);
    EXPECT_EQ(kasten.Wert(), 1);
    EXPECT_TRUE(rechts.Gewaehlt());

    kasten.SetzeWert(2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(regeln, 4); // die Regel des Modells, kein Echo aus dem Widget
    links.Waehlen();
    EXPECT_TRUE(l->isChecked());
    knopf.SetzeSichtbar(false);
    EXPECT_FALSE(k->isVisible());
    knopf.SetzeAktiviert(false);
    QTest::mouseClick(k, Qt::LeftButton);
    EXPECT_EQ(regeln, 4);
}
