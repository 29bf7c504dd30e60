#include "platform/win32/Win32Systeminfo.h"

#include "platform/Laufzeitfehler.h"
#include "platform/win32/Breit.h"

#include <cstring>
#include <cwchar>
#include <vector>
#include <windows.h>

namespace {

Text AusAnsi(const char* text, std::size_t laenge) {
    if (laenge == 0)
        return Text();
    const int n = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(laenge), nullptr, 0);
    std::vector<wchar_t> puffer(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(laenge), puffer.data(), n);
    return AusBreit(puffer.data(), puffer.size());
}

// GetVersionExA ist abgekündigt, liefert aber genau die Angaben, nach denen die Beschreibung
// fragt (ohne Manifest meldet sich ein neueres Windows als 6.2).
#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#else
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
bool VersionAbfragen(OSVERSIONINFOEXA& info, bool& erweitert) {
    info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    erweitert = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != 0;
    if (erweitert)
        return true;
    info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != 0;
}
#if defined(_MSC_VER)
#pragma warning(pop)
#else
#pragma GCC diagnostic pop
#endif

Versionsdaten VersionsdatenAbfragen() {
    OSVERSIONINFOEXA info;
    bool erweitert = false;
    if (!VersionAbfragen(info, erweitert))
        throw Laufzeitfehler(5, "GetVersionExA");

    Versionsdaten d;
    d.plattform = static_cast<int>(info.dwPlatformId);
    d.hauptversion = static_cast<int>(info.dwMajorVersion);
    d.nebenversion = static_cast<int>(info.dwMinorVersion);
    // Windows 9x hält im oberen Wort der Buildnummer die Versionsnummern.
    d.build = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? LOWORD(info.dwBuildNumber)
                                                              : info.dwBuildNumber;
    d.servicepack =
        AusAnsi(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    if (erweitert) {
        d.produkttyp = info.wProductType;
        d.suitemaske = info.wSuiteMask;
    }
    d.tabletPc = GetSystemMetrics(86);
    d.mediaCenter = GetSystemMetrics(87);
    d.starterEdition = GetSystemMetrics(88);
    d.serverR2 = GetSystemMetrics(89);

    // Ein 32-Bit-Programm auf 64-Bit-Windows sieht mit GetSystemInfo nur x86.
    BOOL wow64 = FALSE;
    d.wow64AbfrageVerweigert = IsWow64Process(GetCurrentProcess(), &wow64) == 0;
    SYSTEM_INFO system{};
    if (wow64)
        GetNativeSystemInfo(&system);
    else
        GetSystemInfo(&system);
    d.prozessorarchitektur = system.wProcessorArchitecture;

    if (d.plattform == VER_PLATFORM_WIN32_NT && d.hauptversion == 6) {
        DWORD produkt = 0;
        GetProductInfo(6, 0, 0, 0, &produkt);
        d.produktinfo = produkt;
    }
    return d;
}

} // namespace

Text Win32Systeminfo::Beschreibung() {
    return beschreiben_(VersionsdatenAbfragen());
}

Text Win32Systeminfo::Programmpfad() {
    std::vector<wchar_t> puffer(32768);
    const DWORD n = GetModuleFileNameW(nullptr, puffer.data(), static_cast<DWORD>(puffer.size()));
    if (n == 0 || n >= puffer.size())
        return Text();
    Text pfad = AusBreit(puffer.data(), n);
    const auto trenner = pfad.rfind(u'\\');
    return trenner == Text::npos ? Text() : pfad.substr(0, trenner);
}

// Die Befehlszeile ohne den Programmnamen, wie das System sie übergibt (Anführungszeichen bleiben).
Text Win32Systeminfo::Befehlszeile() {
    const wchar_t* zeile = GetCommandLineW();
    if (zeile == nullptr)
        return Text();
    const wchar_t* z = zeile;
    if (*z == L'"') {
        ++z;
        while (*z != L'\0' && *z != L'"')
            ++z;
        if (*z == L'"')
            ++z;
    } else {
        while (*z != L'\0' && *z != L' ' && *z != L'\t')
            ++z;
    }
    while (*z == L' ' || *z == L'\t')
        ++z;
    return AusBreit(z, wcslen(z));
}
