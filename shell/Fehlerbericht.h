#pragma once
class Basisformular;

// Meldet einen Laufzeitfehler des Berechnungslaufs und setzt das Fenster in den Ruhezustand.
void Fehlerbericht(Basisformular& form, int fehlernummer);
