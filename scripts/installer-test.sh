#!/usr/bin/env bash
# Installiert kestrav-setup.exe still in einen frischen Wine-Präfix, startet das installierte
# kestrav.exe bis zum gezeichneten Fenster und deinstalliert wieder: Programme, Startmenü und
# Zuordnungen verschwinden, die kestrav.ini des Benutzers bleibt.
# Aufruf: installer-test.sh SETUP.EXE PROGRAMM...   (braucht DISPLAY, etwa unter xvfb-wine.sh)
set -euo pipefail
setup=$(realpath "$1")
shift
programme=("${@/%/.exe}")
praefix=$(mktemp -d "${TMPDIR:-/tmp}/kestrav-installer.XXXXXX")
export WINEPREFIX=$praefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=${KESTRAV_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver
aufraeumen() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$praefix"
}
trap aufraeumen EXIT
fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
ziel=$("$wine" cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Programs\\Kestrav
unix_ziel=$("$wine" winepath -u "$ziel" 2>/dev/null)
schluessel() { "$wine" reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -c "$2" || true; }

"$wine" "$setup" /S
"$wineserver" -w
for datei in "${programme[@]}" kestrav.ini Deinstallieren.exe; do
    [[ -f $unix_ziel/$datei ]] || fehler "$datei fehlt in $unix_ziel"
done
ls "$praefix"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kestrav.lnk \
    >/dev/null 2>&1 || fehler "kein Eintrag im Startmenü"
for endung in 00o 23o 99o; do
    [[ $(schluessel "HKCU\\Software\\Classes\\.$endung" Kestrav.RINEX) == 1 ]] ||
        fehler ".$endung ist nicht Kestrav zugeordnet"
done

# Das installierte Programm startet und zeichnet sein Fenster; mit dem Rechenkern an seinem Platz
# meldet der Start nichts, was auf eine Antwort wartete.
vexlo=$praefix/drive_c/programme/vexlo
mkdir -p "$vexlo"
touch "$vexlo/bo1.exe" "$vexlo/bo2.exe" "$vexlo/geoid.bog"
printf 'vom Benutzer\r\n' >>"$unix_ziel/kestrav.ini"
KESTRAV_STARTMESSUNG=1 timeout 60 "$wine" "$unix_ziel/kestrav.exe" || fehler "kestrav.exe startet nicht"

# Die Deinstallation läuft als Kopie im Temp-Ordner weiter; wineserver -w wartet auf sie.
"$wine" "$unix_ziel/Deinstallieren.exe" /S
"$wineserver" -w
for datei in "${programme[@]}" Deinstallieren.exe; do
    [[ ! -e $unix_ziel/$datei ]] || fehler "$datei ist nach der Deinstallation noch da"
done
grep -q 'vom Benutzer' "$unix_ziel/kestrav.ini" || fehler "kestrav.ini des Benutzers ist fort"
[[ $(schluessel "HKCU\\Software\\Classes\\.23o" Kestrav.RINEX) == 0 ]] ||
    fehler "Zuordnung .23o ist nach der Deinstallation noch da"
echo "Installation, Start und Deinstallation in Ordnung ($(stat -c %s "$setup") Bytes)"
