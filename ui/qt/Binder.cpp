#include "ui/qt/Binder.h"

#include "ui/Twips.h"
#include "ui/qt/Ereignisfilter.h"
#include "ui/qt/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDebug>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>

#include <exception>

namespace {

// In Beschriftungen von Knöpfen, Menüs und Reitern ist "&" sonst ein Tastenkürzel.
QString OhneKuerzel(const Text& text) {
    return ZuQString(text).replace(u'&', QStringLiteral("&&"));
}

// Tooltips erscheinen als Klartext; was Qt für HTML halten würde, wird geschützt.
QString TooltipText(const Text& text) {
    QString t = ZuQString(text);
    if (Qt::mightBeRichText(t))
        return QStringLiteral("<p style='white-space:pre'>") + t.toHtmlEscaped() +
               QStringLiteral("</p>");
    return t;
}

// Mehrzeilige Textfelder halten CR LF wie unter Windows, QPlainTextEdit kennt nur LF.
QString MitLf(const Text& text) {
    QString t = ZuQString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

Text MitCrLf(const QString& text) {
    QString t = text;
    t.replace(u'\n', QStringLiteral("\r\n"));
    return AusQString(t);
}

Qt::CheckState Pruefzustand(int wert) {
    return wert == 1 ? Qt::Checked : wert == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

int Pruefwert(Qt::CheckState zustand) {
    return zustand == Qt::Checked ? 1 : zustand == Qt::PartiallyChecked ? 2 : 0;
}

// Die Menüleiste eines Hauptfensters zählt nicht zur Innenfläche.
int Zusatzhoehe(QWidget* fenster) {
    auto* haupt = qobject_cast<QMainWindow*>(fenster);
    if (!haupt || !haupt->menuWidget() || haupt->menuWidget()->isHidden())
        return 0;
    return haupt->menuWidget()->sizeHint().height();
}

QSize InnenPixel(const Fenster& modell, QWidget* fenster) {
    return QSize(PixelAusTwips(modell.BreiteTwips(), fenster->logicalDpiX()),
                 PixelAusTwips(modell.HoeheTwips(), fenster->logicalDpiY()) + Zusatzhoehe(fenster));
}

void Zentrieren(QWidget* fenster) {
    QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    QRect flaeche = schirm->availableGeometry();
    const QSize rahmen = fenster->frameGeometry().size() - fenster->geometry().size();
    const QSize aussen = fenster->size() + rahmen;
    fenster->move(flaeche.center() - QPoint(aussen.width() / 2, aussen.height() / 2));
}

} // namespace

Binder::Binder(QObject* eltern) : QObject(eltern) {}

Binder::~Binder() {
    for (auto& [modell, kennung] : anmeldungen_)
        modell->BeobachterEntfernen(kennung);
}

void Binder::Beobachten(Steuerelement& modell, QObject* ziel, std::function<void()> abgleichen) {
    QPointer<QObject> lebt(ziel);
    auto beobachter = [lebt, abgleichen = std::move(abgleichen)] {
        if (lebt)
            abgleichen();
    };
    beobachter();
    anmeldungen_.emplace_back(&modell, modell.Beobachten(beobachter));
}

void Binder::Gemeinsames(Steuerelement& modell, QWidget* widget) {
    widget->setObjectName(QString::fromStdString(modell.Name()));
    Beobachten(modell, widget, [&modell, widget] {
        widget->setEnabled(modell.Aktiviert());
        widget->setToolTip(TooltipText(modell.Tooltip()));
        // Nur wieder zeigen, was hier verborgen wurde; ein Widget ohne Eltern würde sonst zum
        // eigenen Fenster.
        if (!modell.Sichtbar())
            widget->setVisible(false);
        else if (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            widget->setVisible(true);
    });
}

void Binder::Binden(TextFeld& modell, QLineEdit* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        const QString soll = ZuQString(modell.Wert());
        if (widget->text() != soll) {
            QSignalBlocker sperre(widget);
            widget->setText(soll);
        }
    });
    connect(widget, &QLineEdit::textEdited, this, [&modell](const QString& text) {
        RegelAusfuehren([&] { modell.SetzeText(AusQString(text)); });
    });
}

void Binder::Binden(TextFeld& modell, QPlainTextEdit* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        const QString soll = MitLf(modell.Wert());
        if (widget->toPlainText() != soll) {
            QSignalBlocker sperre(widget);
            widget->setPlainText(soll);
        }
    });
    connect(widget, &QPlainTextEdit::textChanged, this, [&modell, widget] {
        RegelAusfuehren([&] { modell.SetzeText(MitCrLf(widget->toPlainText())); });
    });
}

