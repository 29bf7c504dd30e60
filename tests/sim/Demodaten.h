#pragma once
// Gemeinsame Ausgangslage der Simulatortests: ein einmal erzeugter Demotag, ein installiertes
// Engine-Verzeichnis und je Test ein frisches Arbeitsverzeichnis mit Kopien der Demodateien.
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// vexlo-sim unter dem Namen seines Pfads (der wählt das Modul), höchstens 20 s lang: ein Hänger
// darf den Testlauf nicht aufhalten.
Prozesslauf SimAusfuehren(const std::filesystem::path& programm,
                          const std::vector<std::string>& argumente,
                          const std::filesystem::path& verzeichnis);
// Normal beendet: timeout meldet einen Hänger mit 124, ein Signal mit 128 + n oder -1.
inline bool Geordnet(const Prozesslauf& lauf) {
    return lauf.exitcode >= 0 && lauf.exitcode < 124;
}

class Demodaten : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static std::filesystem::path Engine();
    const std::filesystem::path& Arbeit() const { return arbeit_->Pfad(); }

    // Eine Zeile der Jobdatei: erstes Wort das Programm (letzter Namensteil im Engine-Verzeichnis).
    Prozesslauf Job(const std::string& zeile) const;
    // Qel- und Bo-Zeile der Jobdatei mit den Vorgabeschaltern (Version 2, Antennenkorrektur,
    // Normalhöhen) der Reihe nach; beide müssen normal enden.
    void PunktRechnen(const std::string& neupunkt);

    std::string Datei(const std::string& name) const { return BytesLesen(Arbeit() / name); }
    bool Gibt(const std::string& name) const { return std::filesystem::exists(Arbeit() / name); }
    void Schreiben(const std::string& name, const std::string& bytes) const {
        BytesSchreiben(Arbeit() / name, bytes);
    }

private:
    std::unique_ptr<TempVerzeichnis> arbeit_;
};

// Spalten einer Ergebnislistenzeile wie Kestrav sie liest: "_" trennt wie ein Leerzeichen.
std::vector<std::string> Spalten(std::string zeile);
