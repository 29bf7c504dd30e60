#pragma once
// Dateidienst für POSIX-Hosts über die Laufwerkszuordnung. Keine Datei bleibt zwischen zwei
// Aufrufen offen.
#include "platform/Dateisystem.h"
#include "platform/posix/Laufwerke.h"

#include <map>
#include <string>

class PosixDateisystem : public Dateisystem {
public:
    // Aktuelles Laufwerk und Verzeichnis: das Arbeitsverzeichnis des Prozesses in Windows-Form.
    explicit PosixDateisystem(Laufwerke laufwerke);

    bool Existiert(const Text& pfad) override;
    Text Lesen(const Text& pfad) override;
    void ZeilenLesen(const Text& pfad, const std::function<bool(const Text&)>& jeZeile) override;
    // Stücke von höchstens einem Leseblock (64 KiB).
    void ZeilenstueckeLesen(const Text& pfad,
                            const std::function<bool(TextSicht, bool)>& jeStueck) override;
    void Schreiben(const Text& pfad, const Text& inhalt, bool anhaengen) override;
    void SicherErsetzen(const Text& pfad, const Text& inhalt) override;
    void Loeschen(const Text& pfadOderMuster) override;
    void Umbenennen(const Text& alt, const Text& neu) override;
    std::vector<Text> Auflisten(const Text& pfadMitMuster) override;

    Text AktuellesVerzeichnis() override;
    void LaufwerkWechseln(const Text& laufwerk) override;
    void VerzeichnisWechseln(const Text& pfad) override;
    void AlleSchliessen() override;

    Text AusHostpfad(const Text& hostpfad) override;
    Text NachHostpfad(const Text& pfad) override;

    const Laufwerke& Zuordnung() const { return laufwerke_; }

private:
    // Aktuelles Verzeichnis eines Laufwerks (Windows-Form); die Wurzel, solange keins gesetzt ist.
    Text VerzeichnisVon(char16_t laufwerk) const;
    // Host-Pfad eines Windows-Pfads; wirft 52 (ungültiger Name), 68 (Laufwerk), 76 (UNC).
    std::string Host(TextSicht pfad, bool platzhalterErlaubt = false) const;
    // Namen (Host) der gewöhnlichen, nicht versteckten Dateien eines Verzeichnisses zum Muster.
    std::vector<std::string> Passende(const std::string& verzeichnis, TextSicht muster) const;

    Laufwerke laufwerke_;
    char16_t aktuellesLaufwerk_ = u'z';
    std::map<char16_t, Text> verzeichnisse_;
};
