#!/usr/bin/env bash
# Richtet unter Wine den Rechenkern in C:\programme\vexlo\ ein: die Dateien des Linux-Simulators,
# seine Programme als Testanlasser (Windows-Programme, die das Linux-Programm gleichen Namens
# starten und auf sein Ende warten). Nur für Tests und Bilder.
# Aufruf: wine-rechenkern.sh LAUFWERK-C WINDOWS-BIN LINUX-BIN
set -euo pipefail
c=$1 winbin=$2 linuxbin=$3
"$linuxbin/vexlo-sim" --installieren "$c/programme/vexlo" >/dev/null
# Die .exe verweisen auf das Linux-Programm; erst entfernen, sonst überschriebe cp dieses.
for exe in "$c"/programme/vexlo/*.exe; do
    rm -f "$exe"
    cp "$winbin/vexlo-testanlasser.exe" "$exe"
done
