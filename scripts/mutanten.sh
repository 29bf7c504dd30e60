#!/usr/bin/env bash
# Mutationsprüfung: jeder Mutant aus der Liste (Vorgabe scripts/mutanten.txt) wird in einer
# Arbeitskopie des Quellbaums eingesetzt, gebaut und gegen die Testsuite laufen gelassen. Ein
# Mutant ist getötet, wenn ein Test scheitert; sonst hat er überlebt und zeigt eine Lücke.
# Aufruf: scripts/mutanten.sh [LISTE] [NAME...]   (nur die genannten Mutanten)
# KESTRAV_MUTANTEN_STAND: ein Commit statt des Arbeitsbaums (etwa der Stand vor einer Änderung).
# KESTRAV_MUTANTEN_UI=1: auch Oberfläche und UI-Tests bauen und laufen lassen (ohne: schneller;
# in den Ordnern der Mutanten liegt keine Qt-Zeile).
# KESTRAV_MUTANTEN: Arbeitsverzeichnis (Vorgabe /tmp/kestrav-mutanten). Der Bau darin bleibt
# zwischen zwei Aufrufen liegen; ccache teilt die Objekte mit dem gewöhnlichen Bau.
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
liste=$(realpath "${1:-scripts/mutanten.txt}")
shift || true
arbeit=${KESTRAV_MUTANTEN:-/tmp/kestrav-mutanten}
quelle=$arbeit/quelle
mkdir -p "$quelle"

# Quellen herüber: nur Dateien mit anderem Inhalt bekommen eine neue Zeit, so baut ninja genau,
# was sich geändert hat (auch nach einem Wechsel zu einem älteren Stand). Gelöschte Dateien gehen
# weg, damit sie nicht über die Globs zurückkommen.
neu=$arbeit/neu
rm -rf "$neu"
mkdir -p "$neu"
if [ -n "${KESTRAV_MUTANTEN_STAND:-}" ]; then
    git archive "$KESTRAV_MUTANTEN_STAND" | tar -xf - -C "$neu"
else
    git ls-files -co --exclude-standard -z | tar --null -cf - -T - | tar -xf - -C "$neu"
fi
(cd "$neu" && find . -type f) | while IFS= read -r f; do
    if ! cmp -s "$neu/$f" "$quelle/$f"; then
        mkdir -p "$(dirname "$quelle/$f")"
        cp "$neu/$f" "$quelle/$f"
    fi
done
(cd "$quelle" && find . -path ./build -prune -o -type f -print) | while IFS= read -r f; do
    [ -e "$neu/$f" ] || rm -f "$quelle/$f"
done

# Gleiche Pfade relativ zum Basisverzeichnis: ccache trifft die Objekte des Arbeitsbaums.
export CCACHE_BASEDIR=$quelle
export QT_QPA_PLATFORM=offscreen
# Die Tests des Simulators linken keinen Kestrav-Code; kein Mutant ändert ihr Ergebnis.
ui=${KESTRAV_MUTANTEN_UI:-0}
ohne='fuzz|lang|windows|rtk|sim'
ziele=(test_text test_posix test_kern test_cmd test_stapel test_e2e fuzz_korpus kestrav-cmd kestrav-stapel
    vexlo-sim)
if [ "$ui" = 1 ]; then
    ziele+=(test_ui kestrav kestrav-anzeige)
else
    ohne="$ohne|ui"
fi
bauen() { cmake --build "$quelle/build" -j2 --target "${ziele[@]}" >"$arbeit/bau.log" 2>&1; }
pruefen() {
    # Ohne Kostendaten laufen die Tests in Ordnerreihenfolge, die schnellen Logiktests zuerst.
    # Testprogramme außerhalb der Ziele (etwa test_rtk) erscheinen als *_NOT_BUILT ohne Label.
    rm -f "$quelle/build/Testing/Temporary/CTestCostData.txt"
    (cd "$quelle/build" && ctest -j2 --timeout 120 --stop-on-failure -LE "$ohne" -E '_NOT_BUILT$' \
        >"$arbeit/test.log" 2>&1)
}

