#include "ui/win32/Win32Hauptfenster.h"

#include "shell/Basisformular.h"
#include "ui/Groessenregel.h"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <variant>

namespace {

const wchar_t* const FensterKlasse = L"KestravFenster";
const wchar_t* const FlaechenKlasse = L"KestravFlaeche";

// Schrift der beiden Fenster: Punkte passen zu den Twips des Entwurfs, so wachsen Schrift und
// Fenster bei jeder Auflösung gemeinsam.
constexpr int SchriftgroessePunkte = 8;

// Die Lage ist in Bildpunkten bei 96 dpi angegeben (ein Bildpunkt sind dort 15 Twips) und wird
// mit der Auflösung des Bildschirms umgerechnet.
constexpr int TwipsJePunkt = 15;

enum class Ort { Fenster, Seite1, Seite2, Seite3, Rahmen1, Rahmen2, Rahmen3, Warten };

using Modell = std::variant<TextFeld*, Beschriftung*, Kontrollkaestchen*, Optionsfeld*, Listenfeld*,
                            Schaltflaeche*, Rahmen*, Fortschrittsbalken*>;

struct Art {
    const wchar_t* klasse;
    DWORD stil;
    DWORD erweitert = 0;
};

constexpr DWORD Eingabe = WS_TABSTOP | WS_GROUP;

Art ArtVon(TextFeld*) {
    return {L"EDIT", Eingabe | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}
Art ArtVon(Beschriftung*) {
    return {L"STATIC", SS_LEFT | SS_NOPREFIX};
}
Art ArtVon(Kontrollkaestchen*) {
    return {L"BUTTON", Eingabe | BS_3STATE};
}
Art ArtVon(Optionsfeld*) {
    return {L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON};
}
Art ArtVon(Listenfeld*) {
    return {L"LISTBOX", Eingabe | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
}
Art ArtVon(Schaltflaeche*) {
    return {L"BUTTON", Eingabe | BS_PUSHBUTTON};
}
Art ArtVon(Rahmen*) {
    return {FlaechenKlasse, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}
Art ArtVon(Fortschrittsbalken*) {
    return {PROGRESS_CLASSW, 0};
}

} // namespace

struct Win32Hauptfenster::Platz {
    Modell modell;
    Ort ort;
    int x, y, b, h;
    DWORD stil = 0; // zusätzlich zu dem der Art
};

namespace {

using Platz = Win32Hauptfenster::Platz;

// Die Lage aller Steuerelemente, nahe am Bild des Qt-Fensters. Die Reihenfolge ist die der
// Tabulatortaste; jede Beschriftung steht direkt vor ihrem Feld.
std::vector<Platz> Lageplan(Basisformular& f) {
    FormBitteWarten& w = f.bitteWarten;
    constexpr DWORD Mitte = SS_CENTER;
    constexpr DWORD Gruppenanfang = WS_GROUP;
    constexpr DWORD Mehrzeilig = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
    return {
        // Reiter "Referenzpunkte".
        {&f.FrameBenutzereinstellungen, Ort::Seite1, 4, 4, 345, 262},
        {&f.AuswahlArbeitsverzeichnis, Ort::Rahmen1, 8, 14, 172, 22},
        {&f.ResetRINEX, Ort::Rahmen1, 184, 14, 100, 22},
        {&f.Label7, Ort::Rahmen1, 8, 42, 320, 14},
        {&f.VerzeichnisNeupunkte, Ort::Rahmen1, 8, 58, 244, 21},
        {&f.Label5, Ort::Rahmen1, 258, 61, 24, 14},
        {&f.Beobachtungstag, Ort::Rahmen1, 284, 58, 48, 21},
        {&f.AnzahlNeupunkteRINEX, Ort::Rahmen1, 8, 86, 150, 14},
        {&f.Neupunkte, Ort::Rahmen1, 8, 102, 150, 122},
        {&f.Richtungspfeil1, Ort::Rahmen1, 160, 140, 16, 14, Mitte},
        {&f.Richtungspfeil2, Ort::Rahmen1, 160, 156, 16, 14, Mitte},
        {&f.Richtungspfeil3, Ort::Rahmen1, 160, 172, 16, 14, Mitte},
        {&f.AnzahlReferenzpunkteRINEX, Ort::Rahmen1, 178, 86, 150, 14},
        {&f.Referenzpunkte, Ort::Rahmen1, 178, 102, 154, 122},
        {&f.AutoZuordnungReferenz, Ort::Rahmen1, 8, 230, 180, 22},
        {&f.chkDelRINEX, Ort::Seite1, 10, 272, 200, 18},
        // Reiter "Optionen".
        {&f.Frame1, Ort::Seite2, 4, 4, 345, 295},
        {&f.Label3, Ort::Rahmen2, 8, 20, 150, 14},
        {&f.VexloVersion, Ort::Rahmen2, 170, 17, 30, 21},
        {&f.Label35, Ort::Rahmen2, 8, 47, 160, 14},
        {&f.QelWeitereParameter, Ort::Rahmen2, 170, 44, 165, 21},
        {&f.Label31, Ort::Rahmen2, 8, 74, 160, 14},
        {&f.cmdBoOriPara, Ort::Rahmen2, 255, 70, 80, 22},
        {&f.BoWeitereParameter, Ort::Rahmen2, 8, 96, 327, 21},
        {&f.Label2, Ort::Rahmen2, 8, 129, 150, 14},
        {&f.IdSearchAutoZuordRefpunkt, Ort::Rahmen2, 170, 126, 165, 21},
        {&f.Label38, Ort::Rahmen2, 8, 156, 160, 14},
        {&f.QelHöheDhhn, Ort::Rahmen2, 170, 154, 60, 18, Gruppenanfang},
        {&f.QelHöheEllips, Ort::Rahmen2, 236, 154, 90, 18},
        {&f.Label32, Ort::Rahmen2, 8, 182, 300, 14},
        {&f.QelGPS, Ort::Rahmen2, 8, 199, 60, 18},
        {&f.QelGLONASS, Ort::Rahmen2, 72, 199, 80, 18},
        {&f.QelGalileo, Ort::Rahmen2, 156, 199, 70, 18},
        {&f.QelSBAS, Ort::Rahmen2, 230, 199, 60, 18},
        {&f.QelKorrAntenne, Ort::Rahmen2, 8, 223, 300, 18},
        {&f.Check1, Ort::Rahmen2, 8, 247, 190, 18},
        {&f.Check2, Ort::Rahmen2, 202, 247, 130, 18},
        // Reiter "Analyse".
        {&f.FrameFehler, Ort::Seite3, 4, 4, 345, 295},
        {&f.Label29, Ort::Rahmen3, 8, 16, 327, 58},
        {&f.Label6, Ort::Rahmen3, 8, 80, 200, 14},
        {&f.VexloBildschirmausgabe, Ort::Rahmen3, 8, 96, 110, 18},
        {&f.ErgebnisAnzeigen, Ort::Rahmen3, 122, 96, 80, 18},
        {&f.FehlerAnzeigen, Ort::Rahmen3, 206, 96, 120, 18},
        {&f.Label4, Ort::Rahmen3, 8, 124, 250, 14},
        {&f.Label1, Ort::Rahmen3, 8, 145, 150, 14},
        {&f.LösungsQu, Ort::Rahmen3, 162, 142, 50, 21},
        {&f.Label12, Ort::Rahmen3, 8, 170, 150, 14},
        {&f.Satellitenanzahl, Ort::Rahmen3, 162, 167, 50, 21},
        {&f.Label21, Ort::Rahmen3, 8, 195, 150, 14},
        {&f.OccupationTime, Ort::Rahmen3, 162, 192, 50, 21},
        {&f.Label22, Ort::Rahmen3, 216, 195, 30, 14},
        {&f.Label13, Ort::Rahmen3, 8, 220, 150, 14},
        {&f.PDOP, Ort::Rahmen3, 162, 217, 50, 21},
        {&f.Label20, Ort::Rahmen3, 8, 245, 150, 14},
        {&f.AmbiguitiesFixedFor, Ort::Rahmen3, 162, 242, 50, 21},
        {&f.Label25, Ort::Rahmen3, 216, 245, 30, 14},
        {&f.ButtonStandardwerte, Ort::Rahmen3, 255, 241, 80, 22},
        // Unter der Registerkarte.
        {&f.ProgressBar, Ort::Fenster, 4, 344, 361, 12},
        {&f.CommandBerechnen, Ort::Fenster, 4, 360, 106, 22},
        {&f.cmdBerechnen, Ort::Fenster, 114, 360, 106, 22},
        {&f.EndeFrame, Ort::Fenster, 285, 360, 80, 22},
        // Das Fenster "Bitte warten".
        {&w.Label1, Ort::Warten, 8, 8, 299, 14},
        {&w.BerechnePunkt, Ort::Warten, 8, 26, 299, 14},
        {&w.Text1, Ort::Warten, 8, 46, 299, 155, Mehrzeilig},
    };
}

// Reiter und Seiten (in Bildpunkten bei 96 dpi, wie der Lageplan).
constexpr RECT ReiterPlatz{4, 4, 365, 339};

Win32Hauptfenster* Besitzer(HWND fenster) {
    return reinterpret_cast<Win32Hauptfenster*>(GetWindowLongPtrW(fenster, GWLP_USERDATA));
}

LRESULT CALLBACK Fensterprozedur(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
    if (nachricht == WM_NCCREATE)
        SetWindowLongPtrW(
            fenster, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams));
    if (Win32Hauptfenster* besitzer = Besitzer(fenster))
        return besitzer->Nachricht(fenster, nachricht, w, l);
    return DefWindowProcW(fenster, nachricht, w, l);
}

void KlassenAnmelden() {
    static const bool angemeldet = [] {
        INITCOMMONCONTROLSEX steuerelemente{sizeof steuerelemente,
                                            ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&steuerelemente);
        WNDCLASSEXW klasse{};
        klasse.cbSize = sizeof klasse;
        klasse.lpfnWndProc = Fensterprozedur;
        klasse.hInstance = GetModuleHandleW(nullptr);
        klasse.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        klasse.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        klasse.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        klasse.lpszClassName = FensterKlasse;
        RegisterClassExW(&klasse);
        klasse.hIcon = nullptr;
        klasse.lpszClassName = FlaechenKlasse;
        RegisterClassExW(&klasse);
        return true;
    }();
    (void)angemeldet;
}

UINT DpiVon(HWND fenster) {
    const UINT dpi = GetDpiForWindow(fenster);
    return dpi ? dpi : 96;
}

} // namespace

Win32Hauptfenster::Win32Hauptfenster(Basisformular& form) : form_(form) {
    KlassenAnmelden();
    const HINSTANCE modul = GetModuleHandleW(nullptr);
    fenster_ = CreateWindowExW(WS_EX_CONTROLPARENT, FensterKlasse, L"",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                               400, 450, nullptr, nullptr, modul, this);
    bitteWarten_ =
        CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, FensterKlasse, L"",
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT,
                        CW_USEDEFAULT, 330, 250, fenster_, nullptr, modul, this);
    SchriftSetzen();
    binder_.Binden({&form.KestravHilfeMenü, &form.QelHilfeMenü, &form.Info, &form.EndeMenü},
                   fenster_);

    // Der Reiter liegt unter seinen Seiten, sonst übermalt er sie.
    reiter_ = CreateWindowExW(0, WC_TABCONTROLW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0, 0,
                              0, 0, fenster_, nullptr, modul, nullptr);
    SendMessageW(reiter_, WM_SETFONT, reinterpret_cast<WPARAM>(schrift_), FALSE);
    for (int i = 0; i < 3; ++i)
        seiten_.push_back(Flaeche(fenster_));

    std::map<Ort, HWND> orte{{Ort::Fenster, fenster_},
                             {Ort::Seite1, seiten_[0]},
                             {Ort::Seite2, seiten_[1]},
                             {Ort::Seite3, seiten_[2]},
                             {Ort::Warten, bitteWarten_}};
    Ort naechsterRahmen = Ort::Rahmen1;
    for (const Platz& platz : Lageplan(form)) {
        HWND neu = Anlegen(orte.at(platz.ort), platz);
        if (std::holds_alternative<Rahmen*>(platz.modell)) {
            orte[naechsterRahmen] = neu;
            naechsterRahmen = static_cast<Ort>(static_cast<int>(naechsterRahmen) + 1);
        }
    }
    binder_.Binden(form.RegisterkarteKestrav, reiter_, seiten_);
    binder_.Binden(form.TimerErrFormLoad, fenster_);
    binder_.Binden(form.TimerAbbruch, fenster_);
    Anordnen();

    // Zuletzt die Fenster selbst: Größe und Anzeige brauchen die fertige Menüleiste.
    binder_.Binden(form.bitteWarten.fenster, bitteWarten_, false);
    binder_.Binden(form.fenster, fenster_, true);
}

Win32Hauptfenster::~Win32Hauptfenster() {
    // Erst die Fenster, dann die Bindungen: beim Abbau meldet kein Steuerelement mehr etwas.
    SetWindowLongPtrW(fenster_, GWLP_USERDATA, 0);
    SetWindowLongPtrW(bitteWarten_, GWLP_USERDATA, 0);
    DestroyWindow(bitteWarten_);
    DestroyWindow(fenster_);
    DeleteObject(schrift_);
    DeleteObject(hinweisschrift_);
}

HWND Win32Hauptfenster::Flaeche(HWND eltern, DWORD stil) {
    return CreateWindowExW(WS_EX_CONTROLPARENT, FlaechenKlasse, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | stil, 0, 0, 0, 0, eltern,
                           nullptr, GetModuleHandleW(nullptr), this);
}

HWND Win32Hauptfenster::Anlegen(HWND eltern, const Platz& platz) {
    const Art art = std::visit([](auto* modell) { return ArtVon(modell); }, platz.modell);
    const RECT twips{platz.x * TwipsJePunkt, platz.y * TwipsJePunkt,
                     (platz.x + platz.b) * TwipsJePunkt, (platz.y + platz.h) * TwipsJePunkt};
    HWND neu = CreateWindowExW(art.erweitert, art.klasse, L"",
                               WS_CHILD | WS_VISIBLE | art.stil | platz.stil, 0, 0, 0, 0, eltern,
                               nullptr, GetModuleHandleW(nullptr), this);
    SendMessageW(neu, WM_SETFONT, reinterpret_cast<WPARAM>(schrift_), FALSE);
    angelegt_.push_back({neu, twips});
    if (std::holds_alternative<Rahmen*>(platz.modell)) {
        // Der gezeichnete Rahmen füllt die Fläche und liegt unter ihren Steuerelementen.
        HWND gruppe = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                                      0, 0, neu, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(gruppe, WM_SETFONT, reinterpret_cast<WPARAM>(schrift_), FALSE);
        SetWindowPos(gruppe, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        angelegt_.push_back(
            {gruppe, RECT{0, 0, twips.right - twips.left, twips.bottom - twips.top}});
    }
    std::visit([&](auto* modell) { binder_.Binden(*modell, neu); }, platz.modell);
    return neu;
}

void Win32Hauptfenster::Anordnen() {
    const double dpi = DpiVon(fenster_);
    auto pixel = [dpi](LONG twips) { return PixelAusTwips(static_cast<int>(twips), dpi); };
    auto setzen = [&](HWND fenster, const RECT& twips) {
        SetWindowPos(fenster, nullptr, pixel(twips.left), pixel(twips.top),
                     pixel(twips.right) - pixel(twips.left), pixel(twips.bottom) - pixel(twips.top),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const RECT reiter{ReiterPlatz.left * TwipsJePunkt, ReiterPlatz.top * TwipsJePunkt,
                      ReiterPlatz.right * TwipsJePunkt, ReiterPlatz.bottom * TwipsJePunkt};
    setzen(reiter_, reiter);
    RECT anzeige;
    GetWindowRect(reiter_, &anzeige);
    MapWindowPoints(nullptr, fenster_, reinterpret_cast<POINT*>(&anzeige), 2);
    SendMessageW(reiter_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&anzeige));
    for (HWND seite : seiten_)
        SetWindowPos(seite, nullptr, anzeige.left, anzeige.top, anzeige.right - anzeige.left,
                     anzeige.bottom - anzeige.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Angelegt& a : angelegt_)
        setzen(a.fenster, a.twips);
    HinweiseEinpassen();
    SetWindowPos(reiter_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Die Hinweisliste soll ohne Umbruch und ohne Rollen in das feste Fenster passen; bei breiten
// Systemschriften wird ihre Schrift dafür verkleinert, bis zu einer noch lesbaren Größe.
void Win32Hauptfenster::HinweiseEinpassen() {
    HWND feld = binder_.Finde(form_.bitteWarten.Text1.Name());
    RECT platz;
    SendMessageW(feld, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&platz));
    std::vector<std::wstring> zeilen{L""};
    for (char16_t z : form_.bitteWarten.Text1.Wert()) {
        if (z == u'\n')
            zeilen.emplace_back();
        else if (z != u'\r')
            zeilen.back() += static_cast<wchar_t>(z);
    }
    LOGFONTW art;
    GetObjectW(schrift_, sizeof art, &art);
    HDC dc = GetDC(feld);
    const int dpi = static_cast<int>(DpiVon(fenster_));
    HFONT passend = nullptr;
    for (int viertelpunkte = SchriftgroessePunkte * 4; viertelpunkte >= 6 * 4; --viertelpunkte) {
        DeleteObject(passend);
        art.lfHeight = -MulDiv(viertelpunkte, dpi, 72 * 4);
        passend = CreateFontIndirectW(&art);
        const HGDIOBJ vorher = SelectObject(dc, passend);
        TEXTMETRICW masse;
        GetTextMetricsW(dc, &masse);
        LONG breite = 0;
        for (const auto& zeile : zeilen) {
            SIZE groesse{};
            GetTextExtentPoint32W(dc, zeile.c_str(), static_cast<int>(zeile.size()), &groesse);
            breite = std::max(breite, groesse.cx);
        }
        SelectObject(dc, vorher);
        if (breite <= platz.right - platz.left &&
            static_cast<LONG>(zeilen.size()) * masse.tmHeight <= platz.bottom - platz.top)
            break;
    }
    ReleaseDC(feld, dc);
    SendMessageW(feld, WM_SETFONT, reinterpret_cast<WPARAM>(passend), TRUE);
    DeleteObject(hinweisschrift_);
    hinweisschrift_ = passend;
}

void Win32Hauptfenster::SchriftSetzen() {
    const UINT dpi = DpiVon(fenster_);
    NONCLIENTMETRICSW masse{};
    masse.cbSize = sizeof masse;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof masse, &masse, 0, dpi);
    LOGFONTW art = masse.lfMessageFont;
    art.lfHeight = -MulDiv(SchriftgroessePunkte, static_cast<int>(dpi), 72);
    HFONT alt = schrift_;
    schrift_ = CreateFontIndirectW(&art);
    for (const Angelegt& a : angelegt_)
        SendMessageW(a.fenster, WM_SETFONT, reinterpret_cast<WPARAM>(schrift_), TRUE);
    if (reiter_)
        SendMessageW(reiter_, WM_SETFONT, reinterpret_cast<WPARAM>(schrift_), TRUE);
    if (alt)
        DeleteObject(alt);
}

LRESULT Win32Hauptfenster::Nachricht(HWND fenster, UINT nachricht, WPARAM w, LPARAM l) {
    LRESULT ergebnis = 0;
    if (binder_.Nachricht(fenster, nachricht, w, l, ergebnis))
        return ergebnis;
    if (fenster == fenster_ && nachricht == WM_DPICHANGED) {
        const auto* vorschlag = reinterpret_cast<const RECT*>(l);
        SchriftSetzen();
        Anordnen();
        SetWindowPos(fenster, nullptr, vorschlag->left, vorschlag->top,
                     vorschlag->right - vorschlag->left, vorschlag->bottom - vorschlag->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (fenster == fenster_ && nachricht == WM_SIZE && !passtAn_ && IsWindowVisible(fenster)) {
        // Die feste Größe der Systembreite gilt für die Außenmaße; ein maximiertes Fenster muss
        // dafür erst wiederhergestellt werden.
        RECT r;
        GetWindowRect(fenster, &r);
        const double dpi = DpiVon(fenster);
        const auto soll = FesteAussenmasse(form_.zustand.Systembreite,
                                           {r.right - r.left, r.bottom - r.top}, dpi, dpi);
        if (soll && (soll->breite != r.right - r.left || soll->hoehe != r.bottom - r.top ||
                     IsZoomed(fenster))) {
            passtAn_ = true;
            if (IsZoomed(fenster))
                ShowWindow(fenster, SW_RESTORE);
            SetWindowPos(fenster, nullptr, 0, 0, soll->breite, soll->hoehe,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            passtAn_ = false;
        }
    }
    return DefWindowProcW(fenster, nachricht, w, l);
}
