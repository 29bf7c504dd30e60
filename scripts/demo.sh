#!/usr/bin/env bash
# Frische Maschine: Pakete, Bau, Installation für diesen Benutzer, Simulator als Rechenkern im
# Laufwerk C:, ein Demotag - dann Kestrav mit der ersten Demodatei. Ohne Bildschirm rechnet
# kestrav-stapel den Tag und zeigt Meldungen, Mini-Protokoll und Koordinatendatei.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/pakete.sh
kestrav_pakete "${KESTRAV_BAUPAKETE[@]}"

# Nur die Programme; die Tests baut scripts/test.sh.
cmake --preset default -DCMAKE_INSTALL_PREFIX="$HOME/.local" >/dev/null
cmake --build build -j2 --target kestrav_programme
cmake --install build >/dev/null

daten=${XDG_DATA_HOME:-$HOME/.local/share}
programme="$daten/kestrav/c/programme/kestrav"
laufwerk_c=${KESTRAV_LAUFWERK_C:-$daten/kestrav/c}
export PATH="$HOME/.local/bin:$PATH"

# Ohne echten Rechenkern übernimmt der Simulator seine Stelle.
if [ ! -e "$laufwerk_c/programme/vexlo/bo2.exe" ] || [ -L "$laufwerk_c/programme/vexlo/bo2.exe" ]; then
    "$programme/vexlo-sim" --installieren "$laufwerk_c/programme/vexlo" >/dev/null
    echo "Simulator vexlo-sim als Rechenkern in $laufwerk_c/programme/vexlo"
fi

demo=${KESTRAV_DEMO:-$HOME/kestrav-demo}
mkdir -p "$demo"
"$programme/vexlo-sim" --demo "$demo" >/dev/null
erste=$(find "$demo" -maxdepth 1 -type f -iname '*.??o' ! -iname 'virt*' | LC_ALL=C sort -f | head -n 1)
echo "Demotag in $demo"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${KESTRAV_OHNE_FENSTER:-}" ]; then
    exec "$programme/kestrav" "$erste"
fi

echo "Kein Bildschirm: der Demotag wird ohne Fenster berechnet."
set +e
"$programme/kestrav-stapel" --ja "$erste"
status=$?
set -e
for datei in "$demo"/_ergebnis_*.mini "$demo"/_ergebnis_*.PYXZ; do
    [ -f "$datei" ] || continue
    echo "== $(basename "$datei") =="
    iconv -f WINDOWS-1252 -t UTF-8 "$datei" | tr -d '\r'
done
echo "kestrav-stapel endete mit $status (0 ohne, 1 mit Warnungen)."
echo "Mit Bildschirm später: kestrav $erste (kestrav liegt in ~/.local/bin)"
[ "$status" -le 1 ]
