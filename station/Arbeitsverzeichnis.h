#pragma once
#include "platform/Text.h"

class Basisformular;

// Der Dateidialog CommonDialogLW des Hauptfensters. Wie sein Vorbild behält er den Dateinamen der
// letzten Wahl: nach einem Abbrechen liefert er ihn erneut (oder "", wenn nie gewählt wurde).
struct Dateidialog {
    Text dateiname; // Host-Pfad
};

// "Auswahl Arbeits- verzeichnis": Verzeichnis der gewählten RINEX-Datei wird Arbeitsverzeichnis
// und aktuelles Verzeichnis, danach wird es eingelesen.
void AuswahlArbeitsverzeichnis_Click(Basisformular& form, Dateidialog& CommonDialogLW);
