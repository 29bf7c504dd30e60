#!/usr/bin/env bash
# Alle libFuzzer-Ziele bauen (Preset fuzz, clang) und jedes eine Zeit lang laufen lassen.
# Aufruf: scripts/fuzz.sh [SEKUNDEN je Ziel, Vorgabe 60] [ZIEL...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete "${KESTRAV_BAUPAKETE[@]}" clang libclang-rt-14-dev

sekunden=${1:-60}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target kestrav_fuzz_alle

# Ein Programm für alle Ziele; jedes Ziel hat seinen Startkorpus in fuzz/korpus/<ziel>/.
if [ $# -eq 0 ]; then
    set -- $(find fuzz/korpus -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
fi
fehler=0
for ziel in "$@"; do
    KESTRAV_FUZZ_ZIEL=$ziel fuzz/lauf.sh build-fuzz/fuzz/fuzz_kestrav "$sekunden" \
        "fuzz/korpus/$ziel" "build-fuzz/fuzz/arbeit/$ziel" || fehler=1
done
exit $fehler
