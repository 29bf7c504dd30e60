#pragma once
// DoEvents unter Windows: eine verschachtelte Nachrichtenschleife, die nicht wartet.
#include "platform/Ereignisschleife.h"

#include <windows.h>

class Win32Ereignisschleife : public Ereignisschleife {
public:
    void Ereignisse() override;
    void Schlafen(int ms) override;
};

// Verteilt eine Nachricht wie ein Dialog: Tabulator und Pfeiltasten wechseln das Steuerelement.
void NachrichtVerteilen(MSG& nachricht);