# lld bindet die Testprogramme je Mutant deutlich schneller als ld.bfd.
lld=()
command -v ld.lld >/dev/null && lld=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
(cd "$quelle" && cmake --preset default -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "${lld[@]}" \
    -DKESTRAV_UI="$([ "$ui" = 1 ] && echo ON || echo OFF)" >"$arbeit/konfig.log")
bauen || { echo "Der unveränderte Stand baut nicht, siehe $arbeit/bau.log"; exit 2; }
pruefen || { echo "Die Suite scheitert schon ohne Mutant, siehe $arbeit/test.log"; exit 2; }

# Die Liste als Blöcke lesen: Kopf "[name] datei", "- alt", "+ neu", optional "= Grund".
namen=() dateien=() alte=() neue=() gruende=()
while IFS= read -r zeile || [ -n "$zeile" ]; do
    case $zeile in
    \[*\]\ *)
        n=${zeile#[}
        namen+=("${n%%]*}") dateien+=("${zeile#*] }") alte+=("") neue+=("") gruende+=("") ;;
    "- "*) alte[${#alte[@]} - 1]=${zeile#- } ;;
    "+ "*) neue[${#neue[@]} - 1]=${zeile#+ } ;;
    "= "*) gruende[${#gruende[@]} - 1]=${zeile#= } ;;
    esac
done <"$liste"

gewaehlt() {
    [ $# -eq 1 ] && return 0
    local name=$1
    shift
    for w in "$@"; do [ "$w" = "$name" ] && return 0; done
    return 1
}

getoetet=0 gezaehlt=0 ueberlebende=()
for i in "${!namen[@]}"; do
    name=${namen[$i]} datei=${dateien[$i]}
    gewaehlt "$name" "$@" || continue
    if [ -n "${gruende[$i]}" ]; then
        echo "$name: äquivalent (${gruende[$i]})"
        continue
    fi
    ziel=$quelle/$datei
    sicherung=$arbeit/sicherung
    cp "$ziel" "$sicherung" 2>/dev/null || { echo "$name: nicht anwendbar ($datei fehlt)"; continue; }
    # Genau ein Vorkommen, wörtlich ersetzt.
    if ! ALT=${alte[$i]} NEU=${neue[$i]} perl -0777 -i -pe '
            BEGIN { $a = $ENV{ALT}; $n = $ENV{NEU} }
            my $z = () = /\Q$a\E/g;
            die "Vorkommen: $z\n" unless $z == 1;
            s/\Q$a\E/$n/;' "$ziel" 2>"$arbeit/perl.log"; then
        echo "$name: nicht anwendbar (Text in $datei $(cat "$arbeit/perl.log"))"
        continue
    fi
    beginn=$SECONDS
    if ! bauen; then
        echo "$name: baut nicht (zählt nicht), siehe Liste"
        cp "$sicherung" "$ziel"
        continue
    fi
    gezaehlt=$((gezaehlt + 1))
    if pruefen; then
        echo "$name: überlebt ($datei, $((SECONDS - beginn)) s)"
        ueberlebende+=("$name")
    else
        getoetet=$((getoetet + 1))
        erster=$(grep -m1 -oE '[0-9]+ - [^ ]+ \((Failed|Timeout)\)' "$arbeit/test.log" || true)
        echo "$name: getötet ($((SECONDS - beginn)) s; ${erster:-siehe test.log})"
    fi
    # Neue Zeit statt der alten: ninja baut die Datei beim nächsten Mutanten wieder unverändert.
    cp "$sicherung" "$ziel"
done
bauen || true
echo "$getoetet von $gezaehlt getötet"
[ ${#ueberlebende[@]} -eq 0 ] || echo "Überlebt: ${ueberlebende[*]}"
