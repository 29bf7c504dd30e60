#include "ui/win32/Win32Binder.h"

#include "ui/Twips.h"
#include "ui/win32/Win32Text.h"

#include <commctrl.h>

#include <exception>
#include <memory>

namespace {

// In Beschriftungen von Knöpfen, Menüs und Reitern ist "&" sonst ein Tastenkürzel.
std::wstring OhneKuerzel(const Text& text) {
    std::wstring aus;
    for (char16_t z : text) {
        if (z == u'&')
            aus += L'&';
        aus += static_cast<wchar_t>(z);
    }
    return aus;
}

void TextSetzen(HWND fenster, const std::wstring& text) {
    if (Fenstertext(fenster) != text)
        SetWindowTextW(fenster, text.c_str());
}

std::vector<std::wstring> Listeneintraege(HWND liste) {
    std::vector<std::wstring> eintraege;
    const auto anzahl = SendMessageW(liste, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < anzahl; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(liste, LB_GETTEXTLEN, i, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(liste, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        eintraege.push_back(std::move(text));
    }
    return eintraege;
}

// Mausbewegung und Doppelklick einer Liste kommen an ihrer Fläche an, auch außerhalb der
// Einträge; die Liste selbst meldet sie nicht an die Eltern.
LRESULT CALLBACK Listenunterklasse(HWND liste, UINT nachricht, WPARAM w, LPARAM l, UINT_PTR,
                                   DWORD_PTR daten) {
    auto* modell = reinterpret_cast<Listenfeld*>(daten);
    if (nachricht == WM_LBUTTONDBLCLK) {
        // Erst wählt die Liste selbst, dann läuft die Regel mit der neuen Auswahl.
        const LRESULT ergebnis = DefSubclassProc(liste, nachricht, w, l);
        RegelAusfuehren(modell->beiDoppelklick);
        return ergebnis;
    }
    if (nachricht == WM_MOUSEMOVE)
        RegelAusfuehren(modell->beiMausbewegung);
    return DefSubclassProc(liste, nachricht, w, l);
}

UINT Dpi(HWND fenster) {
    const UINT dpi = GetDpiForWindow(fenster);
    return dpi ? dpi : 96;
}

RECT Aussenmasse(HWND fenster, int breite, int hoehe) {
    RECT r{0, 0, breite, hoehe};
    AdjustWindowRectExForDpi(
        &r, static_cast<DWORD>(GetWindowLongPtrW(fenster, GWL_STYLE)), GetMenu(fenster) != nullptr,
        static_cast<DWORD>(GetWindowLongPtrW(fenster, GWL_EXSTYLE)), Dpi(fenster));
    return r;
}

void Zentrieren(HWND fenster) {
    MONITORINFO schirm{};
    schirm.cbSize = sizeof schirm;
    GetMonitorInfoW(MonitorFromWindow(fenster, MONITOR_DEFAULTTOPRIMARY), &schirm);
    RECT r;
    GetWindowRect(fenster, &r);
    const RECT& f = schirm.rcWork;
    SetWindowPos(fenster, nullptr, f.left + (f.right - f.left - (r.right - r.left)) / 2,
                 f.top + (f.bottom - f.top - (r.bottom - r.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Win32Binder::Win32Binder() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    // Lange Tooltips brechen um, statt über den Bildschirm hinauszuragen.
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, 400);
}

Win32Binder::~Win32Binder() {
    for (auto& [modell, kennung] : anmeldungen_)
        modell->BeobachterEntfernen(kennung);
    DestroyWindow(tooltips_);
}

void Win32Binder::Beobachten(Steuerelement& modell, std::function<void()> abgleichen) {
    abgleichen();
    anmeldungen_.emplace_back(&modell, modell.Beobachten(std::move(abgleichen)));
}

void Win32Binder::Schreiben(const std::function<void()>& schreiben) {
    const bool vorher = schreibt_;
    schreibt_ = true;
    schreiben();
    schreibt_ = vorher;
}

void Win32Binder::Melden(const std::function<void()>& regel) const {
    if (!schreibt_)
        RegelAusfuehren(regel);
}

void Win32Binder::TooltipSetzen(HWND fenster, const Text& text) {
    std::wstring breit = Breit(text);
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(fenster);
    info.uId = reinterpret_cast<UINT_PTR>(fenster);
    info.lpszText = breit.data();
    if (!SendMessageW(tooltips_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) {
        if (!text.empty())
            SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
    info.lpszText = breit.data();
    SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Win32Binder::Gemeinsames(Steuerelement& modell, HWND fenster) {
    namen_[modell.Name()] = fenster;
    Beobachten(modell, [this, &modell, fenster] {
        if (!IsWindowEnabled(fenster) != !modell.Aktiviert())
            EnableWindow(fenster, modell.Aktiviert());
        TooltipSetzen(fenster, modell.Tooltip());
        const bool sichtbar = GetWindowLongPtrW(fenster, GWL_STYLE) & WS_VISIBLE;
        if (sichtbar != modell.Sichtbar())
            ShowWindow(fenster, modell.Sichtbar() ? SW_SHOWNA : SW_HIDE);
    });
}

void Win32Binder::Binden(TextFeld& modell, HWND edit) {
    Gemeinsames(modell, edit);
    Beobachten(modell, [this, &modell, edit] {
        // Auch das Schreiben des Programms meldet EN_CHANGE; der Merker hält es zurück.
        Schreiben([&] { TextSetzen(edit, Breit(modell.Wert())); });
    });
    befehle_[edit] = [this, &modell, edit](WORD code) {
        if (code == EN_CHANGE)
            Melden([&] { modell.SetzeText(AusBreit(Fenstertext(edit))); });
    };
}

void Win32Binder::Binden(Beschriftung& modell, HWND label) {
    Gemeinsames(modell, label);
    Beobachten(modell, [&modell, label] { TextSetzen(label, Breit(modell.Caption())); });
}

void Win32Binder::Binden(Kontrollkaestchen& modell, HWND knopf) {
    Gemeinsames(modell, knopf);
    Beobachten(modell, [this, &modell, knopf] {
        Schreiben([&] {
            TextSetzen(knopf, OhneKuerzel(modell.Caption()));
            // Der Wert 2 ist der unbestimmte Zustand, BST_INDETERMINATE hat denselben Wert.
            SendMessageW(knopf, BM_SETCHECK, static_cast<WPARAM>(modell.Wert()), 0);
        });
    });
    befehle_[knopf] = [this, &modell](WORD code) {
        // Ein Klick hakt an, ein angehaktes Kästchen wird leer; unbestimmt wählt nur das Programm.
        if (code == BN_CLICKED)
            Melden([&] { modell.SetzeWert(modell.Wert() == 1 ? 0 : 1); });
    };
}

void Win32Binder::Binden(Optionsfeld& modell, HWND knopf) {
    Gemeinsames(modell, knopf);
    auto abgleichen = [this, &modell, knopf] {
        Schreiben([&] {
            TextSetzen(knopf, OhneKuerzel(modell.Caption()));
            SendMessageW(knopf, BM_SETCHECK, modell.Gewaehlt() ? BST_CHECKED : BST_UNCHECKED, 0);
        });
    };
    Beobachten(modell, abgleichen);
    // Die Gruppe des Modells entscheidet, welches Feld gewählt ist; ein Klick auf das gewählte
    // Feld hebt es nicht auf.
    befehle_[knopf] = [this, &modell, abgleichen](WORD code) {
        if (code == BN_CLICKED)
            Melden([&] { modell.Waehlen(); });
        abgleichen();
    };
}

void Win32Binder::Binden(Listenfeld& modell, HWND liste) {
    Gemeinsames(modell, liste);
    Beobachten(modell, [this, &modell, liste] {
        Schreiben([&] {
            std::vector<std::wstring> soll;
            for (const Text& eintrag : modell.Eintraege())
                soll.push_back(Breit(eintrag));
            if (Listeneintraege(liste) != soll) {
                SendMessageW(liste, LB_RESETCONTENT, 0, 0);
                for (const auto& eintrag : soll)
                    SendMessageW(liste, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(eintrag.c_str()));
            }
            if (SendMessageW(liste, LB_GETCURSEL, 0, 0) != modell.Auswahl())
                SendMessageW(liste, LB_SETCURSEL, static_cast<WPARAM>(modell.Auswahl()), 0);
        });
    });
    befehle_[liste] = [this, &modell, liste](WORD code) {
        if (code != LBN_SELCHANGE)
            return;
        const auto zeile = static_cast<int>(SendMessageW(liste, LB_GETCURSEL, 0, 0));
        if (zeile >= -1 && zeile < modell.Anzahl() && zeile != modell.Auswahl())
            Melden([&] { modell.SetzeAuswahl(zeile); });
    };
    SetWindowSubclass(liste, Listenunterklasse, 1, reinterpret_cast<DWORD_PTR>(&modell));
}

void Win32Binder::Binden(Schaltflaeche& modell, HWND knopf) {
    Gemeinsames(modell, knopf);
    Beobachten(modell, [&modell, knopf] { TextSetzen(knopf, OhneKuerzel(modell.Caption())); });
    befehle_[knopf] = [this, &modell](WORD code) {
        if (code == BN_CLICKED)
            Melden([&] { modell.Klicken(); });
    };
}

void Win32Binder::Binden(Rahmen& modell, HWND flaeche) {
    Gemeinsames(modell, flaeche);
}

void Win32Binder::Binden(Registerkarte& modell, HWND reiter, std::vector<HWND> seiten) {
    Gemeinsames(modell, reiter);
    std::vector<std::wstring> texte;
    for (const Text& text : modell.Reiter())
        texte.push_back(OhneKuerzel(text));
    for (std::size_t i = 0; i < texte.size(); ++i) {
        TCITEMW eintrag{};
        eintrag.mask = TCIF_TEXT;
        eintrag.pszText = texte[i].data();
        SendMessageW(reiter, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&eintrag));
    }
    Beobachten(modell, [this, &modell, reiter, seiten] {
        Schreiben([&] {
            SendMessageW(reiter, TCM_SETCURSEL, static_cast<WPARAM>(modell.GewaehlterReiter()), 0);
        });
        for (std::size_t i = 0; i < seiten.size(); ++i)
            ShowWindow(seiten[i],
                       static_cast<int>(i) == modell.GewaehlterReiter() ? SW_SHOWNA : SW_HIDE);
    });
    befehle_[reiter] = [this, &modell, reiter](WORD code) {
        const auto index = static_cast<int>(SendMessageW(reiter, TCM_GETCURSEL, 0, 0));
        if (code == static_cast<WORD>(TCN_SELCHANGE) && index >= 0 &&
            index != modell.GewaehlterReiter())
            Melden([&] { modell.SetzeReiter(index); });
    };
}

void Win32Binder::Binden(Fortschrittsbalken& modell, HWND balken) {
    Gemeinsames(modell, balken);
    Beobachten(modell, [&modell, balken] {
        SendMessageW(balken, PBM_SETRANGE32, 0, modell.Maximum());
        SendMessageW(balken, PBM_SETPOS, static_cast<WPARAM>(modell.Wert()), 0);
    });
}

void Win32Binder::Binden(Zeitgeber& modell, HWND fenster) {
    const UINT_PTR id = naechsteId_++;
    Beobachten(modell, [&modell, fenster, id, laeuftMit = 0]() mutable {
        // Wie das Vorbild: Intervall 0 hält den Zeitgeber an, ein neues Intervall startet neu.
        const int soll = modell.Aktiviert() && modell.Intervall() > 0 ? modell.Intervall() : 0;
        if (soll == laeuftMit)
            return;
        if (soll == 0)
            KillTimer(fenster, id);
        else
            SetTimer(fenster, id, static_cast<UINT>(soll), nullptr);
        laeuftMit = soll;
    });
    ids_[id] = [&modell] { RegelAusfuehren([&] { modell.Ticken(); }); };
}

void Win32Binder::Binden(const std::vector<Menueeintrag*>& eintraege, HWND fenster) {
    std::vector<UINT_PTR> ids;
    for (Menueeintrag* eintrag : eintraege) {
        ids.push_back(naechsteId_++);
        ids_[ids.back()] = [eintrag] { RegelAusfuehren([&] { eintrag->Klicken(); }); };
    }
    // Einträge ohne Untermenü; verborgene fehlen in der Leiste, daher wird sie neu aufgebaut.
    auto aufbauen = [eintraege, ids, fenster] {
        HMENU leiste = CreateMenu();
        for (std::size_t i = 0; i < eintraege.size(); ++i) {
            if (!eintraege[i]->Sichtbar())
                continue;
            const UINT art = MF_STRING | (eintraege[i]->Aktiviert() ? MF_ENABLED : MF_GRAYED);
            AppendMenuW(leiste, art, ids[i], OhneKuerzel(eintraege[i]->Caption()).c_str());
        }
        HMENU alt = GetMenu(fenster);
        SetMenu(fenster, leiste);
        if (alt)
            DestroyMenu(alt);
        DrawMenuBar(fenster);
    };
    for (Menueeintrag* eintrag : eintraege) {
        namen_[eintrag->Name()] = fenster;
        Beobachten(*eintrag, aufbauen);
    }
}

namespace {

// Zustand der Bindung eines Fensters, geteilt zwischen Fensterprozedur und Beobachter.
struct Fensterbindung {
    Fenster& modell;
    HWND fenster;
    bool hauptfenster;
    bool spiegelt = false; // die Größe kommt gerade vom Fenster ins Modell
    SIZE angewandt{};      // zuletzt aus dem Modell gesetzte Innenmaße in Twips

    bool Nachricht(UINT nachricht, LRESULT& ergebnis) {
        if (nachricht == WM_CLOSE) {
            ergebnis = 0;
            bool abbrechen = false;
            if (modell.beiSchliesswunsch)
                RegelAusfuehren([&] { abbrechen = modell.beiSchliesswunsch(); });
            if (!abbrechen)
                RegelAusfuehren([&] { modell.Schliessen(); });
            return true;
        }
        if (nachricht == WM_SIZE && IsWindowVisible(fenster))
            GroesseSpiegeln();
        return false;
    }

    void GroesseSpiegeln() {
        RECT innen;
        GetClientRect(fenster, &innen);
        const double dpi = Dpi(fenster);
        const int breite = TwipsAusPixel(innen.right, dpi);
        const int hoehe = TwipsAusPixel(innen.bottom, dpi);
        if (breite == modell.BreiteTwips() && hoehe == modell.HoeheTwips())
            return;
        spiegelt = true;
        RegelAusfuehren([&] { modell.SetzeGroesse(breite, hoehe); });
        spiegelt = false;
        angewandt = SIZE{breite, hoehe};
    }

    void Abgleichen() {
        TextSetzen(fenster, Breit(modell.Caption()));
        const SIZE soll{modell.BreiteTwips(), modell.HoeheTwips()};
        if (!spiegelt && (soll.cx != angewandt.cx || soll.cy != angewandt.cy) && soll.cx > 0 &&
            soll.cy > 0) {
            angewandt = soll;
            const double dpi = Dpi(fenster);
            const RECT r =
                Aussenmasse(fenster, PixelAusTwips(soll.cx, dpi), PixelAusTwips(soll.cy, dpi));
            SetWindowPos(fenster, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (modell.Angezeigt() && !IsWindowVisible(fenster)) {
            if (modell.Zentriert())
                Zentrieren(fenster);
            ShowWindow(fenster, SW_SHOW);
            SetForegroundWindow(fenster);
        } else if (!modell.Angezeigt() && IsWindowVisible(fenster)) {
            ShowWindow(fenster, SW_HIDE);
            if (hauptfenster)
                PostQuitMessage(0);
        }
    }
};

} // namespace

void Win32Binder::Binden(Fenster& modell, HWND fenster, bool hauptfenster) {
    namen_[modell.Name()] = fenster;
    auto bindung = std::make_shared<Fensterbindung>(Fensterbindung{modell, fenster, hauptfenster});
    fensterregeln_[fenster] = [bindung](UINT nachricht, LRESULT& ergebnis) {
        return bindung->Nachricht(nachricht, ergebnis);
    };
    Beobachten(modell, [bindung] { bindung->Abgleichen(); });
}

bool Win32Binder::Nachricht(HWND fenster, UINT nachricht, WPARAM w, LPARAM l, LRESULT& ergebnis) {
    ergebnis = 0;
    switch (nachricht) {
    case WM_COMMAND:
        if (l) {
            if (auto it = befehle_.find(reinterpret_cast<HWND>(l)); it != befehle_.end()) {
                it->second(HIWORD(w));
                return true;
            }
        } else if (auto it = ids_.find(LOWORD(w)); it != ids_.end() && HIWORD(w) == 0) {
            it->second();
            return true;
        }
        return false;
    case WM_NOTIFY: {
        const auto* kopf = reinterpret_cast<const NMHDR*>(l);
        if (auto it = befehle_.find(kopf->hwndFrom); it != befehle_.end()) {
            it->second(static_cast<WORD>(kopf->code));
            return true;
        }
        return false;
    }
    case WM_TIMER:
        if (auto it = ids_.find(w); it != ids_.end()) {
            it->second();
            return true;
        }
        return false;
    default:
        if (auto it = fensterregeln_.find(fenster); it != fensterregeln_.end())
            return it->second(nachricht, ergebnis);
        return false;
    }
}

HWND Win32Binder::Finde(const std::string& name) const {
    const auto it = namen_.find(name);
    return it == namen_.end() ? nullptr : it->second;
}
