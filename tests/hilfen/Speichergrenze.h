#pragma once
// Führt eine Prüfung in einem Kindprozess aus, der höchstens zusatzBytes mehr Adressraum belegen
// darf als beim Start. Jede gescheiterte Speicheranforderung beendet das Kind mit
// SpeicherErschoepft, damit ein Prüfling, der Fehler verschluckt, sich nicht durchmogeln kann.
#include <cstddef>
#include <functional>

inline constexpr int SpeicherErschoepft = 99;

// Exitcode der Prüfung (0 = bestanden), SpeicherErschoepft, oder 128 + Signal.
int MitSpeichergrenze(std::size_t zusatzBytes, const std::function<int()>& pruefung);
