#pragma once
// Prüfungen, die Grenzen des Prozesses brauchen, laufen in einem Kindprozess, damit die Grenze
// den Testlauf nicht trifft.
#include <cstddef>
#include <functional>

inline constexpr int SpeicherErschoepft = 99;

// Führt die Prüfung in einem Kindprozess aus. Ergebnis: ihr Rückgabewert (0 = bestanden) oder
// 128 + Signal.
int ImKindprozess(const std::function<int()>& pruefung);

// Wie ImKindprozess, aber das Kind darf höchstens zusatzBytes mehr Adressraum belegen als beim
// Start. Jede gescheiterte Speicheranforderung beendet es mit SpeicherErschoepft, damit ein
// Prüfling, der Fehler verschluckt, sich nicht durchmogeln kann.
int MitSpeichergrenze(std::size_t zusatzBytes, const std::function<int()>& pruefung);