void Binder::Binden(Beschriftung& modell, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] { widget->setText(ZuQString(modell.Caption())); });
}

void Binder::Binden(Kontrollkaestchen& modell, QCheckBox* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        QSignalBlocker sperre(widget);
        widget->setText(OhneKuerzel(modell.Caption()));
        widget->setCheckState(Pruefzustand(modell.Wert()));
    });
    connect(widget, &QCheckBox::clicked, this, [&modell, widget] {
        RegelAusfuehren([&] { modell.SetzeWert(Pruefwert(widget->checkState())); });
    });
}

void Binder::Binden(Optionsfeld& modell, QRadioButton* widget) {
    // Die Gruppe des Modells entscheidet, welches Feld gewählt ist, nicht die Elternschaft in Qt.
    widget->setAutoExclusive(false);
    Gemeinsames(modell, widget);
    auto abgleichen = [&modell, widget] {
        QSignalBlocker sperre(widget);
        widget->setText(OhneKuerzel(modell.Caption()));
        widget->setChecked(modell.Gewaehlt());
    };
    Beobachten(modell, widget, abgleichen);
    connect(widget, &QRadioButton::clicked, this, [&modell, widget, abgleichen](bool an) {
        if (an)
            RegelAusfuehren([&] { modell.Waehlen(); });
        // Ein zweiter Klick auf das gewählte Feld hebt es nicht auf.
        abgleichen();
    });
}

void Binder::Binden(Listenfeld& modell, QListWidget* widget) {
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        QSignalBlocker sperre(widget);
        QStringList soll;
        for (const Text& eintrag : modell.Eintraege())
            soll << ZuQString(eintrag);
        QStringList ist;
        for (int i = 0; i < widget->count(); ++i)
            ist << widget->item(i)->text();
        if (ist != soll) {
            widget->clear();
            widget->addItems(soll);
        }
        if (modell.Auswahl() < 0) {
            widget->setCurrentRow(-1);
            widget->clearSelection();
        } else if (widget->currentRow() != modell.Auswahl()) {
            widget->setCurrentRow(modell.Auswahl());
        }
    });
    connect(widget, &QListWidget::currentRowChanged, this, [&modell](int zeile) {
        if (zeile >= -1 && zeile < modell.Anzahl() && zeile != modell.Auswahl())
            RegelAusfuehren([&] { modell.SetzeAuswahl(zeile); });
    });
    // Doppelklick und Mausbewegung kommen an der Fläche der Einträge an, auch außerhalb der
    // Einträge (ein Doppelklick auf eine leere Liste löst die Regel ebenso aus).
    widget->viewport()->setMouseTracking(true);
    new Ereignisfilter(widget->viewport(), this, [&modell](QEvent* ereignis) {
        if (ereignis->type() == QEvent::MouseButtonDblClick) {
            // Der erste Druck hat schon gewählt; Qt soll danach nicht erneut wählen.
            RegelAusfuehren(modell.beiDoppelklick);
            return true;
        }
        if (ereignis->type() == QEvent::MouseMove)
            RegelAusfuehren(modell.beiMausbewegung);
        return false;
    });
}

void Binder::Binden(Schaltflaeche& modell, QAbstractButton* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget,
               [&modell, widget] { widget->setText(OhneKuerzel(modell.Caption())); });
    connect(widget, &QAbstractButton::clicked, this,
            [&modell] { RegelAusfuehren([&] { modell.Klicken(); }); });
}

void Binder::Binden(Menueeintrag& modell, QAction* aktion) {
    aktion->setObjectName(QString::fromStdString(modell.Name()));
    Beobachten(modell, aktion, [&modell, aktion] {
        aktion->setText(OhneKuerzel(modell.Caption()));
        aktion->setEnabled(modell.Aktiviert());
        aktion->setVisible(modell.Sichtbar());
        aktion->setToolTip(TooltipText(modell.Tooltip()));
    });
    connect(aktion, &QAction::triggered, this,
            [&modell] { RegelAusfuehren([&] { modell.Klicken(); }); });
}

void Binder::Binden(Rahmen& modell, QGroupBox* widget) {
    Gemeinsames(modell, widget);
}

void Binder::Binden(Registerkarte& modell, QTabWidget* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        QSignalBlocker sperre(widget);
        const auto& reiter = modell.Reiter();
        for (int i = 0; i < widget->count() && i < static_cast<int>(reiter.size()); ++i)
            widget->setTabText(i, OhneKuerzel(reiter[static_cast<std::size_t>(i)]));
        widget->setCurrentIndex(modell.GewaehlterReiter());
    });
    connect(widget, &QTabWidget::currentChanged, this, [&modell](int index) {
        if (index >= 0 && index != modell.GewaehlterReiter())
            RegelAusfuehren([&] { modell.SetzeReiter(index); });
    });
}

