#include "platform/win32/Win32Papierkorb.h"

#include "platform/Laufzeitfehler.h"
#include "platform/win32/Breit.h"
#include "platform/win32/Win32Fehlernummern.h"

#include <windows.h>

#include <shellapi.h> // braucht windows.h davor

namespace {

// SHFileOperationW braucht volle Pfade; relative gelten gegen das aktuelle Verzeichnis.
std::wstring VollerPfad(const Text& pfad) {
    std::wstring voll(32768, L'\0');
    DWORD n = GetFullPathNameW(Breit(pfad).c_str(), static_cast<DWORD>(voll.size()), voll.data(),
                               nullptr);
    if (n == 0 || n >= voll.size())
        return std::wstring();
    voll.resize(n);
    return voll;
}

std::wstring Wurzel(const std::wstring& voll) {
    if (voll.size() >= 3 && voll[1] == L':')
        return voll.substr(0, 3);
    return std::wstring();
}

bool GewoehnlicheDatei(const std::wstring& voll) {
    DWORD attribute = GetFileAttributesW(voll.c_str());
    return attribute != INVALID_FILE_ATTRIBUTES &&
           (attribute & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

} // namespace

bool Win32Papierkorb::Moeglich(const Text& pfad) {
    std::wstring voll = VollerPfad(pfad);
    std::wstring wurzel = Wurzel(voll);
    if (wurzel.empty() || !GewoehnlicheDatei(voll))
        return false;
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    return SUCCEEDED(SHQueryRecycleBinW(wurzel.c_str(), &info));
}

void Win32Papierkorb::Verschieben(const Text& pfad) {
    std::wstring voll = VollerPfad(pfad);
    if (voll.empty())
        throw Laufzeitfehler(52, NachUtf8(pfad));
    if (!GewoehnlicheDatei(voll))
        Win32FehlerWerfen(pfad);
    // Eine Liste von Namen, mit doppeltem NUL beendet.
    std::wstring von = voll + L'\0';
    SHFILEOPSTRUCTW auftrag{};
    auftrag.wFunc = FO_DELETE;
    auftrag.pFrom = von.c_str();
    auftrag.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    int ergebnis = SHFileOperationW(&auftrag);
    if (ergebnis != 0 || auftrag.fAnyOperationsAborted)
        Win32FehlerWerfen(ergebnis != 0 ? static_cast<unsigned long>(ergebnis) : ERROR_CANCELLED,
                          pfad);
    // Ohne Papierkorb löschte SHFileOperationW endgültig: das darf nicht unbemerkt bleiben.
    if (GewoehnlicheDatei(voll))
        throw Laufzeitfehler(75, NachUtf8(pfad) + ": nicht verschoben");
}
