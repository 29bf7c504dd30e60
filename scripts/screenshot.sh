#!/usr/bin/env bash
# Startet kestrav unter Xvfb, wie ein neuer Benutzer es sähe, und schreibt Bilder der drei Reiter
# und des Fensters "Bitte warten" nach build/screenshots/ (anderer Bauordner: KESTRAV_BUILD).
# Mit --windows dasselbe für kestrav.exe unter Wine (scripts/screenshot-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --windows ]; then
    shift
    exec scripts/screenshot-windows.sh "$@"
fi
source scripts/pakete.sh
command -v xvfb-run >/dev/null 2>&1 || kestrav_pakete xvfb xauth

bau=${KESTRAV_BUILD:-build}
if [ ! -x "$bau/bin/kestrav" ]; then
    [ -d "$bau" ] || cmake --preset default
    cmake --build "$bau" -j2 --target kestrav
fi
ziel="$(pwd)/$bau/screenshots"
mkdir -p "$ziel"

# Ein frisches Laufwerk C: mit eingerichtetem Rechenkern, damit der Start keine Meldung zeigt.
laufwerk=$(mktemp -d)
trap 'rm -rf "$laufwerk"' EXIT
mkdir -p "$laufwerk/programme/vexlo"
touch "$laufwerk/programme/vexlo/bo1.exe" "$laufwerk/programme/vexlo/bo2.exe" \
      "$laufwerk/programme/vexlo/geoid.bog"

KESTRAV_LAUFWERK_C="$laufwerk" KESTRAV_SCREENSHOT="$ziel" QT_QPA_PLATFORM=xcb \
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$bau/bin/kestrav"
ls -1 "$ziel"/*.png
