#pragma once
#include "platform/Systeminfo.h"

// Versionsangaben aus der Win32-API; die Beschreibung bildet Systembeschreibung daraus.
class Win32Systeminfo : public Systeminfo {
public:
    Text Beschreibung() override;
    Text Programmpfad() override;
    Text Befehlszeile() override;
};
