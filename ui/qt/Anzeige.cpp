#include "ui/qt/Anzeige.h"

#include "platform/Text.h"
#include "ui/qt/QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>

QString AnzeigetextLaden(const QString& pfad, bool* ok) {
    QFile datei(pfad);
    *ok = datei.open(QIODevice::ReadOnly);
    if (!*ok)
        return QString();
    const QByteArray bytes = datei.readAll();
    QString text = ZuQString(AusWindows1252(std::string_view(bytes.constData(), bytes.size())));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

namespace {

// Geöffnet wird maximiert; wiederhergestellt passt die längste Zeile des Protokolls ohne
// waagerechtes Blättern hinein, soweit der Bildschirm reicht.
int PassendeBreite(const QPlainTextEdit& anzeige) {
    int zeile = 0;
    for (const QString& text : anzeige.toPlainText().split(u'\n'))
        zeile = std::max(zeile, anzeige.fontMetrics().horizontalAdvance(text));
    const int rand = 2 * anzeige.frameWidth() +
                     2 * static_cast<int>(anzeige.document()->documentMargin()) +
                     anzeige.verticalScrollBar()->sizeHint().width() + 8;
    int breite = std::max(760, zeile + rand);
    if (const QScreen* bildschirm = anzeige.screen())
        breite = std::min(breite, bildschirm->availableGeometry().width());
    return breite;
}

} // namespace

std::unique_ptr<QWidget> AnzeigeErstellen(const QString& pfad) {
    auto anzeige = std::make_unique<QPlainTextEdit>();
    anzeige->setObjectName(QStringLiteral("Anzeige"));
    anzeige->setReadOnly(true);
    // Protokolle sind spaltenweise gesetzt: feste Zeichenbreite, kein Umbruch.
    anzeige->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    anzeige->setLineWrapMode(QPlainTextEdit::NoWrap);
    bool ok = false;
    const QString text = AnzeigetextLaden(pfad, &ok);
    anzeige->setPlainText(ok ? text
                             : QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(pfad));
    anzeige->setWindowTitle(QFileInfo(pfad).fileName());
    anzeige->resize(PassendeBreite(*anzeige), 560);
    return anzeige;
}
