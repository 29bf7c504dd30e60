#include "ui/qt/Hauptfenster.h"

#include "shell/Basisformular.h"
#include "ui/Groessenregel.h"
#include "ui/qt/Ereignisfilter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int Rand = 6;
constexpr int Abstand = 4;

template <class L> L* Layout(QWidget* eltern, int rand = Rand) {
    auto* layout = new L(eltern);
    layout->setContentsMargins(rand, rand, rand, rand);
    layout->setSpacing(Abstand);
    return layout;
}

QHBoxLayout* Zeile(std::initializer_list<QWidget*> widgets, bool dehnenAmEnde = true) {
    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(Abstand);
    for (QWidget* w : widgets)
        zeile->addWidget(w);
    if (dehnenAmEnde)
        zeile->addStretch(1);
    return zeile;
}

// Eingabefelder für kurze Werte: breit genug für einige Zeichen, nicht mehr.
template <class W> W* Schmal(W* feld, int zeichen) {
    const int breite = feld->fontMetrics().horizontalAdvance(QString(zeichen, u'0')) + 12;
    feld->setFixedWidth(breite);
    return feld;
}

// Die Hinweisliste soll ohne Umbruch und ohne Rollen in das feste Fenster passen; bei breiten
// Systemschriften wird ihre Schrift dafür verkleinert, bis zu einer noch lesbaren Größe.
void SchriftEinpassen(QPlainTextEdit* feld) {
    const QSize platz = feld->viewport()->size();
    const double rand = 2 * feld->document()->documentMargin() + 2;
    const QStringList zeilen = feld->toPlainText().split(u'\n');
    QFont schrift = feld->parentWidget()->font();
    for (; schrift.pointSizeF() > 6.0; schrift.setPointSizeF(schrift.pointSizeF() - 0.25)) {
        const QFontMetrics masse(schrift);
        int breite = 0;
        for (const QString& zeile : zeilen)
            breite = std::max(breite, masse.horizontalAdvance(zeile));
        if (breite + rand <= platz.width() &&
            zeilen.size() * masse.lineSpacing() + rand <= platz.height())
            break;
    }
    if (schrift != feld->font())
        feld->setFont(schrift);
}

void SchriftSetzen(QWidget* fenster) {
    QFont schrift = fenster->font();
    schrift.setPointSizeF(SchriftgroessePunkte);
    fenster->setFont(schrift);
}

} // namespace

