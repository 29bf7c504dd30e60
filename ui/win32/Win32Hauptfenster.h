#pragma once
// Das Hauptfenster und das Fenster "Bitte warten" aus Win32-Steuerelementen über den Modellen des
// Basisformulars. Eigene Logik hat das Fenster nur für die feste Größe und die Auflösung.
#include "ui/win32/Win32Binder.h"

#include <windows.h>

#include <vector>

class Basisformular;

class Win32Hauptfenster {
public:
    explicit Win32Hauptfenster(Basisformular& form);
    ~Win32Hauptfenster();
    Win32Hauptfenster(const Win32Hauptfenster&) = delete;
    Win32Hauptfenster& operator=(const Win32Hauptfenster&) = delete;

    HWND Handle() const { return fenster_; }
    HWND BitteWarten() const { return bitteWarten_; }
    Win32Binder& Binder() { return binder_; }

    // Für die Fensterprozeduren der Fenster und Flächen.
    LRESULT Nachricht(HWND fenster, UINT nachricht, WPARAM w, LPARAM l);

    // Ein Steuerelement im Lageplan.
    struct Platz;

private:
    HWND Flaeche(HWND eltern, DWORD stil = 0);
    HWND Anlegen(HWND eltern, const Platz& platz);
    void Anordnen();
    void SchriftSetzen();
    void HinweiseEinpassen();

    Basisformular& form_;
    Win32Binder binder_;
    HWND fenster_ = nullptr;
    HWND bitteWarten_ = nullptr;
    HWND reiter_ = nullptr;
    std::vector<HWND> seiten_;
    // Jedes angelegte Steuerelement mit seinem Platz in Twips, für eine neue Auflösung.
    struct Angelegt {
        HWND fenster;
        RECT twips;
    };
    std::vector<Angelegt> angelegt_;
    HFONT schrift_ = nullptr;
    HFONT hinweisschrift_ = nullptr;
    bool passtAn_ = false;
};
