#!/usr/bin/env bash
# Schreibt docs/demotag.png: Kestrav nach dem Rechnen des Demotags, darunter das Mini-Protokoll in
# kestrav-anzeige. Unter Xvfb ohne Fenstermanager bedient xdotool das Fenster wie ein Benutzer:
# Arbeitsverzeichnis wählen, automatische Referenzauswahl, Start Berechnung, zweimal Eingabe.
# Voraussetzung ist ein Lauf von scripts/demo.sh (Installation und Demotag dieses Benutzers).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete xvfb xdotool imagemagick

demo=${KESTRAV_DEMO:-$HOME/kestrav-demo}
kestrav=$HOME/.local/bin/kestrav
ziel=${1:-docs/demotag.png}
[ -x "$kestrav" ] && [ -f "$demo/np012830.23o" ] || {
    echo "Erst scripts/demo.sh ausführen." >&2
    exit 1
}

nummer=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$nummer" 2>/dev/null &
xvfb=$!
kestrav_pid=
trap 'kill $kestrav_pid $xvfb 2>/dev/null || true; rm -f "$nummer"' EXIT
while [ ! -s "$nummer" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$nummer")
unset WAYLAND_DISPLAY

"$kestrav" "$demo/np012830.23o" >/dev/null 2>&1 &
kestrav_pid=$!
fenster=$(timeout 30 xdotool search --sync --name '^Kestrav f' | head -n 1)
xdotool windowmove "$fenster" 10 10
sleep 1
klick() { xdotool mousemove --window "$fenster" "$1" "$2" click 1; sleep 1; }

klick 105 77 # Auswahl Arbeitsverzeichnis: der Dialog steht auf der ersten Demodatei
xdotool key Return
sleep 1
klick 113 303 # automatische Referenzauswahl
klick 57 386  # Start Berechnung
xdotool key Return # "Alle Ergebnisdateien werden jetzt überschrieben!" - Ja
timeout 60 xdotool search --sync --name '^Achtung Warnungen!$' >/dev/null
xdotool key Return
protokoll=$(timeout 30 xdotool search --sync --name '_ergebnis_283\.mini' | head -n 1)
xdotool windowsize "$protokoll" 930 110
xdotool windowmove "$protokoll" 10 420
sleep 1
# Beide Fenster einzeln, auf hellem Grund zusammengesetzt.
bilder=$(mktemp -d)
import -window "$fenster" "$bilder/haupt.png"
import -window "$protokoll" "$bilder/protokoll.png"
convert -size 950x540 xc:'#d8d8d8' "$bilder/haupt.png" -geometry +10+10 -composite \
    "$bilder/protokoll.png" -geometry +10+420 -composite "$ziel"
rm -rf "$bilder"
echo "$ziel"
