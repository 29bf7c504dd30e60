#pragma once
// Ein Berechnungslauf im temporären Laufwerk C: mit der Prozess-Attrappe: jeder Stapelstart hält
// fest, was die Engine in diesem Moment im Arbeitsverzeichnis vorfände.
#include "hilfen/TestUmgebung.h"
#include "run/Lauf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// Was beim Start eines Stapels vorlag.
struct Stapelstart {
    std::string jobdatei;             // Bytes von Kestrav.bat
    std::string sammeldatei;          // Bytes von $$$$$.atx ("" wenn keine)
    std::vector<std::string> dateien; // Arbeitsverzeichnis, sortiert
    int fortschritt = 0;              // ProgressBar-Wert
    bool zeitgeberAn = false;
};

inline const std::string QelStandard = "-e10";
inline const std::string BoStandard = "-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb";

// Eine gültige kleine ANTEX-Datei mit zwei Antennen.
std::string AntexBeispiel(const std::string& antenne1 = "ANT1",
                          const std::string& antenne2 = "ANT2");

class Laufumgebung : public ::testing::Test {
protected:
    Laufumgebung();

    // Datei des Arbeitsverzeichnisses byte-genau anlegen bzw. lesen.
    void Datei(const std::string& name, const std::string& bytes) { t.Arbeitsdatei(name, bytes); }
    std::string Inhalt(const std::string& name) const { return BytesLesen(t.arbeit / name); }
    bool Vorhanden(const std::string& name) const {
        return std::filesystem::exists(t.arbeit / name);
    }
    std::vector<std::string> Verzeichnis() const;

    void Neupunkte(std::initializer_list<const char16_t*> namen);
    void Berechnen() { CommandBerechnen_Click(form); }

    // Das Fenster ist frei: Knöpfe, Menüs, Karte und Rahmen aktiv, "Ende", Balken 0, Zeitgeber aus.
    void ErwarteRuhezustand() const;
    // Nach Abbruch oder Fehler zusätzlich: Wartefenster zu, Parameter ohne Antennenschalter.
    void ErwarteAbgebrochen() const;
    // Die gezeigten Meldungen: Text und Titel mit Knöpfen, Symbol und Standardknopf. Mit nurZuerst
    // nur die ersten; was die Auswertung am Ende meldet, ist nicht Sache dieser Tests.
    void ErwarteMeldungen(const std::vector<Meldung>& erwartet, bool nurZuerst = false) const;
    void ErwarteMeldungenZuerst(const std::vector<Meldung>& erwartet) const {
        ErwarteMeldungen(erwartet, true);
    }

    TestUmgebung t;
    Basisformular& form;
    std::vector<Stapelstart> starts;
};

// Fälle mit einem Feld "name" erscheinen in Meldungen und Testnamen von GoogleTest unter diesem
// Namen. Im unbenannten Namensraum, damit die Suche über die Fälle der Testdateien sie findet.
namespace {
template <typename Fall>
requires requires(Fall f) {
    f.name;
}
void PrintTo(const Fall& fall, std::ostream* aus) {
    *aus << fall.name;
}
const auto Fallname = [](const auto& info) { return std::string(info.param.name); };
} // namespace

// Die Fragen und die Abbruchmeldung, wie sie erscheinen.
Meldung UeberschreibenFrage();
Meldung OhneKorrekturFrage();
Meldung OhneAntexdatenFrage();
Meldung AbbruchMeldung();
