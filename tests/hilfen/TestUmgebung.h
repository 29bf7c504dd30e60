#pragma once
// Ein Hauptfenster über echten temporären Verzeichnissen: Laufwerk C: liegt in einem frischen
// Temp-Ordner (mit c:\programme\vexlo\ und dem Programmverzeichnis c:\programme\kestrav\),
// Z: ist "/". Die Dienste sind die Attrappen, das Dateisystem ist das echte POSIX-Dateisystem.
#include "Attrappen.h"
#include "TempVerzeichnis.h"
#include "platform/posix/Laufwerke.h"
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
#include "shell/Basisformular.h"

#include <algorithm>
#include <filesystem>
#include <memory>

// Der echte Papierkorb; die Namen in "unmoeglich" lassen sich nicht hineinlegen.
class TestPapierkorb : public PosixPapierkorb {
public:
    using PosixPapierkorb::PosixPapierkorb;
    std::vector<Text> unmoeglich;
    bool Moeglich(const Text& pfad) override {
        return std::find(unmoeglich.begin(), unmoeglich.end(), pfad) == unmoeglich.end() &&
               PosixPapierkorb::Moeglich(pfad);
    }
};

class TestUmgebung {
public:
    TestUmgebung();
    ~TestUmgebung();

    TempVerzeichnis temp;
    std::filesystem::path laufwerkC; // Host-Wurzel von C:
    std::filesystem::path vexlo;     // c:\programme\vexlo\ auf dem Host
    std::filesystem::path programm;  // c:\programme\kestrav\ auf dem Host
    std::filesystem::path arbeit;    // ein Arbeitsverzeichnis unter C: (c:\daten\tag1\)

    Laufwerke laufwerke;
    std::unique_ptr<PosixDateisystem> datei;
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programmdienst;
    AttrappeSysteminfo system;
    // Der Papierkorb liegt im Temp-Ordner, auf demselben Datenträger wie das Arbeitsverzeichnis.
    std::filesystem::path korb;
    std::unique_ptr<TestPapierkorb> papierkorb;
    std::unique_ptr<PosixSperren> sperren;
    std::unique_ptr<Umgebung> umgebung;

    // Legt das Hauptfenster an (ohne Start). Start() ruft zusätzlich FormularLaden.
    Basisformular& Formular();
    Basisformular& Start();

    // Engine-Dateien anlegen (bo1.exe/bo2.exe, *.bog), damit der Start nicht meldet.
    void EngineInstallieren(bool geoid = true);
    // Datei im Arbeitsverzeichnis byte-genau anlegen.
    void Arbeitsdatei(const std::string& name, const std::string& bytes);
    // Macht das Arbeitsverzeichnis zum aktuellen Verzeichnis (wie nach der Dateiauswahl).
    void InsArbeitsverzeichnis();

private:
    std::unique_ptr<Basisformular> form_;
    std::filesystem::path vorherigesVerzeichnis_;
};
