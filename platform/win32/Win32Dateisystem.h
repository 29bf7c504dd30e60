#pragma once
// Dateidienst auf der Breitzeichen-API von Win32. Pfade sind die des Systems (keine
// Laufwerkszuordnung); keine Datei bleibt zwischen zwei Aufrufen offen.
#include "platform/Dateisystem.h"

class Win32Dateisystem : public Dateisystem {
public:
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

    Text AusHostpfad(const Text& hostpfad) override { return hostpfad; }
    Text NachHostpfad(const Text& pfad) override { return pfad; }
};
