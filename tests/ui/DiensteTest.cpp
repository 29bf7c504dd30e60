// Die Qt-Dienste: Meldungen mit deutschen Knöpfen, Dateifilter, Mauszeiger und der Betrachter
// für Windows-1252-Dateien.
#include "hilfen/TempVerzeichnis.h"
#include "ui/Anzeige.h"
#include "ui/QtDialoge.h"
#include "ui/QtProgramm.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

TEST(QtDialoge, JaNeinMitStandardknopfSymbolUndZeilenumbruch) {
    QMessageBox box;
    MeldungAufbauen(box,
                    Meldung{u"Zeile 1\n\nZeile 3", u"Titel", Knoepfe::JaNein, Symbol::Frage, 2});
    EXPECT_EQ(box.buttons().size(), 2);
    EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("Nein"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Titel"));
    EXPECT_EQ(box.text(), QStringLiteral("Zeile 1\n\nZeile 3"));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);

    QMessageBox ok;
    MeldungAufbauen(ok, Meldung{u"Info", u"Kestrav"});
    EXPECT_EQ(ok.buttons().size(), 1);
    EXPECT_EQ(ok.icon(), QMessageBox::NoIcon);
}

TEST(QtDialoge, FilterOhneRuecksichtAufGrossschreibung) {
    EXPECT_EQ(QtFilter(u"RINEX-Datei (*.??o)|*.??o|"),
              QStringList{QStringLiteral("RINEX-Datei (*.??o) (*.??[oO])")});
    EXPECT_EQ(QtFilter(u"Alle|*.*|Text|*.txt;x[1].log"),
              (QStringList{QStringLiteral("Alle (*.*)"),
                           QStringLiteral("Text (*.[tT][xX][tT] [xX][[]1[]].[lL][oO][gG])")}));
}

// Die Sanduhr ist ein Zustand, kein Stapel.
TEST(QtProgramm, Sanduhr) {
    QtProgramm programm;
    programm.ZeigerSetzen(Mauszeiger::Sanduhr);
    programm.ZeigerSetzen(Mauszeiger::Sanduhr);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    programm.ZeigerSetzen(Mauszeiger::Standard);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Anzeige, LiestWindows1252MitCrLf) {
    TempVerzeichnis temp;
    BytesSchreiben(temp / "_ergebnis_123.mini", "H\xF6he \x80\r\nStra\xDF"
                                                "e\r\n");
    const QString pfad = QString::fromStdString((temp / "_ergebnis_123.mini").string());
    bool ok = false;
    EXPECT_EQ(AnzeigetextLaden(pfad, &ok), QStringLiteral("Höhe €\nStraße\n"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(AnzeigeErstellen(pfad)->windowTitle(), QStringLiteral("_ergebnis_123.mini"));
    AnzeigetextLaden(pfad + QStringLiteral(".fehlt"), &ok);
    EXPECT_FALSE(ok);
}
