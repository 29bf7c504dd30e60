#pragma once
// Grundlage für Test-Dateisysteme, die einzelne Zugriffe zählen oder scheitern lassen: alles
// andere geht unverändert an das echte Dateisystem.
#include "platform/Dateisystem.h"

class DurchreichendesDateisystem : public Dateisystem {
public:
    explicit DurchreichendesDateisystem(Dateisystem& echt) : echt_(echt) {}

    bool Existiert(const Text& p) override { return echt_.Existiert(p); }
    Text Lesen(const Text& p) override { return echt_.Lesen(p); }
    void ZeilenLesen(const Text& p, const std::function<bool(const Text&)>& f) override {
        echt_.ZeilenLesen(p, f);
    }
    void Schreiben(const Text& p, const Text& inhalt, bool anhaengen) override {
        echt_.Schreiben(p, inhalt, anhaengen);
    }
    void SicherErsetzen(const Text& p, const Text& inhalt) override {
        echt_.SicherErsetzen(p, inhalt);
    }
    void Loeschen(const Text& p) override { echt_.Loeschen(p); }
    void Umbenennen(const Text& alt, const Text& neu) override { echt_.Umbenennen(alt, neu); }
    std::vector<Text> Auflisten(const Text& p) override { return echt_.Auflisten(p); }
    Text AktuellesVerzeichnis() override { return echt_.AktuellesVerzeichnis(); }
    void LaufwerkWechseln(const Text& l) override { echt_.LaufwerkWechseln(l); }
    void VerzeichnisWechseln(const Text& p) override { echt_.VerzeichnisWechseln(p); }
    void AlleSchliessen() override { echt_.AlleSchliessen(); }
    Text AusHostpfad(const Text& p) override { return echt_.AusHostpfad(p); }
    Text NachHostpfad(const Text& p) override { return echt_.NachHostpfad(p); }

protected:
    Dateisystem& echt_;
};
