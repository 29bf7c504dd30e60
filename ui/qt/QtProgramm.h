#pragma once
// Mauszeiger, sofortiges Ende und Menüfarbe mit Qt.
#include "platform/Programm.h"

#include <QMenuBar>
#include <QPointer>

class QtProgramm : public Programm {
public:
    // Die Menüleiste des Hauptfensters, sobald es gebaut ist.
    void MenueleisteSetzen(QMenuBar* leiste) { leiste_ = leiste; }

    void ZeigerSetzen(Mauszeiger zeiger) override;
    // Endet ohne weitere Ereignisse, ohne Aufräumen und ohne auf andere Fenster zu warten.
    [[noreturn]] void SofortBeenden() override;
    // Modus 1 färbt die Menüleiste im Fenster; Modus 2 das Untermenü des Eintrags Nr. index,
    // das es hier nicht gibt; das Systemmenü (Modus 3) gehört dem Fenstermanager.
    bool Menuefarbe(int modus, unsigned rgb, int index, bool mitUntermenues) override;

private:
    QPointer<QMenuBar> leiste_;
};
