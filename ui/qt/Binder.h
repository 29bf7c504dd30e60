#pragma once
// Bindet die Modelle der Steuerelemente an Qt-Widgets, in beiden Richtungen: eine Eingabe des
// Benutzers setzt das Modell (dessen Regel dann läuft), eine Änderung des Modells aktualisiert das
// Widget mit blockierten Signalen, damit nichts im Kreis läuft. Die Modelle müssen den Binder
// überleben; beim Abbau meldet er seine Beobachter ab.
#include "shell/Steuerelemente.h"
#include "ui/Regel.h"

#include <QObject>

#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QTabWidget;
class QTimer;
class QWidget;

class Binder : public QObject {
public:
    explicit Binder(QObject* eltern = nullptr);
    ~Binder() override;

    void Binden(TextFeld& modell, QLineEdit* widget);
    void Binden(TextFeld& modell, QPlainTextEdit* widget);
    void Binden(Beschriftung& modell, QLabel* widget);
    void Binden(Kontrollkaestchen& modell, QCheckBox* widget);
    void Binden(Optionsfeld& modell, QRadioButton* widget);
    void Binden(Listenfeld& modell, QListWidget* widget);
    void Binden(Schaltflaeche& modell, QAbstractButton* widget);
    void Binden(Menueeintrag& modell, QAction* aktion);
    void Binden(Rahmen& modell, QGroupBox* widget);
    // Die Seiten müssen schon eingefügt sein; ihre Reiter bekommen die Texte des Modells.
    void Binden(Registerkarte& modell, QTabWidget* widget);
    void Binden(Zeitgeber& modell, QTimer* zeitgeber);
    void Binden(Fortschrittsbalken& modell, QProgressBar* widget);
    // Ein Fenster der obersten Ebene: Titel, angezeigt/geschlossen, Innenmaße, Schließwunsch.
    void Binden(Fenster& modell, QWidget* fenster);

    // Legt das Widget an und bindet es: ein Steuerelement ist eine Zeile.
    template <class W, class M> W* Neu(M& modell) {
        auto* widget = new W;
        Binden(modell, widget);
        return widget;
    }

private:
    // Beobachter anmelden und einmal sofort abgleichen.
    void Beobachten(Steuerelement& modell, QObject* ziel, std::function<void()> abgleichen);
    // Name, aktiviert, sichtbar, Tooltip: für jedes Widget gleich.
    void Gemeinsames(Steuerelement& modell, QWidget* widget);

    std::vector<std::pair<Steuerelement*, int>> anmeldungen_;
};
