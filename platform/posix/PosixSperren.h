#pragma once
// Sperre eines Arbeitsverzeichnisses über flock auf der versteckten Datei ".kestrav-lauf" darin.
// flock gilt je offener Datei, nicht je Prozess: auch ein zweiter Lauf desselben Fensters wird
// abgewiesen. Ein Stapel, der gestartet wird, solange die Sperre gehalten wird, erbt sie (siehe
// VererbbareSperren); so hält ein abgebrochener Lauf sie, bis sein Stapel endet.
#include "platform/Laufsperre.h"
#include "platform/posix/Laufwerke.h"

#include <vector>

inline constexpr const char* SPERRDATEI = ".kestrav-lauf";

class PosixSperren : public Sperren {
public:
    explicit PosixSperren(Laufwerke laufwerke) : laufwerke_(std::move(laufwerke)) {}
    std::unique_ptr<Laufsperre> Nehmen(const Text& verzeichnis) override;

private:
    Laufwerke laufwerke_;
};

// Dateikennungen der gehaltenen Sperren; PosixProzesse vererbt sie nur an Stapel.
std::vector<int> VererbbareSperren();
