#pragma once
// Ein Hauptfenster über echten temporären Verzeichnissen: Laufwerk C: liegt in einem frischen
// Temp-Ordner (mit c:\programme\vexlo\ und dem Programmverzeichnis c:\programme\kestrav\),
// Z: ist "/". Die Dienste sind die Attrappen, das Dateisystem ist das echte des Systems. Unter
// Windows ist C: das echte Laufwerk des Test-Präfixes; was ein Test dort anlegt, verschwindet mit
// der Umgebung.
#include "Attrappen.h"
#include "TempVerzeichnis.h"
#include "shell/Basisformular.h"
#include "shell/Start.h"

#ifdef _WIN32
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Sperren.h"
using SystemDateisystem = Win32Dateisystem;
using SystemPapierkorb = Win32Papierkorb;
using SystemSperren = Win32Sperren;
#else
#include "platform/posix/Laufwerke.h"
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixSperren.h"
using SystemDateisystem = PosixDateisystem;
using SystemPapierkorb = PosixPapierkorb;
using SystemSperren = PosixSperren;
#endif

#include <algorithm>
#include <memory>
#include <set>

// Der echte Papierkorb; die Namen in "unmoeglich" lassen sich nicht hineinlegen.
class TestPapierkorb : public SystemPapierkorb {
public:
    using SystemPapierkorb::SystemPapierkorb;
    std::vector<Text> unmoeglich;
    bool Moeglich(const Text& pfad) override {
        return std::find(unmoeglich.begin(), unmoeglich.end(), pfad) == unmoeglich.end() &&
               SystemPapierkorb::Moeglich(pfad);
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

#ifndef _WIN32
    Laufwerke laufwerke;
#endif
    std::unique_ptr<SystemDateisystem> datei;
    AttrappeSchleife schleife;
    AttrappeProzesse prozesse{schleife};
    AttrappeDialoge dialoge;
    AttrappeProgramm programmdienst;
    AttrappeSysteminfo system;
    // Der Papierkorb liegt im Temp-Ordner, auf demselben Datenträger wie das Arbeitsverzeichnis.
    std::filesystem::path korb;
    std::unique_ptr<TestPapierkorb> papierkorb;
    std::unique_ptr<SystemSperren> sperren;
    std::unique_ptr<Umgebung> umgebung;

    // Legt das Hauptfenster an (ohne Start). Start() ruft zusätzlich FormularLaden.
    Basisformular& Formular() {
        if (!form_)
            form_ = std::make_unique<Basisformular>(*umgebung);
        return *form_;
    }
    Basisformular& Start() {
        FormularLaden(Formular());
        return Formular();
    }

    // Engine-Dateien anlegen (bo1.exe/bo2.exe, *.bog), damit der Start nicht meldet.
    void EngineInstallieren(bool geoid = true);
    // Datei im Arbeitsverzeichnis byte-genau anlegen.
    void Arbeitsdatei(const std::string& name, const std::string& bytes) {
        BytesSchreiben(arbeit / name, bytes);
    }
    // Macht das Arbeitsverzeichnis zum aktuellen Verzeichnis (wie nach der Dateiauswahl).
    void InsArbeitsverzeichnis() {
        datei->LaufwerkWechseln(u"c:");
        datei->VerzeichnisWechseln(u"c:\\daten\\tag1");
    }

private:
    std::unique_ptr<Basisformular> form_;
    std::filesystem::path vorherigesVerzeichnis_;
    std::set<std::filesystem::path> vorhandenInC_; // Windows: was vor dem Test in C:\ lag
};
