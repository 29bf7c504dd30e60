#!/usr/bin/env bash
# Der Demotag durch das Win32-Fenster unter Wine: der Rechenkern ist der Linux-Simulator hinter
# dem Testanlasser; Mini-Protokoll und Koordinatendatei müssen byte-gleich zum Lauf von
# kestrav-stapel unter Linux sein.
# Aufruf: demotag.sh WINE-TEST PRÄFIX WINDOWS-BIN LINUX-BIN QUELLEN
set -euo pipefail
wine_test=$1 praefix=$2 winbin=$3 linuxbin=$4 quellen=$5
c=$praefix/drive_c
ref=$(mktemp -d)
trap 'rm -rf "$ref" "$c/fenstertag" "$c/programme/vexlo"' EXIT

"$linuxbin/vexlo-sim" --installieren "$ref/c/programme/vexlo" >/dev/null
"$linuxbin/vexlo-sim" --demo "$ref/tag" >/dev/null
cp "$quellen/data/kestrav.ini" "$ref/kestrav.ini"
KESTRAV_LAUFWERK_C=$ref/c XDG_DATA_HOME=$ref/xdg KESTRAV_CMD=$linuxbin/kestrav-cmd \
    KESTRAV_ANZEIGE=/bin/true DISPLAY= WAYLAND_DISPLAY= \
    "$linuxbin/kestrav-stapel" --ja --einstellungen "$ref/kestrav.ini" "$ref/tag/np012830.23o" \
    >/dev/null || true

"$quellen/scripts/wine-rechenkern.sh" "$c" "$winbin" "$linuxbin"
"$linuxbin/vexlo-sim" --demo "$c/fenstertag" >/dev/null
# Scheitert der Lauf, zeigen Mini-Protokoll und Fehlerdateien der Engine, welcher Punkt abwich.
KESTRAV_DEMOTAG='c:\fenstertag\np012830.23o' "$wine_test" "$praefix" \
    "$winbin/test_win32ui.exe" --gtest_filter=Demotag.* || {
    for datei in "$c"/fenstertag/_ergebnis_283.mini "$c"/fenstertag/*.err; do
        [ -f "$datei" ] && { echo "== $datei"; cat "$datei"; }
    done
    exit 1
}
for datei in _ergebnis_283.mini _ergebnis_283.PYXZ; do
    cmp "$ref/tag/$datei" "$c/fenstertag/$datei" || { echo "FEHLER: $datei"; exit 1; }
done
echo "Demotag durch das Fenster: Mini-Protokoll und Koordinatendatei byte-gleich zu Linux"
