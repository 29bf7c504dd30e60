#include "ui/win32/Win32Dialoge.h"

#include "ui/win32/Win32Text.h"

#include <commdlg.h>

#include <algorithm>

namespace {

UINT Symbolstil(Symbol symbol) {
    switch (symbol) {
    case Symbol::Information:
        return MB_ICONINFORMATION;
    case Symbol::Ausrufezeichen:
        return MB_ICONEXCLAMATION;
    case Symbol::Frage:
        return MB_ICONQUESTION;
    case Symbol::Kritisch:
        return MB_ICONERROR;
    case Symbol::Keins:
        break;
    }
    return 0;
}

HHOOK knopfHaken = nullptr;

// Setzt die deutschen Knopftexte, sobald die Meldung aktiviert wird, und meldet sich dann ab.
LRESULT CALLBACK KnoepfeBenennen(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(w);
        SetDlgItemTextW(box, IDOK, L"OK");
        SetDlgItemTextW(box, IDYES, L"Ja");
        SetDlgItemTextW(box, IDNO, L"Nein");
        UnhookWindowsHookEx(knopfHaken);
        knopfHaken = nullptr;
        return 0;
    }
    return CallNextHookEx(knopfHaken, code, w, l);
}

// "Beschreibung|Muster|..." wird zur Liste mit Nullzeichen, die mit zwei Nullzeichen endet.
std::wstring Filterliste(const Text& filter) {
    std::wstring liste = Breit(filter);
    if (liste.empty())
        return liste;
    for (wchar_t& z : liste)
        if (z == L'|')
            z = L'\0';
    liste += L'\0';
    liste += L'\0';
    return liste;
}

} // namespace

Antwort Win32Dialoge::Zeigen(const Meldung& meldung) {
    UINT stil = Symbolstil(meldung.symbol) | MB_TASKMODAL | MB_SETFOREGROUND;
    stil |= meldung.knoepfe == Knoepfe::JaNein ? MB_YESNO : MB_OK;
    if (meldung.knoepfe == Knoepfe::JaNein && meldung.standardknopf == 2)
        stil |= MB_DEFBUTTON2;
    knopfHaken = SetWindowsHookExW(WH_CBT, KnoepfeBenennen, nullptr, GetCurrentThreadId());
    const int ergebnis = MessageBoxW(GetActiveWindow(), Breit(meldung.text).c_str(),
                                     Breit(meldung.titel).c_str(), stil);
    if (knopfHaken) {
        UnhookWindowsHookEx(knopfHaken);
        knopfHaken = nullptr;
    }
    if (meldung.knoepfe == Knoepfe::OK)
        return Antwort::OK;
    return ergebnis == IDYES ? Antwort::Ja : Antwort::Nein;
}

Text Win32Dialoge::DateiOeffnen(const Dateiauswahl& auswahl) {
    const std::wstring filter = Filterliste(auswahl.filter);
    const std::wstring titel = Breit(auswahl.titel);
    std::wstring start = Breit(auswahl.startverzeichnis);
    std::wstring datei(32768, L'\0');
    // Ein Startpfad, der eine Datei nennt, wählt sie vor; sonst ist er das Verzeichnis.
    const DWORD art = GetFileAttributesW(start.c_str());
    if (art != INVALID_FILE_ATTRIBUTES && !(art & FILE_ATTRIBUTE_DIRECTORY)) {
        const auto trenner = start.find_last_of(L"\\/");
        const std::wstring name = start.substr(trenner == std::wstring::npos ? 0 : trenner + 1);
        name.copy(datei.data(), std::min(name.size(), datei.size() - 1));
        start.resize(trenner == std::wstring::npos ? 0 : trenner);
    }
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(auswahl.filterIndex);
    ofn.lpstrFile = datei.data();
    ofn.nMaxFile = static_cast<DWORD>(datei.size());
    ofn.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    ofn.lpstrTitle = titel.c_str();
    ofn.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn))
        return Text();
    datei.resize(datei.find(L'\0'));
    return AusBreit(datei);
}
