// Die Qt-Dienste: Meldungen mit deutschen Knöpfen, Dateiauswahl, Mauszeiger, Menüfarbe,
// Ereignisschleife und der Betrachter für Windows-1252-Dateien.
#include "hilfen/TempVerzeichnis.h"
#include "ui/qt/Anzeige.h"
#include "ui/qt/Binder.h"
#include "ui/qt/QtDialoge.h"
#include "ui/qt/QtEreignisschleife.h"
#include "ui/qt/QtProgramm.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

namespace {

// Klickt im nächsten offenen Meldungsfenster den Knopf mit diesem Text; ohne ihn schließt es.
void KnopfKlickenSobaldOffen(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* k : box->buttons())
            if (k->text() == text)
                return k->click();
        ADD_FAILURE() << "kein Knopf " << text.toStdString();
        box->reject();
    });
}

} // namespace

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

TEST(QtDialoge, AntwortIstDerGeklickteKnopf) {
    QtDialoge dialoge;
    const Meldung frage{u"Wirklich?", u"Kestrav", Knoepfe::JaNein, Symbol::Frage};
    KnopfKlickenSobaldOffen(QStringLiteral("Nein"));
    EXPECT_EQ(dialoge.Zeigen(frage), Antwort::Nein);
    KnopfKlickenSobaldOffen(QStringLiteral("Ja"));
    EXPECT_EQ(dialoge.Zeigen(frage), Antwort::Ja);
    KnopfKlickenSobaldOffen(QStringLiteral("OK"));
    EXPECT_EQ(dialoge.Zeigen(Meldung{u"Info", u"Kestrav"}), Antwort::OK);
}

TEST(QtDialoge, FilterOhneRuecksichtAufGrossschreibung) {
    EXPECT_EQ(QtFilter(u"RINEX-Datei (*.??o)|*.??o|"),
              QStringList{QStringLiteral("RINEX-Datei (*.??o) (*.??[oO])")});
    EXPECT_EQ(QtFilter(u"Alle|*.*|Text|*.txt;x[1].log"),
              (QStringList{QStringLiteral("Alle (*.*)"),
                           QStringLiteral("Text (*.[tT][xX][tT] [xX][[]1[]].[lL][oO][gG])")}));
}

TEST(QtDialoge, DateiauswahlMitTitelFilterUndStartverzeichnis) {
    TempVerzeichnis temp;
    BytesSchreiben(temp / "abcd1230.12O", "");
    QtDialoge dialoge;
    const Dateiauswahl auswahl{u"Auswahl Arbeitsverzeichnis mittels Markierung RINEX-Datei",
                               u"RINEX-Datei (*.??o)|*.??o|", 1, AusUtf8(temp.Pfad().string())};
    QStringList gesehen; // Titel, Verzeichnis, sichtbarer Filter (nur die Beschreibung)
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        gesehen << d->windowTitle() << d->directory().absolutePath() << d->selectedNameFilter();
        d->selectFile(QStringLiteral("abcd1230.12O"));
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(dialoge.DateiOeffnen(auswahl), AusUtf8((temp / "abcd1230.12O").string()));
    EXPECT_EQ(gesehen,
              (QStringList{ZuQString(auswahl.titel), QString::fromStdString(temp.Pfad().string()),
                           QStringLiteral("RINEX-Datei (*.??o)")}));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialoge.DateiOeffnen(auswahl), Text());
}

// Die Sanduhr ist ein Zustand, kein Stapel; die Menüleiste wird weiß, wo es geht.
TEST(QtProgramm, SanduhrUndMenuefarbe) {
    QtProgramm programm;
    programm.ZeigerSetzen(Mauszeiger::Sanduhr);
    programm.ZeigerSetzen(Mauszeiger::Sanduhr);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    programm.ZeigerSetzen(Mauszeiger::Standard);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_FALSE(programm.Menuefarbe(1, 0xFFFFFF, 0, false)); // noch keine Leiste
    QMainWindow fenster;
    fenster.menuBar()->addAction(QStringLiteral("Ende"));
    programm.MenueleisteSetzen(fenster.menuBar());
    EXPECT_FALSE(programm.Menuefarbe(2, 0xFFFFFF, 1, false)); // der Eintrag hat kein Untermenü
    EXPECT_FALSE(programm.Menuefarbe(3, 0xFFFFFF, 0, true));  // Systemmenü: Fenstermanager
    EXPECT_TRUE(fenster.menuBar()->styleSheet().isEmpty());
    // Ein COLORREF hat Rot im niedrigsten Byte.
    EXPECT_TRUE(programm.Menuefarbe(2, 0x0000FF, 0, false));
    EXPECT_TRUE(fenster.menuBar()->styleSheet().contains(QStringLiteral("#ff0000")));
}

TEST(QtEreignisschleife, ZeitgeberTickenWaehrendDerEreignisse) {
    Zeitgeber zeitgeber{"TimerAbbruch", 5};
    int ticks = 0;
    zeitgeber.beiTick = [&] { ++ticks; };
    Binder binder;
    binder.Binden(zeitgeber, new QTimer);
    zeitgeber.SetzeAktiviert(true);
    QtEreignisschleife schleife;
    schleife.Schlafen(20);
    EXPECT_EQ(ticks, 0); // Schlafen allein lässt nichts laufen
    schleife.Ereignisse();
    EXPECT_EQ(ticks, 1);
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
