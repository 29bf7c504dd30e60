#!/usr/bin/env bash
# Windows-Programme der Tests unter Wine: eigener Präfix je Testlauf, ohne Meldungen von Wine.
# Aufruf: wine-test.sh PRÄFIX anlegen | PRÄFIX entfernen | PRÄFIX PROGRAMM [ARGUMENTE...]
# Das Anlegen kostet rund 20 s, daher einmal je Lauf (CTest-Fixture), nicht je Test.
set -euo pipefail
praefix=$1
shift
export WINEPREFIX=$praefix WINEDEBUG=-all
# Wines Papierkorb ist der freedesktop.org-Papierkorb des Benutzers: im Test der des Präfixes.
export XDG_DATA_HOME=$praefix/xdg
# Ohne Mono und Gecko: sonst fragt wineboot nach einem Download.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=${KESTRAV_WINE:-/usr/lib/wine/wine64}
wineserver=${KESTRAV_WINESERVER:-$(dirname "$wine")/wineserver}
case $1 in
anlegen)
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$praefix"
    "$wine" wineboot --init >/dev/null 2>&1
    mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
    "$wineserver" -w
    # Der Server bleibt bis zum Entfernen: sonst startet jeder Test ihn und die Dienste neu.
    "$wineserver" -p </dev/null >/dev/null 2>&1
    # Die Systemdienste von Wine starten hier, ohne die Ausgabe eines Tests zu erben: CTest
    # wartete sonst auf sie, bis der Server endet.
    "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
    ;;
entfernen)
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$praefix"
    ;;
*)
    exec "$wine" "$@"
    ;;
esac
