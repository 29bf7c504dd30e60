#pragma once
// Dateisystem für Fehlertests: lässt den n-ten schreibenden Zugriff (Schreiben, SicherErsetzen,
// Löschen, Umbenennen) mit einem gewählten Laufzeitfehler scheitern und reicht alles andere durch.
#include "DurchreichendesDateisystem.h"
#include "platform/Laufzeitfehler.h"

#include <functional>

class FehlerDateisystem : public DurchreichendesDateisystem {
public:
    using DurchreichendesDateisystem::DurchreichendesDateisystem;

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

private:
    void Zugriff() {
        if (vorJedemZugriff)
            vorJedemZugriff();
        if (++zaehler_ == scheiternBei_)
            throw Laufzeitfehler(fehlernummer_, "eingespielter Fehler");
    }
    int scheiternBei_ = 0;
    int fehlernummer_ = 57;
    int zaehler_ = 0;
};
