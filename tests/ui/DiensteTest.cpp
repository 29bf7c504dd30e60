// Die Qt-Dienste: Meldungen mit deutschen Knöpfen, Dateiauswahl und der Betrachter
// für Windows-1252-Dateien.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"
#include "ui/qt/Anzeige.h"
#include "ui/qt/QtDialoge.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "QtAusgabe.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

TEST(QtDialoge, JaNeinMitStandardknopfSymbolUndZeilenumbruch) {
    QMessageBox box, ok;
    MeldungAufbauen(box,
                    Meldung{u"Zeile 1\n\nZeile 3", u"Titel", Knoepfe::JaNein, Symbol::Frage, 2});
    MeldungAufbauen(ok, Meldung{u"Info", u"Kestrav"});
    EXPECT_EQ(std::tuple(box.buttons().size(), box.defaultButton()->text(), box.icon(),
                         box.windowTitle(), box.text(), box.textFormat()),
              std::tuple(2, QStringLiteral("Nein"), QMessageBox::Question, QStringLiteral("Titel"),
                         QStringLiteral("Zeile 1\n\nZeile 3"), Qt::PlainText));
    EXPECT_EQ(std::tuple(ok.buttons().size(), ok.icon()), std::tuple(1, QMessageBox::NoIcon));
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
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            gesehen << d->findChild<QLabel*>(QString::fromUtf8(name))->text().remove(u'&');
        for (QAbstractButton* knopf : d->findChild<QDialogButtonBox*>()->buttons())
            gesehen << knopf->text().remove(u'&');
        d->selectFile(QStringLiteral("abcd1230.12O"));
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(dialoge.DateiOeffnen(auswahl), AusUtf8((temp / "abcd1230.12O").string()));
    EXPECT_EQ(gesehen,
              (QStringList{ZuQString(auswahl.titel), QString::fromStdString(temp.Pfad().string()),
                           QStringLiteral("RINEX-Datei (*.??o)"), QStringLiteral("Suchen in:"),
                           QStringLiteral("Dateiname:"), QStringLiteral("Dateien des Typs:"),
                           QStringLiteral("Öffnen"), QStringLiteral("Abbrechen")}));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialoge.DateiOeffnen(auswahl), Text());
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
    // Wiederhergestellt ist das Fenster so breit wie die längste Zeile (über die alte feste Breite
    // von 760 Pixeln hinaus), höchstens so breit wie der Bildschirm.
    const QFontMetrics zeichen(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QString lang(780 / zeichen.horizontalAdvance(u'x') + 1, u'x');
    BytesSchreiben(temp / "lang.mini", "kurz\r\n" + lang.toStdString() + "\r\n");
    auto breit = AnzeigeErstellen(QString::fromStdString((temp / "lang.mini").string()));
    EXPECT_GE(breit->width(), std::min(zeichen.horizontalAdvance(lang),
                                       breit->screen()->availableGeometry().width()));
    AnzeigetextLaden(pfad + QStringLiteral(".fehlt"), &ok);
    EXPECT_FALSE(ok);
}

// kestrav ohne erreichbaren Bildschirm: deutsche Meldung mit dem Weg zu kestrav-stapel und 1 statt
// abort(); --help zeigt den Aufruf auch ohne Bildschirm.
TEST(Hauptprogramm, OhneBildschirmUndHilfe) {
    using U = std::map<std::string, std::string>;
    const U ohne{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    const U falsch{{"DISPLAY", ":4711"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    for (const auto& [argument, umgebung, exitcode, erwartet] :
         {std::tuple{"--help", ohne, 0, "Aufruf: kestrav [RINEX-DATEI]"},
          {"x.23o", ohne, 1,
           "kestrav: Kein Bildschirm erreichbar. Einen Beobachtungstag ohne "
           "Fenster rechnet kestrav-stapel"},
          {"x.23o", falsch, 1, "kestrav: Kein Bildschirm erreichbar."}}) {
        const Prozesslauf lauf =
            ProzessAusfuehren({{KESTRAV_BIN_DIR "/kestrav", argument}, "/", umgebung});
        EXPECT_EQ(lauf.exitcode, exitcode) << argument;
        EXPECT_TRUE((lauf.ausgabe + lauf.fehler).starts_with(erwartet))
            << lauf.ausgabe << lauf.fehler;
    }
}
