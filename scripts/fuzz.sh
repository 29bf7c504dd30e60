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

if [ $# -eq 0 ]; then
    set -- $(find fuzz -maxdepth 1 -name '*.cpp' -printf '%f\n' | sed 's/\.cpp$//' | sort)
fi
fehler=0
for ziel in "$@"; do
    if [ ! -x "build-fuzz/fuzz/fuzz_$ziel" ]; then
        echo "fuzz_$ziel: nicht gebaut (Quellen fehlen in diesem Stand)"
        continue
    fi
    fuzz/lauf.sh "build-fuzz/fuzz/fuzz_$ziel" "$sekunden" "fuzz/korpus/$ziel" \
        "build-fuzz/fuzz/arbeit/$ziel" || fehler=1
done
exit $fehler
