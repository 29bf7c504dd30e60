#pragma once
// Das Hauptfenster und das Fenster "Bitte warten" als Qt-Widgets über den Modellen des
// Basisformulars. Eigene Logik hat das Fenster nur für die feste Größe.
#include "ui/qt/Binder.h"

#include <QMainWindow>

#include <memory>

class Basisformular;

class Hauptfenster : public QMainWindow {
public:
    explicit Hauptfenster(Basisformular& form);
    ~Hauptfenster() override;

    QWidget* BitteWarten() const { return bitteWarten_.get(); }

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void MenueAnlegen();
    QWidget* ReiterReferenzpunkte();
    QWidget* ReiterOptionen();
    QWidget* ReiterAnalyse();
    void BitteWartenAnlegen();

    Basisformular& form_;
    Binder binder_;
    std::unique_ptr<QWidget> bitteWarten_;
};

// Wendet die feste Fenstergröße der Systembreite auf die Außenmaße des Fensters an, gemessen mit
// seiner logischen Auflösung. true, wenn die Größe geändert wurde.
bool FesteGroesseAnwenden(QWidget* fenster, const Text& Systembreite);

// Schrift der beiden Fenster: Punkte passen zu den Twips des Entwurfs, so wachsen Schrift und
// Fenster bei jeder Auflösung gemeinsam.
inline constexpr double SchriftgroessePunkte = 8.0;
