#include "ui/qt/Anzeige.h"

#include "platform/Text.h"
#include "ui/qt/QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>

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
    anzeige->resize(760, 560);
    return anzeige;
}
