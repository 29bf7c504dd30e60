#pragma once
// Gemeinsame Ausgangslage der Simulatortests: ein einmal erzeugter Demotag, ein installiertes
// Engine-Verzeichnis und je Test ein frisches Arbeitsverzeichnis mit Kopien der Demodateien.
#include "SimAufruf.h"
#include "hilfen/TempVerzeichnis.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Demodaten : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static std::filesystem::path Engine();
    static std::filesystem::path Quelle();
    const std::filesystem::path& Arbeit() const { return arbeit_->Pfad(); }

    // Die beiden Zeilen der Jobdatei für einen Neupunkt, wie Kestrav sie mit den Vorgabeschaltern
    // schreibt (Version 2, Antennenkorrektur, Normalhöhen).
    static std::array<std::string, 2> Jobzeilen(const std::string& neupunkt,
                                                const std::string& qelText = "-e10 +A$$$$$.atx");
    // Qel- und Bo-Zeile der Reihe nach ausführen; beide müssen normal enden.
    void PunktRechnen(const std::string& neupunkt, const std::string& qelText = "-e10 +A$$$$$.atx");

    std::string Datei(const std::string& name) const;
    bool Gibt(const std::string& name) const;
    void Schreiben(const std::string& name, const std::string& bytes) const;

private:
    std::unique_ptr<TempVerzeichnis> arbeit_;
};

// Zeilen einer Datei mit CR LF; jede andere Zeilentrennung lässt den Test scheitern.
std::vector<std::string> CrLfZeilen(const std::string& bytes);

// Spalten einer Ergebnislistenzeile wie Kestrav sie liest: "_" trennt wie ein Leerzeichen.
std::vector<std::string> Spalten(std::string zeile);

// APPROX POSITION XYZ aus einer RINEX-Datei.
std::array<double, 3> Naeherung(const std::string& rinex);

// Die ANTEX-Sammeldatei, wie Kestrav sie aus allen *.atx bildet: fester Kopf, dann der Rumpf.
std::string AntexSammeldatei(const std::string& antex);
