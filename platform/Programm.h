#pragma once

enum class Mauszeiger { Standard, Sanduhr };

class Programm {
public:
    virtual ~Programm() = default;
    virtual void ZeigerSetzen(Mauszeiger zeiger) = 0;
    // Beendet den eigenen Prozess sofort (Tests: nur vermerkt).
    virtual void SofortBeenden() = 0;
};
