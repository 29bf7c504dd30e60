#pragma once

enum class Mauszeiger { Standard, Sanduhr };

class Programm {
public:
    virtual ~Programm() = default;
    virtual void ZeigerSetzen(Mauszeiger zeiger) = 0;
    // Beendet den eigenen Prozess sofort (Tests: nur vermerkt).
    virtual void SofortBeenden() = 0;
    // Menüfarbe (Modus 1 Menüleiste, 2 Untermenü Nr. index, 3 Systemmenü); false, wenn die
    // Plattform es nicht kann oder kein Menü gefärbt wurde.
    virtual bool Menuefarbe(int modus, unsigned rgb, int index, bool mitUntermenues) {
        (void)modus, (void)rgb, (void)index, (void)mitUntermenues;
        return false;
    }
};
