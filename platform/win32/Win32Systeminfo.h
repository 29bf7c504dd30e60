#pragma once
#include "platform/Systeminfo.h"
#include "platform/Versionsdaten.h"

#include <functional>

// Versionsangaben aus der Win32-API; den Text bildet die Logik daraus (Systembeschreibung), das
// Programm reicht sie beim Anlegen herein.
class Win32Systeminfo : public Systeminfo {
public:
    explicit Win32Systeminfo(std::function<Text(const Versionsdaten&)> beschreiben)
        : beschreiben_(std::move(beschreiben)) {}
    Text Beschreibung() override;
    Text Programmpfad() override;
    Text Befehlszeile() override;

private:
    std::function<Text(const Versionsdaten&)> beschreiben_;
};
