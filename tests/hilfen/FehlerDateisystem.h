#pragma once
// Dateisystem für Fehlertests: lässt den n-ten schreibenden Zugriff (Schreiben, SicherErsetzen,
// Löschen, Umbenennen) mit einem gewählten Laufzeitfehler scheitern und reicht alles an das echte
// Dateisystem durch.
#include "platform/Dateisystem.h"
#include "platform/Laufzeitfehler.h"

class FehlerDateisystem : public Dateisystem {
public:
    explicit FehlerDateisystem(Dateisystem& echt) : echt_(echt) {}

    // 0: nie scheitern. Sonst scheitert der n-te schreibende Zugriff (ab 1), nur dieser.
    void ScheiternBei(int n, int fehlernummer) {
        scheiternBei_ = n;
        fehlernummer_ = fehlernummer;
        zaehler_ = 0;
    }
    int SchreibendeZugriffe() const { return zaehler_; }
    // Läuft vor jedem schreibenden Zugriff, auch vor dem scheiternden.
    std::function<void()> vorJedemZugriff;

    void Schreiben(const Text& p, const Text& inhalt, bool anhaengen) override {
        Zugriff();
        echt_.Schreiben(p, inhalt, anhaengen);
    }
    void SicherErsetzen(const Text& p, const Text& inhalt) override {
        Zugriff();
        echt_.SicherErsetzen(p, inhalt);
    }
    void Loeschen(const Text& p) override {
        Zugriff();
        echt_.Loeschen(p);
    }
    void Umbenennen(const Text& alt, const Text& neu) override {
        Zugriff();
        echt_.Umbenennen(alt, neu);
    }
    bool Existiert(const Text& p) override { return echt_.Existiert(p); }
    Text Lesen(const Text& p) override { return echt_.Lesen(p); }
    void ZeilenLesen(const Text& p, const std::function<bool(const Text&)>& f) override {
        echt_.ZeilenLesen(p, f);
    }
    std::vector<Text> Auflisten(const Text& p) override { return echt_.Auflisten(p); }
    Text AktuellesVerzeichnis() override { return echt_.AktuellesVerzeichnis(); }
    void LaufwerkWechseln(const Text& l) override { echt_.LaufwerkWechseln(l); }
    void VerzeichnisWechseln(const Text& p) override { echt_.VerzeichnisWechseln(p); }
    void AlleSchliessen() override { echt_.AlleSchliessen(); }
    Text AusHostpfad(const Text& p) override { return echt_.AusHostpfad(p); }
    Text NachHostpfad(const Text& p) override { return echt_.NachHostpfad(p); }

private:
    void Zugriff() {
        if (vorJedemZugriff)
            vorJedemZugriff();
        if (++zaehler_ == scheiternBei_)
            throw Laufzeitfehler(fehlernummer_, "eingespielter Fehler");
    }
    Dateisystem& echt_;
    int scheiternBei_ = 0;
    int fehlernummer_ = 57;
    int zaehler_ = 0;
};
