#pragma once
class Basisformular;

// Start des Hauptfensters: Initialisierung und Ladeschritte 1 bis 11, jeder Schritt läuft nach
// einem eigenen Fehler weiter.
void FormularLaden(Basisformular& form);
// "Kestrav für Qel" + Version + "/Bo" + Version + " V" + Haupt.Neben(Revision); beim Start und
// bei jeder Änderung der Vexlo-Version.
void FensterbeschriftungSetzen(Basisformular& form);
