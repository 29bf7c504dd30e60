#pragma once

class Zeitgeber;

class Ereignisschleife {
public:
    virtual ~Ereignisschleife() = default;
    // Anstehende Fensterereignisse und fällige Zeitgeber abarbeiten (DoEvents).
    virtual void Ereignisse() = 0;
    virtual void Schlafen(int ms) = 0;
    // Die Zeitgeber des Fensters melden sich hier an, damit die Schleife sie ticken lassen kann.
    virtual void ZeitgeberAnmelden(Zeitgeber&) {}
};