bool FesteGroesseAnwenden(QWidget* fenster, const Text& Systembreite) {
    const QSize rahmen = fenster->frameGeometry().size() - fenster->geometry().size();
    const QSize aussen = fenster->size() + rahmen;
    const auto neu = FesteAussenmasse(Systembreite, {aussen.width(), aussen.height()},
                                      fenster->logicalDpiX(), fenster->logicalDpiY());
    if (!neu)
        return false;
    const QSize soll = QSize(neu->breite, neu->hoehe) - rahmen;
    if (soll == fenster->size() && !fenster->isMaximized() && !fenster->isFullScreen())
        return false;
    // Ein maximiertes Fenster nimmt keine neue Größe an, es muss erst wiederhergestellt werden.
    if (fenster->isMaximized() || fenster->isFullScreen())
        fenster->setWindowState(fenster->windowState() &
                                ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    fenster->resize(soll);
    return true;
}

Hauptfenster::Hauptfenster(Basisformular& form) : form_(form) {
    SchriftSetzen(this);
    MenueAnlegen();

    auto* flaeche = new QWidget;
    auto* spalte = Layout<QVBoxLayout>(flaeche);

    auto* register_ = new QTabWidget;
    register_->addTab(ReiterReferenzpunkte(), QString());
    register_->addTab(ReiterOptionen(), QString());
    register_->addTab(ReiterAnalyse(), QString());
    binder_.Binden(form.RegisterkarteKestrav, register_);
    spalte->addWidget(register_, 1);

    auto* fortschritt = binder_.Neu<QProgressBar>(form.ProgressBar);
    fortschritt->setTextVisible(false);
    fortschritt->setFixedHeight(fortschritt->fontMetrics().height());
    spalte->addWidget(fortschritt);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(binder_.Neu<QPushButton>(form.CommandBerechnen));
    knoepfe->addWidget(binder_.Neu<QPushButton>(form.cmdBerechnen));
    knoepfe->addStretch(1);
    knoepfe->addWidget(binder_.Neu<QPushButton>(form.EndeFrame));
    spalte->addLayout(knoepfe);
    setCentralWidget(flaeche);

    binder_.Binden(form.TimerErrFormLoad, new QTimer(this));
    binder_.Binden(form.TimerAbbruch, new QTimer(this));

    BitteWartenAnlegen();
    // Zuletzt das Fenster selbst: Größe und Anzeige brauchen die fertige Menüleiste.
    binder_.Binden(form.fenster, this);
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::MenueAnlegen() {
    // Die Einträge sind Befehle ohne Untermenü; eine globale Menüleiste des Desktops zeigt
    // solche Einträge nicht immer, daher bleibt die Leiste im Fenster.
    menuBar()->setNativeMenuBar(false);
    for (Menueeintrag* eintrag :
         {&form_.KestravHilfeMenü, &form_.QelHilfeMenü, &form_.Info, &form_.EndeMenü})
        binder_.Binden(*eintrag, menuBar()->addAction(QString()));
}

QWidget* Hauptfenster::ReiterReferenzpunkte() {
    Basisformular& f = form_;
    auto* seite = new QWidget;
    auto* spalte = Layout<QVBoxLayout>(seite);

    auto* rahmen = binder_.Neu<QGroupBox>(f.FrameBenutzereinstellungen);
    auto* gitter = Layout<QGridLayout>(rahmen);

    gitter->addLayout(Zeile({binder_.Neu<QPushButton>(f.AuswahlArbeitsverzeichnis),
                             binder_.Neu<QPushButton>(f.ResetRINEX)}),
                      0, 0, 1, 3);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label7), 1, 0, 1, 3);
    auto* tag = Schmal(binder_.Neu<QLineEdit>(f.Beobachtungstag), 4);
    gitter->addLayout(
        Zeile({binder_.Neu<QLineEdit>(f.VerzeichnisNeupunkte), binder_.Neu<QLabel>(f.Label5), tag},
              false),
        2, 0, 1, 3);

    gitter->addWidget(binder_.Neu<QLabel>(f.AnzahlNeupunkteRINEX), 3, 0);
    gitter->addWidget(binder_.Neu<QLabel>(f.AnzahlReferenzpunkteRINEX), 3, 2);
    gitter->addWidget(binder_.Neu<QListWidget>(f.Neupunkte), 4, 0);
    auto* pfeile = new QVBoxLayout;
    pfeile->addStretch(1);
    for (Beschriftung* pfeil : {&f.Richtungspfeil1, &f.Richtungspfeil2, &f.Richtungspfeil3}) {
        auto* label = binder_.Neu<QLabel>(*pfeil);
        label->setAlignment(Qt::AlignCenter);
        pfeile->addWidget(label);
    }
    pfeile->addStretch(1);
    gitter->addLayout(pfeile, 4, 1);
    gitter->addWidget(binder_.Neu<QListWidget>(f.Referenzpunkte), 4, 2);
    gitter->setColumnStretch(0, 1);
    gitter->setColumnStretch(2, 1);
    gitter->setRowStretch(4, 1);
    gitter->addLayout(Zeile({binder_.Neu<QPushButton>(f.AutoZuordnungReferenz)}), 5, 0, 1, 3);

    spalte->addWidget(rahmen, 1);
    spalte->addWidget(binder_.Neu<QCheckBox>(f.chkDelRINEX));
    return seite;
}

QWidget* Hauptfenster::ReiterOptionen() {
    Basisformular& f = form_;
    auto* seite = new QWidget;
    auto* spalte = Layout<QVBoxLayout>(seite);
    auto* rahmen = binder_.Neu<QGroupBox>(f.Frame1);
    auto* gitter = Layout<QGridLayout>(rahmen);

    int zeile = 0;
    gitter->addWidget(binder_.Neu<QLabel>(f.Label3), zeile, 0);
    gitter->addLayout(Zeile({Schmal(binder_.Neu<QLineEdit>(f.VexloVersion), 3)}), zeile++, 1);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label35), zeile, 0);
    gitter->addWidget(binder_.Neu<QLineEdit>(f.QelWeitereParameter), zeile++, 1);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label31), zeile, 0);
    gitter->addWidget(binder_.Neu<QPushButton>(f.cmdBoOriPara), zeile++, 1, Qt::AlignRight);
    gitter->addWidget(binder_.Neu<QLineEdit>(f.BoWeitereParameter), zeile++, 0, 1, 2);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label2), zeile, 0);
    gitter->addWidget(binder_.Neu<QLineEdit>(f.IdSearchAutoZuordRefpunkt), zeile++, 1);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label38), zeile, 0);
    gitter->addLayout(Zeile({binder_.Neu<QRadioButton>(f.QelHöheDhhn),
                             binder_.Neu<QRadioButton>(f.QelHöheEllips)}),
                      zeile++, 1);
    gitter->addWidget(binder_.Neu<QLabel>(f.Label32), zeile++, 0, 1, 2);
    gitter->addLayout(
        Zeile({binder_.Neu<QCheckBox>(f.QelGPS), binder_.Neu<QCheckBox>(f.QelGLONASS),
               binder_.Neu<QCheckBox>(f.QelGalileo), binder_.Neu<QCheckBox>(f.QelSBAS)}),
        zeile++, 0, 1, 2);
    gitter->addWidget(binder_.Neu<QCheckBox>(f.QelKorrAntenne), zeile++, 0, 1, 2);
    gitter->addLayout(Zeile({binder_.Neu<QCheckBox>(f.Check1), binder_.Neu<QCheckBox>(f.Check2)}),
                      zeile++, 0, 1, 2);
    gitter->setRowStretch(zeile, 1);
    gitter->setColumnStretch(1, 1);

    spalte->addWidget(rahmen, 1);
    return seite;
}

