#!/usr/bin/env bash
# Bilder von kestrav.exe unter Wine und Xvfb nach build-windows/screenshots/: die drei Reiter und
# der fertig gerechnete Demotag mit seiner Abschlussmeldung. xdotool bedient das Fenster wie ein
# Benutzer. Der Rechenkern ist der Linux-Simulator hinter dem Testanlasser (wie im Demotag-Test),
# daher braucht es vorher den Linux-Bau (build/) und den Windows-Bau (build-windows/).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete xvfb xdotool imagemagick

winbin=$(pwd)/build-windows/bin
linuxbin=$(pwd)/build/bin
ziel=$(pwd)/build-windows/screenshots
for programm in "$winbin/kestrav.exe" "$winbin/vexlo-testanlasser.exe" "$linuxbin/vexlo-sim"; do
    [ -x "$programm" ] || { echo "Es fehlt $programm: erst beide Bauten." >&2; exit 1; }
done
mkdir -p "$ziel"

praefix=$(mktemp -d)
export WINEPREFIX=$praefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=${KESTRAV_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
nummer=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$nummer" 2>/dev/null &
xvfb=$!
trap '"$wineserver" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$praefix" "$nummer"' EXIT
while [ ! -s "$nummer" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$nummer")

"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
c=$praefix/drive_c
scripts/wine-rechenkern.sh "$c" "$winbin" "$linuxbin"
"$linuxbin/vexlo-sim" --demo "$c/demotag" >/dev/null
cp "$winbin/kestrav.exe" data/kestrav.ini "$c/"

warte_auf() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
(cd "$c" && "$wine" 'c:\kestrav.exe' 'c:\demotag\np012830.23o' >/dev/null 2>&1 &)
fenster=$(warte_auf '^Kestrav f')
xdotool windowmove "$fenster" 10 10
sleep 2
bild() { sleep 1; import -window "$1" "$ziel/$2"; echo "$ziel/$2"; }
klick() { xdotool mousemove --window "$fenster" "$1" "$2" click 1; sleep 1; }

# Die Reiter liegen in der Zeile unter der Menüleiste.
klick 138 33
bild "$fenster" windows-reiter2-optionen.png
klick 198 33
bild "$fenster" windows-reiter3-analyse.png
klick 55 33
bild "$fenster" windows-reiter1-referenzpunkte.png

# Der Demotag: Arbeitsverzeichnis (der Dialog steht auf der ersten Demodatei), automatische
# Referenzauswahl, Start Berechnung, "Ja" zum Überschreiben, dann die Abschlussmeldung.
klick 100 76
dialog=$(warte_auf 'Arbeitsverzeichnis|RINEX|ffnen')
xdotool key --window "$dialog" Return
sleep 3
klick 100 292
klick 57 390
frage=$(warte_auf '^Vexlo Neuberechnung$')
bild "$frage" windows-frage.png
xdotool key Return
meldung=$(warte_auf '^Achtung Warnungen!$')
# Die Meldung unter das Fenster, beide auf hellem Grund zusammengesetzt wie unter Linux.
xdotool windowmove "$meldung" 10 430
sleep 2
bilder=$(mktemp -d)
import -window "$fenster" "$bilder/haupt.png"
import -window "$meldung" "$bilder/meldung.png"
convert -size 600x560 xc:'#d8d8d8' "$bilder/haupt.png" -geometry +10+10 -composite \
    "$bilder/meldung.png" -geometry +10+430 -composite "$ziel/windows-demotag.png"
rm -rf "$bilder"
echo "$ziel/windows-demotag.png"
