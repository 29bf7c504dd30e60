#!/usr/bin/env bash
# Führt einen Befehl mit eigenem Xvfb aus: Fenster unter Wine brauchen einen X-Server, die Tests
# sollen aber weder einen Bildschirm voraussetzen noch einen vorhandenen stören.
# Aufruf: xvfb-wine.sh BEFEHL [ARGUMENTE...]
set -euo pipefail
nummer=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$nummer" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$nummer"' EXIT
for _ in $(seq 100); do
    [[ -s $nummer ]] && break
    sleep 0.1
done
[[ -s $nummer ]] || { echo "Xvfb startet nicht" >&2; exit 1; }
export DISPLAY=:$(cat "$nummer")
"$@"
