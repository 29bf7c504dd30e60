#!/usr/bin/env bash
# Der Demotag unter Wine: kestrav-stapel.exe rechnet mit dem Rechenkern in c:\programme\vexlo\
# (Testanlasser vor dem Linux-Simulator) und schreibt Mini-Protokoll und Koordinatendatei
# byte-gleich zum selben Tag unter Linux. Vorher: eine Stapeldatei beginnt ihre zweite Zeile erst
# nach dem Ende der ersten.
# Aufruf: demotag.sh WINE-TEST PRÄFIX WINDOWS-BIN LINUX-BIN QUELLEN
set -euo pipefail
wine_test=$1 praefix=$2 winbin=$3 linuxbin=$4 quellen=$5
for programm in "$linuxbin/vexlo-sim" "$linuxbin/kestrav-stapel" "$linuxbin/kestrav-cmd"; do
    [ -x "$programm" ] || { echo "Es fehlt $programm: erst den Linux-Bau."; exit 1; }
done
c=$praefix/drive_c
ref=$(mktemp -d)
trap 'rm -rf "$ref" "$c/folge" "$c/demotag" "$c/programme/vexlo" "$c/demotag.ini"' EXIT
fehler() { echo "FEHLER: $*"; exit 1; }

# Zwei Zeilen, die je eine Sekunde dauern: die Marken müssen sich abwechseln.
mkdir -p "$c/folge"
printf '#!/bin/sh\necho "beginn $1" >> protokoll\nsleep 1\necho "ende $1" >> protokoll\n' \
    > "$c/folge/schritt"
chmod +x "$c/folge/schritt"
cp "$winbin/vexlo-testanlasser.exe" "$c/folge/schritt.exe"
printf '@echo off\r\nc:\\folge\\schritt.exe 1\r\nc:\\folge\\schritt.exe 2\r\n' > "$c/folge/folge.bat"
(cd "$c/folge" && "$wine_test" "$praefix" cmd.exe /c 'c:\folge\folge.bat')
folge=$(tr '\n' ' ' < "$c/folge/protokoll")
[ "$folge" = "beginn 1 ende 1 beginn 2 ende 2 " ] || fehler "Stapelzeilen überlappen: $folge"
echo "Stapelzeilen der Reihe nach: $folge"

# Derselbe Tag unter Linux als Vergleich.
"$linuxbin/vexlo-sim" --installieren "$ref/c/programme/vexlo" > /dev/null
"$linuxbin/vexlo-sim" --demo "$ref/tag" > /dev/null
cp "$quellen/data/kestrav.ini" "$ref/kestrav.ini"
linux_rc=0
beginn=$(date +%s%N)
KESTRAV_LAUFWERK_C=$ref/c XDG_DATA_HOME=$ref/xdg KESTRAV_CMD=$linuxbin/kestrav-cmd \
    KESTRAV_ANZEIGE=/bin/true DISPLAY= WAYLAND_DISPLAY= \
    "$linuxbin/kestrav-stapel" --ja --einstellungen "$ref/kestrav.ini" "$ref/tag/np012830.23o" \
    > "$ref/linux.txt" || linux_rc=$?
linux_dauer=$(( ($(date +%s%N) - beginn) / 1000000 ))

# Unter Wine: die Programme des Rechenkerns sind Windows-Programme (der Testanlasser).
"$linuxbin/vexlo-sim" --installieren "$c/programme/vexlo" > /dev/null
for exe in "$c"/programme/vexlo/*.exe; do
    rm -f "$exe"
    cp "$winbin/vexlo-testanlasser.exe" "$exe"
done
"$linuxbin/vexlo-sim" --demo "$c/demotag" > /dev/null
cp "$quellen/data/kestrav.ini" "$c/demotag.ini"
windows_rc=0
beginn=$(date +%s%N)
KESTRAV_LAUFWERK_C=$c "$wine_test" "$praefix" "$winbin/kestrav-stapel.exe" --ja \
    --einstellungen 'c:\demotag.ini' 'c:\demotag\np012830.23o' > "$ref/windows.txt" ||
    windows_rc=$?
dauer=$(( ($(date +%s%N) - beginn) / 1000000 ))
cat "$ref/windows.txt"

[ "$windows_rc" = "$linux_rc" ] || fehler "Exitcode $windows_rc unter Wine, $linux_rc unter Linux"
for datei in _ergebnis_283.mini _ergebnis_283.PYXZ; do
    cmp "$ref/tag/$datei" "$c/demotag/$datei" || fehler "$datei unterscheidet sich"
done
grep -q $'\r\n' "$c/demotag/_ergebnis_283.mini" || fehler "Mini-Protokoll ohne CR LF"
# Umgeleitet schreibt kestrav-stapel.exe in der Codepage der Konsole (437 und 850: ü ist 0x81).
grep -q $'\x81berschrieben' "$ref/windows.txt" || fehler "Meldung nicht in der Codepage der Konsole"
echo "Demotag unter Wine: Exitcode $windows_rc wie unter Linux, Mini-Protokoll und" \
    "Koordinatendatei byte-gleich, $dauer ms (Linux: $linux_dauer ms)"
