#pragma once
// Dienste für Logiktests: Meldungen mit vorbereiteten Antworten und byte-genauem Protokoll,
// eine Ereignisschleife mit virtueller Uhr, ein Programmdienst, der nur vermerkt.
#include "platform/Dialoge.h"
#include "platform/Ereignisschleife.h"
#include "platform/Programm.h"
#include "platform/Prozesse.h"
#include "platform/Systeminfo.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Eine gezeigte Meldung mit der gegebenen Antwort.
struct GezeigteMeldung {
    Meldung meldung;
    Antwort antwort;
};

class AttrappeDialoge : public Dialoge {
public:
    // Antworten der Reihe nach; ist die Schlange leer, gilt der Standardknopf.
    std::deque<Antwort> antworten;
    // Gewählte Dateien (Host-Pfade) der Reihe nach; leer = Abbrechen.
    std::deque<Text> dateiantworten;
    std::vector<GezeigteMeldung> protokoll;
    std::vector<Dateiauswahl> dateiprotokoll;
    // Läuft, während die Meldung "offen" ist (etwa um Ereignisse nachzubilden).
    std::function<void(const Meldung&)> waehrendOffen;

    Antwort Zeigen(const Meldung& meldung) override;
    Text DateiOeffnen(const Dateiauswahl& auswahl) override;

    // Texte aller Meldungen, in Reihenfolge.
    std::vector<Text> Texte() const;
};

// Virtuelle Uhr: Schlafen rückt die Zeit vor, Ereignisse() lässt fällige Zeitgeber ticken und führt
// geplante Benutzeraktionen aus, deren Zeit gekommen ist.
class AttrappeSchleife : public Ereignisschleife {
public:
    void Ereignisse() override;
    void Schlafen(int ms) override { jetzt_ += ms > 0 ? ms : 0; }
    void ZeitgeberAnmelden(Zeitgeber& zeitgeber) override;

    // Aktion zur virtuellen Zeit (ms seit Beginn) beim nächsten Ereignisse() ab dann.
    void Planen(long long zeitMs, std::function<void()> aktion) {
        geplant_.emplace(zeitMs, std::move(aktion));
    }
    // Zeit vorrücken und dabei fällige Ereignisse abarbeiten (wie eine wartende Schleife).
    void Vorruecken(long long ms);

    long long JetztMs() const { return jetzt_; }

private:
    struct Eintrag {
        Zeitgeber* zeitgeber;
        long long faellig = -1; // -1: aus
    };
    std::vector<Eintrag> zeitgeber_;
    std::multimap<long long, std::function<void()>> geplant_;
    long long jetzt_ = 0;
};

class AttrappeProgramm : public Programm {
public:
    std::vector<Mauszeiger> zeiger;
    int beendet = 0;
    std::vector<std::string> menuefarben; // "modus,rgb,index,mitUntermenues"
    void ZeigerSetzen(Mauszeiger z) override { zeiger.push_back(z); }
    void SofortBeenden() override { ++beendet; }
    bool Menuefarbe(int modus, unsigned rgb, int index, bool mitUntermenues) override;
};

class AttrappeSysteminfo : public Systeminfo {
public:
    Text beschreibung = u"Linux 6.1, 64-bit";
    bool verweigert = false;
    Text programmpfad; // Host-Pfad
    Text befehlszeile;
    Text Beschreibung() override;
    Text Programmpfad() override { return programmpfad; }
    Text Befehlszeile() override { return befehlszeile; }
};

// Prozesse ohne echten Prozess: jeder Start ruft die Engine-Nachbildung (im aktuellen Verzeichnis
// des Dateisystems der Tests) und der Prozess "läuft" dann laufzeitMs virtuelle Millisekunden.
class AttrappeProzesse : public Prozesse {
public:
    explicit AttrappeProzesse(AttrappeSchleife& schleife) : schleife_(schleife) {}

    std::function<void(const Text& stapeldatei)> engine;
    long long laufzeitMs = 0;

    struct Start {
        Text programm;
        Text argumente;
        Fensterstil stil;
    };
    std::vector<Start> starts;
    std::vector<Text> editor;
    std::map<Text, Text> zuordnungen; // Datei -> Programm

    int StapelStarten(const Text& stapeldatei, Fensterstil stil) override;
    int ProgrammStarten(const Text& programm, const Text& argumente, Fensterstil stil) override;
    int Exitcode(int taskId) override;
    void WarteAufEnde(int taskId, int maxMs) override;
    Text ZugeordnetesProgramm(const Text& datei) override { return zuordnungen[datei]; }
    void TexteditorOeffnen(const Text& datei) override { editor.push_back(datei); }

private:
    AttrappeSchleife& schleife_;
    std::map<int, long long> endeBei_;
    int naechsteId_ = 1000;
};
