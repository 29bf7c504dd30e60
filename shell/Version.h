#pragma once
// Versionsnummern des Programms; die Fensterbeschriftung nimmt sie von hier.
inline constexpr int KESTRAV_VERSION_HAUPT = 5;
inline constexpr int KESTRAV_VERSION_NEBEN = 0;
inline constexpr int KESTRAV_VERSION_REVISION = 2;
