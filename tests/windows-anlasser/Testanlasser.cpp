// Nur für Tests: ein Windows-Programm, das unter Wine das gleichnamige Linux-Programm neben sich
// startet (qel.exe -> qel) und auf sein Ende wartet. cmd.exe von Wine wartet auf ein Linux-
// Programm nicht, der Stapel liefe sonst mit allen Zeilen zugleich. Das Linux-Programm läuft im
// aktuellen Verzeichnis und bekommt die Argumente als UTF-8.
#include "platform/win32/Breit.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

// Die wenigen Funktionen von Windows und Wine, ohne die Systemköpfe außerhalb von platform/.
extern "C" {
__declspec(dllimport) void* __stdcall GetModuleHandleW(const wchar_t* name);
__declspec(dllimport) void* __stdcall GetProcAddress(void* modul, const char* name);
__declspec(dllimport) unsigned long __stdcall GetModuleFileNameW(void* modul, wchar_t* puffer,
                                                                 unsigned long groesse);
}

namespace {

using UnixNameFn = char*(__stdcall*)(const wchar_t* dosName);
using UnixStartFn = long(__cdecl*)(char* const argv[], int warten);

template <typename Fn> Fn Funktion(const wchar_t* modul, const char* name) {
    void* adresse = GetProcAddress(GetModuleHandleW(modul), name);
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(adresse));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    auto unixName = Funktion<UnixNameFn>(L"kernel32.dll", "wine_get_unix_file_name");
    auto unixStart = Funktion<UnixStartFn>(L"ntdll.dll", "__wine_unix_spawnvp");
    if (!unixName || !unixStart) {
        std::fputs("Testanlasser: läuft nur unter Wine\n", stderr);
        return 126;
    }
    std::wstring selbst(32768, L'\0');
    selbst.resize(GetModuleFileNameW(nullptr, selbst.data(), 32768));
    if (selbst.size() > 4 && _wcsicmp(selbst.c_str() + selbst.size() - 4, L".exe") == 0)
        selbst.resize(selbst.size() - 4);
    char* linux = unixName(selbst.c_str());
    if (!linux) {
        std::fputs("Testanlasser: kein Linux-Pfad\n", stderr);
        return 126;
    }
    std::vector<std::string> worte{linux};
    for (int i = 1; i < argc; ++i)
        worte.push_back(NachUtf8(AusBreit(argv[i])));
    std::vector<char*> zeiger;
    for (auto& wort : worte)
        zeiger.push_back(wort.data());
    zeiger.push_back(nullptr);
    std::fflush(stdout);
    return static_cast<int>(unixStart(zeiger.data(), 1));
}
