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
# Der Desktop des dauerhaften Servers bindet sich an den Bildschirm, mit dem er entsteht; ohne ihn
# bekäme er den Nulltreiber, und kein späteres Fenster ließe sich anlegen. Daher ein eigener Xvfb
# je Präfix, der so lange lebt wie der Server, und jedes Programm des Präfixes nutzt ihn.
anzeige=$praefix.anzeige
xvfb_beenden() {
    [[ -s $anzeige.pid ]] && kill "$(cat "$anzeige.pid")" 2>/dev/null || true
    rm -f "$anzeige" "$anzeige.pid"
}
case $1 in
anlegen)
    "$wineserver" -k 2>/dev/null || true
    xvfb_beenden
    rm -rf "$praefix"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$anzeige" \
        </dev/null >/dev/null 2>&1 &
    echo $! >"$anzeige.pid"
    for _ in $(seq 100); do
        [[ -s $anzeige ]] && break
        sleep 0.1
    done
    [[ -s $anzeige ]] || { echo "Xvfb startet nicht" >&2; exit 1; }
    export DISPLAY=:$(cat "$anzeige")
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
    xvfb_beenden
    rm -rf "$praefix"
    ;;
*)
    [[ -s $anzeige ]] && export DISPLAY=:$(cat "$anzeige")
    exec "$wine" "$@"
    ;;
esac
