#!/usr/bin/env bash
# Frische Maschine: Pakete, Konfiguration, Bau mit -j2, alle Tests mit CTest; danach der
# Windows-Bau mit seinen Tests unter Wine (KESTRAV_WINDOWS=0 lässt ihn aus).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete "${KESTRAV_BAUPAKETE[@]}"
windows=${KESTRAV_WINDOWS:-1}
[ "$windows" = 0 ] || kestrav_pakete "${KESTRAV_WINDOWSPAKETE[@]}"

preset=${KESTRAV_PRESET:-default}
cmake --preset "$preset"
cmake --build --preset "$preset" -j2
# Die UI-Tests laufen ohne Bildschirm.
export QT_QPA_PLATFORM=offscreen
bau="$PWD/build$( [ "$preset" = default ] || echo "-$preset")"
(
    cd "$bau"
    ctest --output-on-failure -j2 --timeout 300 -LE 'fuzz|lang|windows' "$@"
)

[ "$windows" = 0 ] && exit 0
# Der ganze Tag unter Wine ruft den Simulator des Linux-Baus.
cmake --preset windows -DKESTRAV_LINUX_BIN="$bau/bin"
cmake --build --preset windows -j2
cd build-windows
ctest --output-on-failure -j2 --timeout 300 -L windows
