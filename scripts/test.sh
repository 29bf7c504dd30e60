#!/usr/bin/env bash
# Frische Maschine: Pakete, Konfiguration, Bau mit -j2, alle Tests mit CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete "${KESTRAV_BAUPAKETE[@]}"
kestrav_gebietsschema_de

preset=${KESTRAV_PRESET:-default}
cmake --preset "$preset"
cmake --build --preset "$preset" -j2
# Die UI-Tests laufen ohne Bildschirm.
export QT_QPA_PLATFORM=offscreen
cd "build$( [ "$preset" = default ] || echo "-$preset")"
ctest --output-on-failure -j2 --timeout 300 -LE 'fuzz|lang' "$@"
cd - >/dev/null
scripts/testanteil.sh
