#pragma once
// Ein Berechnungslauf im temporären Laufwerk C: mit der Prozess-Attrappe: jeder Stapelstart hält
// fest, was die Engine in diesem Moment im Arbeitsverzeichnis vorfände.
#include "hilfen/Faelle.h"
#include "hilfen/TestUmgebung.h"
#include "run/Lauf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Was beim Start eines Stapels vorlag.
struct Stapelstart {
    std::string jobdatei;          // Bytes von Kestrav.bat
    std::string sammeldatei;       // Bytes von $$$$$.atx ("" wenn keine)
    std::set<std::string> dateien; // Arbeitsverzeichnis
};

inline const std::string QelStandard = "-e10";
inline const std::string BoStandard = "-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU +Sb";

// Eine gültige kleine ANTEX-Datei mit zwei Antennen.
std::string AntexBeispiel(const std::string& antenne1 = "ANT1",
                          const std::string& antenne2 = "ANT2");

// Was sonst Dateiauswahl und Einstellungen setzen: Pfade, Version 2, Tag 283*, C:\daten\tag1 als
// aktuelles Verzeichnis.
void Laufbereit(TestUmgebung& t, Basisformular& form);

class Testlauf {
public:
    // Liefert auf Wunsch ein Test-Dateisystem über dem echten, das der Lauf statt seiner benutzt.
    using Huelle = std::function<std::unique_ptr<Dateisystem>(TestUmgebung&)>;
    explicit Testlauf(const Huelle& huelle = nullptr);

    // Datei des Arbeitsverzeichnisses byte-genau anlegen bzw. lesen.
    void Datei(const std::string& name, const std::string& bytes) { t.Arbeitsdatei(name, bytes); }
    std::string Inhalt(const std::string& name) const { return BytesLesen(t.arbeit / name); }
    bool Vorhanden(const std::string& name) const {
        return std::filesystem::exists(t.arbeit / name);
    }
    std::set<std::string> Verzeichnis() const;

    void Neupunkte(std::initializer_list<const char16_t*> namen);
    void Berechnen() { CommandBerechnen_Click(form); }

    // Das Fenster ist frei: Knöpfe, Menüs, Karte und Rahmen aktiv, "Ende", Balken 0, Zeitgeber aus.
    void ErwarteRuhezustand() const;
    // Nach Abbruch oder Fehler zusätzlich: Wartefenster zu, Parameter ohne Antennenschalter.
    void ErwarteAbgebrochen() const;
    // Die gezeigten Meldungen: Text und Titel mit Knöpfen, Symbol und Standardknopf. Mit nurZuerst
    // nur die ersten; was die Auswertung am Ende meldet, ist nicht Sache dieser Tests.
    void ErwarteMeldungen(const std::vector<Meldung>& erwartet, bool nurZuerst = false) const;

    TestUmgebung t;
    std::unique_ptr<Dateisystem> dateien;
    Umgebung umgebung;
    Basisformular form;
    std::vector<Stapelstart> starts;
};

class Laufumgebung : public ::testing::Test, public Testlauf {};

// Die Fragen und die Abbruchmeldung, wie sie erscheinen.
inline const Meldung UeberschreibenFrage{u"Alle Ergebnisdateien werden jetzt überschrieben!   ",
                                         u"Vexlo Neuberechnung", Knoepfe::JaNein, Symbol::Frage, 1};
inline const Meldung OhneKorrekturFrage{
    u"Die Korrektur der Antennenphasenzentren wurde nicht ausgelöst!\nBitte beachten Sie, daß bei "
    u"unterschiedlich genutzten Antenntypen,\nKorrekturen der Antennenphasenzentren angebracht "
    u"werden müssen!\nBerechnung trotzdem starten ?",
    u"Vexlo Neuberechnung", Knoepfe::JaNein, Symbol::Frage, 2};
inline const Meldung OhneAntexdatenFrage{
    u"ANTEX-Antennendaten wurden nicht im Arbeitsverzeichnis vorgefunden.\nEs wird ohne Korrektur "
    u"der Antennenphasenzentren gerechnet.\nDadurch sind Ungenauigkeiten in der Lage unter 1cm "
    u"und bis zu einigen cm in der Höhe möglich!\nBerechnung starten?",
    u"Korrektur Antennenphasenzentren", Knoepfe::JaNein, Symbol::Frage, 2};
inline const Meldung AbbruchMeldung{u"Bitte schließen Sie auch die Vexlo-Berechnungsfenster!   ",
                                    u"Kestrav", Knoepfe::OK, Symbol::Information, 1};
