#pragma once
#include "platform/Text.h"

#include "platform/Laufsperre.h"

#include <cstdint>
#include <memory>

// Der eine Zustandssatz des Programms, gehalten vom Hauptfenster.
struct Sitzungszustand {
    Text VexloVerzeichnis;
    Text Programmverzeichnis;
    Text IniDatei;
    Text AntexSammeldatei;
    Text Versionskennung;
    Text Arbeitsverzeichnis;
    Text Startargument;
    Text Systembreite;

    // Spiegel der Einstellungsdatei.
    int AntennenKorrektur = 0;
    Text Höhensystem;
    Text IgnorierteSysteme;
    Text WarnungLösungsqualität;
    int GrenzeSatellitenanzahl = 0;
    int GrenzeBeobachtungszeit = 0;
    int GrenzePDOP = 0;
    int GrenzeAmbiguities = 0;
    int AnzeigeBerechnung = 0;
    int AnzeigeErgebnis = 0;
    int AnzeigeWarnung = 0;
    int PrüfungQelLogfile = 0;
    Text QelParameter;
    Text BoParameter;

    bool BeendenBestätigt = false;

    // Nur für den Stapelbetrieb: eine andere Einstellungsdatei als Programmverzeichnis + IniDatei.
    Text Einstellungsdatei;

    // 16 Bit wie entworfen: über 32767 hinaus ist Laufzeitfehler 6.
    std::int16_t Warnungsanzahl = 0;
    Text Fehlerdateitext;
    Text Fehlerbeschreibung;
};

// Felder eines Berechnungslaufs; sie behalten ihre Werte nach dem Lauf.
struct Laufdaten {
    Text Tageskennung;
    Text Jahreskennung;
    Text Referenzkennungen;
    Text AktuellerNeupunkt;
    Text Dateistamm;
    Text QelAufruf;
    Text BoAufruf;
    int Prozesskennung = 0;
    int Sekundenzähler = 0;
    Text Fehlervermerk;
    bool KopfzeileGeschrieben = false;
    // Vom Abbruch gesetzt; der Berechnungsbefehl endet dann an seiner nächsten Prüfstelle.
    bool Abgebrochen = false;
    // Die Sperre des Arbeitsverzeichnisses, solange der Berechnungsbefehl läuft.
    std::unique_ptr<Laufsperre> Sperre;
};
