#pragma once
// Ein Laufwerk C: in einem frischen Temp-Verzeichnis (unter /dev/shm, wenn es das gibt) mit dem
// echten POSIX-Dateidienst, einmal je Prozess; Dateizerleger werden so über echte Dateien geprüft.
#include "platform/posix/PosixDateisystem.h"

#include <memory>
#include <string_view>

class FuzzLaufwerk {
public:
    static FuzzLaufwerk& Instanz();

    PosixDateisystem& Dateien() { return *dateien_; }
    // Legt c:\<name> mit genau diesen Bytes an und gibt den Windows-Pfad.
    Text Ablegen(std::string_view name, std::string_view bytes);

    FuzzLaufwerk(const FuzzLaufwerk&) = delete;
    FuzzLaufwerk& operator=(const FuzzLaufwerk&) = delete;

private:
    FuzzLaufwerk();
    ~FuzzLaufwerk();

    std::string wurzel_;
    std::unique_ptr<PosixDateisystem> dateien_;
};
