#pragma once
// Die Dienste des Systems, auf dem kestrav-stapel läuft: Windows oder ein POSIX-Host mit
// Laufwerkszuordnung. Alles Weitere ist auf beiden gleich.
#include "shell/Systembeschreibung.h"

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Konsole.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Prozesse.h"
#include "platform/win32/Win32Sperren.h"
#include "platform/win32/Win32Systeminfo.h"

using Plattformprozesse = Win32Prozesse;

struct Plattformdienste {
    Win32Dateisystem datei;
    Win32Prozesse prozesse;
    Win32Systeminfo system{Systembeschreibung};
    Win32Papierkorb papierkorb;
    Win32Sperren sperren;
};

// Argumente als UTF-8 aus der Breitzeichen-Befehlszeile; Meldungen in der Codepage der Konsole.
inline std::vector<std::string> Programmargumente(int, char**) {
    KonsolenausgabeEinrichten();
    return BefehlsargumenteUtf8();
}

// Ein std::string-Pfad gälte unter Windows in der ANSI-Codepage.
inline std::filesystem::path HostPfad(const std::string& utf8) {
    return std::filesystem::path(AusUtf8(utf8));
}
inline Text PfadAlsText(const std::filesystem::path& pfad) {
    return pfad.u16string();
}
#else
#include "platform/posix/PosixDateisystem.h"
#include "platform/posix/PosixPapierkorb.h"
#include "platform/posix/PosixProzesse.h"
#include "platform/posix/PosixSperren.h"
#include "platform/posix/PosixSysteminfo.h"

using Plattformprozesse = PosixProzesse;

struct Plattformdienste {
    Laufwerke laufwerke = Laufwerke::AusUmgebung();
    PosixDateisystem datei{laufwerke};
    PosixProzesse prozesse{laufwerke};
    PosixSysteminfo system;
    PosixPapierkorb papierkorb{laufwerke};
    PosixSperren sperren{laufwerke};
};

inline std::vector<std::string> Programmargumente(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Host-Namen sind Bytes; AusUtf8 nimmt auch ungültiges UTF-8 verlustfrei.
inline std::filesystem::path HostPfad(const std::string& utf8) {
    return std::filesystem::path(utf8);
}
inline Text PfadAlsText(const std::filesystem::path& pfad) {
    return AusUtf8(pfad.string());
}
#endif