QWidget* Hauptfenster::ReiterAnalyse() {
    Basisformular& f = form_;
    auto* seite = new QWidget;
    auto* spalte = Layout<QVBoxLayout>(seite);
    auto* rahmen = binder_.Neu<QGroupBox>(f.FrameFehler);
    auto* innen = Layout<QVBoxLayout>(rahmen);

    auto* erklaerung = binder_.Neu<QLabel>(f.Label29);
    erklaerung->setWordWrap(true);
    innen->addWidget(erklaerung);

    innen->addSpacing(Abstand);
    innen->addWidget(binder_.Neu<QLabel>(f.Label6));
    innen->addLayout(Zeile({binder_.Neu<QCheckBox>(f.VexloBildschirmausgabe),
                            binder_.Neu<QCheckBox>(f.ErgebnisAnzeigen),
                            binder_.Neu<QCheckBox>(f.FehlerAnzeigen)}));

    innen->addSpacing(Abstand);
    innen->addWidget(binder_.Neu<QLabel>(f.Label4));
    auto* gitter = new QGridLayout;
    gitter->setSpacing(Abstand);
    struct Grenzwert {
        Beschriftung& label;
        TextFeld& feld;
        Beschriftung* einheit;
    };
    const Grenzwert grenzwerte[] = {{f.Label1, f.LösungsQu, nullptr},
                                    {f.Label12, f.Satellitenanzahl, nullptr},
                                    {f.Label21, f.OccupationTime, &f.Label22},
                                    {f.Label13, f.PDOP, nullptr},
                                    {f.Label20, f.AmbiguitiesFixedFor, &f.Label25}};
    int zeile = 0;
    for (const Grenzwert& g : grenzwerte) {
        gitter->addWidget(binder_.Neu<QLabel>(g.label), zeile, 0);
        gitter->addWidget(Schmal(binder_.Neu<QLineEdit>(g.feld), 5), zeile, 1);
        if (g.einheit)
            gitter->addWidget(binder_.Neu<QLabel>(*g.einheit), zeile, 2);
        ++zeile;
    }
    gitter->addWidget(binder_.Neu<QPushButton>(f.ButtonStandardwerte), zeile - 1, 4,
                      Qt::AlignRight | Qt::AlignBottom);
    gitter->setColumnStretch(3, 1);
    innen->addLayout(gitter);
    innen->addStretch(1);

    spalte->addWidget(rahmen, 1);
    return seite;
}

void Hauptfenster::BitteWartenAnlegen() {
    FormBitteWarten& b = form_.bitteWarten;
    // Eigenes Fenster über dem Hauptfenster, nicht modal.
    bitteWarten_ = std::make_unique<QWidget>(this, Qt::Dialog);
    SchriftSetzen(bitteWarten_.get());
    auto* spalte = Layout<QVBoxLayout>(bitteWarten_.get(), 8);
    spalte->addWidget(binder_.Neu<QLabel>(b.Label1));
    spalte->addWidget(binder_.Neu<QLabel>(b.BerechnePunkt));
    auto* hinweise = binder_.Neu<QPlainTextEdit>(b.Text1);
    hinweise->setReadOnly(true);
    hinweise->document()->setDocumentMargin(2);
    hinweise->setLineWrapMode(QPlainTextEdit::NoWrap);
    new Ereignisfilter(hinweise->viewport(), hinweise, [hinweise](QEvent* ereignis) {
        if (ereignis->type() == QEvent::Resize)
            SchriftEinpassen(hinweise);
        return false;
    });
    spalte->addWidget(hinweise, 1);
    binder_.Binden(b.fenster, bitteWarten_.get());
}

void Hauptfenster::resizeEvent(QResizeEvent* ereignis) {
    QMainWindow::resizeEvent(ereignis);
    FesteGroesseAnwenden(this, form_.zustand.Systembreite);
}
