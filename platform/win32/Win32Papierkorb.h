#pragma once
// Windows' Papierkorb über SHFileOperationW mit Rückgängig (IFileOperation ist unter Wine nur
// ein Rumpf). Ein Laufwerk ohne Papierkorb erkennt SHQueryRecycleBinW: scheitert die Abfrage,
// kann nichts dorthin.
#include "platform/Papierkorb.h"

class Win32Papierkorb : public Papierkorb {
public:
    bool Moeglich(const Text& pfad) override;
    void Verschieben(const Text& pfad) override;
};
