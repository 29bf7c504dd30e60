#pragma once
#include "platform/Umgebung.h"
#include "shell/Sitzungszustand.h"
#include "shell/Steuerelemente.h"

#include <vector>

// Das Hinweisfenster während eines Berechnungslaufs.
struct FormBitteWarten {
    FormBitteWarten();
    Fenster fenster{"FormBitteWarten"};
    Beschriftung Label1{"Label1"};
    Beschriftung BerechnePunkt{"BerechnePunkt"};
    TextFeld Text1{"Text1"};

    std::vector<Steuerelement*> AlleSteuerelemente();
};

// Das Hauptfenster: besitzt alle Steuerelemente, den Zustandssatz, die Laufdaten und die Dienste.
class Basisformular {
public:
    explicit Basisformular(Umgebung& umgebung);
    Basisformular(const Basisformular&) = delete;
    Basisformular& operator=(const Basisformular&) = delete;

    Umgebung& umgebung;
    Sitzungszustand zustand;
    Laufdaten lauf;

    Fenster fenster{"Basisformular"};

    // Menüleiste (Einträge ohne Untermenü).
    Menueeintrag KestravHilfeMenü{"KestravHilfeMenü"};
    Menueeintrag QelHilfeMenü{"QelHilfeMenü"};
    Menueeintrag Info{"Info"};
    Menueeintrag EndeMenü{"EndeMenü"};

    // Unter der Registerkarte.
    Fortschrittsbalken ProgressBar{"ProgressBar"};
    Schaltflaeche EndeFrame{"EndeFrame"};
    Schaltflaeche CommandBerechnen{"CommandBerechnen"};
    Schaltflaeche cmdBerechnen{"cmdBerechnen"};
    Zeitgeber TimerErrFormLoad{"TimerErrFormLoad", 500};
    Zeitgeber TimerAbbruch{"TimerAbbruch", 1000};

    Registerkarte RegisterkarteKestrav{"RegisterkarteKestrav",
                                       {u"Referenzpunkte", u"Optionen", u"Analyse"}};

    // Reiter "Referenzpunkte".
    Kontrollkaestchen chkDelRINEX{"chkDelRINEX"};
    Rahmen FrameBenutzereinstellungen{"FrameBenutzereinstellungen"};
    Schaltflaeche AuswahlArbeitsverzeichnis{"AuswahlArbeitsverzeichnis"};
    Beschriftung Label7{"Label7"};
    TextFeld VerzeichnisNeupunkte{"VerzeichnisNeupunkte"};
    Beschriftung Label5{"Label5"};
    TextFeld Beobachtungstag{"Beobachtungstag"};
    Beschriftung AnzahlNeupunkteRINEX{"AnzahlNeupunkteRINEX"};
    Beschriftung AnzahlReferenzpunkteRINEX{"AnzahlReferenzpunkteRINEX"};
    Listenfeld Neupunkte{"Neupunkte"};
    Listenfeld Referenzpunkte{"Referenzpunkte"};
    Beschriftung Richtungspfeil1{"Richtungspfeil1"};
    Beschriftung Richtungspfeil2{"Richtungspfeil2"};
    Beschriftung Richtungspfeil3{"Richtungspfeil3"};
    Schaltflaeche AutoZuordnungReferenz{"AutoZuordnungReferenz"};
    Schaltflaeche ResetRINEX{"ResetRINEX"};

    // Reiter "Optionen".
    Rahmen Frame1{"Frame1"};
    Beschriftung Label3{"Label3"};
    TextFeld VexloVersion{"VexloVersion"};
    Beschriftung Label35{"Label35"};
    TextFeld QelWeitereParameter{"QelWeitereParameter"};
    Beschriftung Label31{"Label31"};
    TextFeld BoWeitereParameter{"BoWeitereParameter"};
    Schaltflaeche cmdBoOriPara{"cmdBoOriPara"};
    Beschriftung Label2{"Label2"};
    TextFeld IdSearchAutoZuordRefpunkt{"IdSearchAutoZuordRefpunkt"};
    Beschriftung Label38{"Label38"};
    Optionsgruppe Höhensystemgruppe;
    Optionsfeld QelHöheDhhn{"QelHöheDhhn", Höhensystemgruppe};
    Optionsfeld QelHöheEllips{"QelHöheEllips", Höhensystemgruppe};
    Beschriftung Label32{"Label32"};
    Kontrollkaestchen QelGPS{"QelGPS"};
    Kontrollkaestchen QelGLONASS{"QelGLONASS"};
    Kontrollkaestchen QelGalileo{"QelGalileo"};
    Kontrollkaestchen QelSBAS{"QelSBAS"};
    Kontrollkaestchen QelKorrAntenne{"QelKorrAntenne"};
    Kontrollkaestchen Check1{"Check1"};
    Kontrollkaestchen Check2{"Check2"};

    // Reiter "Analyse".
    Rahmen FrameFehler{"FrameFehler"};
    Beschriftung Label29{"Label29"};
    Beschriftung Label6{"Label6"};
    Kontrollkaestchen VexloBildschirmausgabe{"VexloBildschirmausgabe"};
    Kontrollkaestchen ErgebnisAnzeigen{"ErgebnisAnzeigen"};
    Kontrollkaestchen FehlerAnzeigen{"FehlerAnzeigen"};
    Beschriftung Label4{"Label4"};
    Beschriftung Label1{"Label1"};
    TextFeld LösungsQu{"LösungsQu"};
    Beschriftung Label12{"Label12"};
    TextFeld Satellitenanzahl{"Satellitenanzahl"};
    Beschriftung Label21{"Label21"};
    TextFeld OccupationTime{"OccupationTime"};
    Beschriftung Label22{"Label22"};
    Beschriftung Label13{"Label13"};
    TextFeld PDOP{"PDOP"};
    Beschriftung Label20{"Label20"};
    TextFeld AmbiguitiesFixedFor{"AmbiguitiesFixedFor"};
    Beschriftung Label25{"Label25"};
    Schaltflaeche ButtonStandardwerte{"ButtonStandardwerte"};

    FormBitteWarten bitteWarten;

    // Alle Steuerelemente des Hauptfensters (ohne FormBitteWarten), in Reihenfolge der Tabellen.
    std::vector<Steuerelement*> AlleSteuerelemente();
    // Steuerelement nach Namen (objectName der Oberfläche); nullptr, wenn unbekannt.
    Steuerelement* Finde(const std::string& name);

private:
    void EntwurfswerteSetzen();
};
