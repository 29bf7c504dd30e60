#include "platform/win32/Win32Konsole.h"

#include "platform/Text.h"
#include "platform/win32/Breit.h"

#include <iostream>
#include <streambuf>
#include <windows.h>

#include <shellapi.h> // braucht windows.h davor

namespace {

// Sammelt UTF-8 bis zum Zeilenende oder flush; ein Zeichen wird nie mitten im UTF-8 geteilt,
// weil erst an einer Zeilengrenze oder beim flush umgewandelt wird.
class Konsolenpuffer : public std::streambuf {
public:
    explicit Konsolenpuffer(DWORD kanal) : ausgabe_(GetStdHandle(kanal)) {}

protected:
    int_type overflow(int_type zeichen) override {
        if (traits_type::eq_int_type(zeichen, traits_type::eof()))
            return traits_type::not_eof(zeichen);
        puffer_.push_back(traits_type::to_char_type(zeichen));
        if (zeichen == '\n')
            Ausgeben();
        return zeichen;
    }
    int sync() override {
        Ausgeben();
        return 0;
    }

private:
    void Ausgeben() {
        if (puffer_.empty() || ausgabe_ == nullptr || ausgabe_ == INVALID_HANDLE_VALUE) {
            puffer_.clear();
            return;
        }
        std::wstring breit = Breit(AusUtf8(puffer_));
        puffer_.clear();
        DWORD modus = 0;
        DWORD geschrieben = 0;
        if (GetConsoleMode(ausgabe_, &modus)) {
            WriteConsoleW(ausgabe_, breit.data(), static_cast<DWORD>(breit.size()), &geschrieben,
                          nullptr);
            return;
        }
        UINT codepage = GetConsoleOutputCP();
        if (codepage == 0)
            codepage = GetOEMCP();
        int n = WideCharToMultiByte(codepage, 0, breit.data(), static_cast<int>(breit.size()),
                                    nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
        if (n > 0)
            WideCharToMultiByte(codepage, 0, breit.data(), static_cast<int>(breit.size()),
                                bytes.data(), n, nullptr, nullptr);
        WriteFile(ausgabe_, bytes.data(), static_cast<DWORD>(bytes.size()), &geschrieben, nullptr);
    }

    HANDLE ausgabe_;
    std::string puffer_;
};

} // namespace

std::vector<std::string> BefehlsargumenteUtf8() {
    int anzahl = 0;
    LPWSTR* argumente = CommandLineToArgvW(GetCommandLineW(), &anzahl);
    std::vector<std::string> ergebnis;
    if (!argumente)
        return ergebnis;
    for (int i = 1; i < anzahl; ++i)
        ergebnis.push_back(NachUtf8(AusBreit(argumente[i], wcslen(argumente[i]))));
    LocalFree(argumente);
    return ergebnis;
}

void KonsolenausgabeEinrichten() {
    // Bleiben bis zuletzt: std::cout leert sich erst nach dem Abbau statischer Objekte.
    std::cout.rdbuf(new Konsolenpuffer(STD_OUTPUT_HANDLE));
    std::cerr.rdbuf(new Konsolenpuffer(STD_ERROR_HANDLE));
}
