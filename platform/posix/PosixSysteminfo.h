#pragma once
#include "platform/Systeminfo.h"

#include <string>
#include <vector>

// Beschreibung aus uname: Systemname, Version und die Bitbreite der Maschine ("64-bit"/"32-bit").
class PosixSysteminfo : public Systeminfo {
public:
    explicit PosixSysteminfo(std::vector<std::string> argumente = {});
    Text Beschreibung() override;
    Text Programmpfad() override;
    Text Befehlszeile() override;

private:
    std::vector<std::string> argumente_;
};

// Bitbreite einer uname-Maschinenkennung ("x86_64" -> "64-bit", "i686" -> "32-bit").
std::string BitbreiteDerMaschine(const std::string& maschine);
