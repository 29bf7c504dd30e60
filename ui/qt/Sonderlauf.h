#pragma once
// Versteckte Schalter für Werkzeuge, nicht für Benutzer:
//   KESTRAV_SCREENSHOT=VERZEICHNIS  Bilder der drei Reiter und des Wartefensters, dann Ende.
//   KESTRAV_STARTMESSUNG=1          Ende, sobald das Hauptfenster gezeichnet ist.
class Basisformular;
class Hauptfenster;

// Nach dem Zeigen des Hauptfensters aufrufen; ohne Schalter geschieht nichts.
void SonderlaufPlanen(Basisformular& form, Hauptfenster& fenster);