void Binder::Binden(Zeitgeber& modell, QTimer* zeitgeber) {
    if (!zeitgeber->parent())
        zeitgeber->setParent(this);
    zeitgeber->setObjectName(QString::fromStdString(modell.Name()));
    Beobachten(modell, zeitgeber, [&modell, zeitgeber] {
        // Wie unter Windows: Intervall 0 hält den Zeitgeber an, ein neues Intervall startet neu.
        const bool laufen = modell.Aktiviert() && modell.Intervall() > 0;
        if (!laufen)
            zeitgeber->stop();
        else if (!zeitgeber->isActive() || zeitgeber->interval() != modell.Intervall())
            zeitgeber->start(modell.Intervall());
    });
    connect(zeitgeber, &QTimer::timeout, this,
            [&modell] { RegelAusfuehren([&] { modell.Ticken(); }); });
}

void Binder::Binden(Fortschrittsbalken& modell, QProgressBar* widget) {
    Gemeinsames(modell, widget);
    Beobachten(modell, widget, [&modell, widget] {
        widget->setRange(0, modell.Maximum());
        widget->setValue(modell.Wert());
    });
}

namespace {

// Zustand der Bindung eines Fensters, geteilt zwischen Ereignisfilter und Beobachter.
struct Fensterbindung {
    Fensterbindung(Fenster& m, QWidget* f) : modell(m), fenster(f) {}
    Fenster& modell;
    QWidget* fenster;
    bool qtSchliesst = false; // Qt schließt gerade selbst; das Modell folgt nur
    bool spiegelt = false;    // die Größe kommt gerade vom Fenster ins Modell
    QSize angewandt;          // zuletzt aus dem Modell gesetzte Innenmaße in Twips

    bool Ereignis(QEvent* ereignis) {
        if (ereignis->type() == QEvent::Close)
            return Schliessen(static_cast<QCloseEvent*>(ereignis));
        if (ereignis->type() == QEvent::Resize && fenster->isVisible())
            GroesseSpiegeln();
        return false;
    }

    bool Schliessen(QCloseEvent* ereignis) {
        // Nur das Schließfeld fragt; ein Schließen aus anderem Grund (Sitzungsende, close() von
        // außen) geht ohne Frage durch.
        if (ereignis->spontaneous() && modell.beiSchliesswunsch) {
            bool abbrechen = false;
            RegelAusfuehren([&] { abbrechen = modell.beiSchliesswunsch(); });
            if (abbrechen) {
                ereignis->ignore();
                return true;
            }
        }
        qtSchliesst = true;
        RegelAusfuehren([&] { modell.Schliessen(); });
        qtSchliesst = false;
        return false;
    }

    void GroesseSpiegeln() {
        const int breite = TwipsAusPixel(fenster->width(), fenster->logicalDpiX());
        const int hoehe =
            TwipsAusPixel(fenster->height() - Zusatzhoehe(fenster), fenster->logicalDpiY());
        if (breite == modell.BreiteTwips() && hoehe == modell.HoeheTwips())
            return;
        spiegelt = true;
        RegelAusfuehren([&] { modell.SetzeGroesse(breite, hoehe); });
        spiegelt = false;
        angewandt = QSize(breite, hoehe);
    }

    void Abgleichen() {
        fenster->setWindowTitle(ZuQString(modell.Caption()));
        const QSize soll(modell.BreiteTwips(), modell.HoeheTwips());
        if (!spiegelt && soll != angewandt && soll.width() > 0 && soll.height() > 0) {
            angewandt = soll;
            fenster->resize(InnenPixel(modell, fenster));
        }
        if (modell.Angezeigt() && !fenster->isVisible()) {
            if (modell.Zentriert())
                Zentrieren(fenster);
            fenster->show();
            fenster->raise();
        } else if (!modell.Angezeigt() && fenster->isVisible() && !qtSchliesst) {
            fenster->hide();
        }
    }
};

} // namespace

void Binder::Binden(Fenster& modell, QWidget* fenster) {
    fenster->setObjectName(QString::fromStdString(modell.Name()));
    auto bindung = std::make_shared<Fensterbindung>(modell, fenster);
    new Ereignisfilter(fenster, this,
                       [bindung](QEvent* ereignis) { return bindung->Ereignis(ereignis); });
    Beobachten(modell, fenster, [bindung] { bindung->Abgleichen(); });
}
