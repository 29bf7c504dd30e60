#pragma once
// GetLastError -> Nummer der Fehlertabelle, für alle Win32-Dienste; dieselben Nummern wie unter
// POSIX für dieselben Fehler.
#include "platform/Text.h"

int FehlernummerAusWin32(unsigned long fehler);
// Wirft den Laufzeitfehler zu GetLastError() mit dem Pfad als Detail.
[[noreturn]] void Win32FehlerWerfen(TextSicht pfad);
[[noreturn]] void Win32FehlerWerfen(unsigned long fehler, TextSicht pfad);
