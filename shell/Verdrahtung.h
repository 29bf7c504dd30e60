#pragma once
class Basisformular;

// Jedes Teilsystem hängt seine Regeln an die Steuerelemente; der Konstruktor des Hauptfensters
// ruft alle vier auf.
void VerdrahteShell(Basisformular& form);    // Menü, Beenden, Schließwunsch (shell/Befehle.cpp)
void VerdrahteOptionen(Basisformular& form); // Schalter und Grenzwertfelder (shell/Schalter.cpp)
void VerdrahteStation(
    Basisformular& form);                // Arbeitsverzeichnis, Zuordnung, Tagesprüfung (station/)
void VerdrahteLauf(Basisformular& form); // Berechnung, Fortschritt, Abbruch (run/)
