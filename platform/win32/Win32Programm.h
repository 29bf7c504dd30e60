#pragma once
#include "platform/Programm.h"

// Sanduhr über den Mauszeiger des Systems; das Ende des Prozesses sofort, ohne Aufräumen.
class Win32Programm : public Programm {
public:
    void ZeigerSetzen(Mauszeiger zeiger) override;
    void SofortBeenden() override;
};
