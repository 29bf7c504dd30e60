#!/usr/bin/env bash
# Frische Maschine: Pakete, Bau, dann das Programm starten.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete "${KESTRAV_BAUPAKETE[@]}"
cmake --preset default
cmake --build --preset default -j2
if [ -x build/bin/kestrav ]; then
    exec build/bin/kestrav "$@"
fi
echo "Kestrav ist noch nicht gebaut." >&2
exit 1
