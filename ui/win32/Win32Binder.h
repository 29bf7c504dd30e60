#pragma once
// Bindet die Modelle der Steuerelemente an Fenster der Win32-Steuerelemente, in beiden Richtungen:
// eine Eingabe des Benutzers setzt das Modell (dessen Regel dann läuft), eine Änderung des Modells
// schreibt in das Steuerelement, während ein Merker die Rückmeldung dieses Schreibens unterdrückt.
// Benachrichtigungen kommen über die Fensterprozedur der Eltern an; der Binder findet das Ziel an
// seinem Fensterhandle, Steuerelement-IDs braucht er nicht.
#include "shell/Steuerelemente.h"
#include "ui/Regel.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class Win32Binder {
public:
    Win32Binder();
    ~Win32Binder();
    Win32Binder(const Win32Binder&) = delete;
    Win32Binder& operator=(const Win32Binder&) = delete;

    void Binden(TextFeld& modell, HWND edit);
    void Binden(Beschriftung& modell, HWND label);
    void Binden(Kontrollkaestchen& modell, HWND knopf);
    void Binden(Optionsfeld& modell, HWND knopf);
    void Binden(Listenfeld& modell, HWND liste);
    void Binden(Schaltflaeche& modell, HWND knopf);
    // Der Rahmen ist eine Fläche mit den Steuerelementen darin: gesperrt nimmt keines Eingaben an.
    void Binden(Rahmen& modell, HWND flaeche);
    // Die Seiten liegen über der Anzeigefläche des Reiters; nur die gewählte ist sichtbar.
    void Binden(Registerkarte& modell, HWND reiter, std::vector<HWND> seiten);
    void Binden(Fortschrittsbalken& modell, HWND balken);
    void Binden(Zeitgeber& modell, HWND fenster);
    void Binden(const std::vector<Menueeintrag*>& eintraege, HWND fenster);
    // Ein Fenster der obersten Ebene: Titel, angezeigt/geschlossen, Innenmaße, Schließwunsch. Das
    // Hauptfenster beendet beim Schließen die Nachrichtenschleife.
    void Binden(Fenster& modell, HWND fenster, bool hauptfenster);

    // Aus den Fensterprozeduren der Flächen und Fenster: true, wenn die Nachricht erledigt ist.
    bool Nachricht(HWND fenster, UINT nachricht, WPARAM w, LPARAM l, LRESULT& ergebnis);
    // Das Fenster zum Namen des Modells (Tests, Bildschirmfotos); nullptr, wenn unbekannt.
    HWND Finde(const std::string& name) const;
    HWND Tooltips() const { return tooltips_; }

private:
    using Befehl = std::function<void(WORD code)>;
    void Beobachten(Steuerelement& modell, std::function<void()> abgleichen);
    void Gemeinsames(Steuerelement& modell, HWND fenster);
    void TooltipSetzen(HWND fenster, const Text& text);
    // Schreibt ins Steuerelement, ohne dass dessen Rückmeldung eine Regel auslöst.
    void Schreiben(const std::function<void()>& schreiben);
    void Melden(const std::function<void()>& regel) const;

    std::vector<std::pair<Steuerelement*, int>> anmeldungen_;
    std::unordered_map<HWND, Befehl> befehle_;                // WM_COMMAND/WM_NOTIFY nach Absender
    std::unordered_map<UINT_PTR, std::function<void()>> ids_; // Zeitgeber und Menüeinträge
    std::unordered_map<HWND, std::function<bool(UINT, LRESULT&)>> fensterregeln_;
    std::map<std::string, HWND> namen_;
    HWND tooltips_ = nullptr;
    UINT_PTR naechsteId_ = 100;
    bool schreibt_ = false;
};
