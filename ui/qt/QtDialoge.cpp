#include "ui/qt/QtDialoge.h"

#include "ui/qt/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

namespace {

QMessageBox::Icon QtSymbol(Symbol symbol) {
    switch (symbol) {
    case Symbol::Information:
        return QMessageBox::Information;
    case Symbol::Ausrufezeichen:
        return QMessageBox::Warning;
    case Symbol::Frage:
        return QMessageBox::Question;
    case Symbol::Kritisch:
        return QMessageBox::Critical;
    case Symbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

// Windows-Muster kennen keine Zeichenklassen; Buchstaben passen in beiden Schreibweisen.
QString MusterOhneGross(const QString& muster) {
    QString qt;
    for (QChar z : muster) {
        if (z == u'[' || z == u']')
            qt += u'[' + QString(z) + u']';
        else if (z.toLower() != z.toUpper())
            qt += u'[' + QString(z.toLower()) + QString(z.toUpper()) + u']';
        else
            qt += z;
    }
    return qt;
}

} // namespace

void MeldungAufbauen(QMessageBox& box, const Meldung& meldung) {
    box.setWindowTitle(ZuQString(meldung.titel));
    box.setTextFormat(Qt::PlainText);
    QString text = ZuQString(meldung.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    box.setIcon(QtSymbol(meldung.symbol));
    QPushButton* erster = nullptr;
    QPushButton* zweiter = nullptr;
    if (meldung.knoepfe == Knoepfe::JaNein) {
        erster = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        zweiter = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setEscapeButton(zweiter);
    } else {
        erster = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(erster);
    }
    box.setDefaultButton(meldung.standardknopf == 2 && zweiter ? zweiter : erster);
}

Antwort QtDialoge::Zeigen(const Meldung& meldung) {
    QMessageBox box(QApplication::activeWindow());
    MeldungAufbauen(box, meldung);
    box.exec();
    const auto* gedrueckt = box.clickedButton();
    if (meldung.knoepfe == Knoepfe::OK)
        return Antwort::OK;
    return gedrueckt &&
                   box.buttonRole(const_cast<QAbstractButton*>(gedrueckt)) == QMessageBox::YesRole
               ? Antwort::Ja
               : Antwort::Nein;
}

QStringList QtFilter(const Text& filter) {
    const QStringList teile = ZuQString(filter).split(u'|');
    QStringList qt;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QStringList muster;
        for (const QString& m : teile[i + 1].split(u';', Qt::SkipEmptyParts))
            muster << MusterOhneGross(m.trimmed());
        // Die Klammer am Ende liest Qt als Muster; mit HideNameFilterDetails bleibt nur die
        // Beschreibung sichtbar.
        qt << teile[i] + QStringLiteral(" (") + muster.join(u' ') + u')';
    }
    return qt;
}

Text QtDialoge::DateiOeffnen(const Dateiauswahl& auswahl) {
    QFileDialog dialog(QApplication::activeWindow(), ZuQString(auswahl.titel));
    // Der eigene Dialog von Qt verhält sich auf jedem Desktop gleich, auch bei den Mustern.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Name, Größe, Typ und Datum einer RINEX-Datei sollen ungekürzt nebeneinander lesbar sein,
    // soweit der Bildschirm reicht.
    dialog.setViewMode(QFileDialog::Detail);
    QSize groesse(1000, 560);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(bildschirm->availableGeometry().size());
    dialog.resize(groesse);
    if (auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        liste->header()->resizeSection(0, 360);
        liste->header()->resizeSection(1, 100);
        liste->header()->resizeSection(2, 180);
    }
    const QStringList filter = QtFilter(auswahl.filter);
    if (!filter.isEmpty()) {
        dialog.setNameFilters(filter);
        if (auswahl.filterIndex >= 1 && auswahl.filterIndex <= filter.size())
            dialog.selectNameFilter(filter[auswahl.filterIndex - 1]);
    }
    const QFileInfo start(ZuQString(auswahl.startverzeichnis));
    if (start.isFile()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    } else if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return Text();
    return AusQString(dialog.selectedFiles().constFirst());
}
