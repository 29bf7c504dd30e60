#!/usr/bin/env bash
# Ein Fuzz-Ziel für eine Zeit laufen lassen und die Zahl der Ausführungen melden.
# Aufruf: [KESTRAV_FUZZ_ZIEL=NAME] lauf.sh PROGRAMM SEKUNDEN STARTKORPUS ARBEITSVERZEICHNIS
# Neue Eingaben landen in ARBEITSVERZEICHNIS/korpus (der Startkorpus im Quellbaum bleibt, wie er
# ist), Funde in ARBEITSVERZEICHNIS/funde.
set -uo pipefail
ziel=$(realpath "$1") sekunden=$2 start=$(realpath "$3") arbeit=$(realpath -m "$4")
name=${KESTRAV_FUZZ_ZIEL:-$(basename "$ziel")}
mkdir -p "$arbeit/korpus" "$arbeit/funde"
# Die Dateiziele schreiben je Ausführung eine Datei: im Arbeitsspeicher geht das viel schneller.
tempbasis=/dev/shm
[ -d "$tempbasis" ] && [ -w "$tempbasis" ] || tempbasis=${TMPDIR:-/tmp}
temp=$(mktemp -d "$tempbasis/kestrav-fuzz-XXXXXX")
trap 'rm -rf "$temp"' EXIT
# Eine kleinere Quarantäne hält frei gewordene Leseblöcke im Speicher statt neue Seiten
# anzufordern; Zugriffe auf gerade Freigegebenes fallen weiter auf.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

KESTRAV_FUZZ_TEMP=$temp "$ziel" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$arbeit/funde/" "$arbeit/korpus" "$start" \
    >"$arbeit/protokoll.txt" 2>&1
ergebnis=$?

ausfuehrungen=$(sed -n 's/^stat::number_of_executed_units: *//p' "$arbeit/protokoll.txt" | tail -n1)
korpus=$(find "$arbeit/korpus" -type f | wc -l)
if [ "$ergebnis" -ne 0 ]; then
    tail -n 40 "$arbeit/protokoll.txt"
    echo "$name: FEHLER (Exitcode $ergebnis) nach ${ausfuehrungen:-?} Ausführungen, Funde in $arbeit/funde"
    exit 1
fi
echo "$name: ${ausfuehrungen:-?} Ausführungen in $sekunden s, kein Fund (Korpus $korpus Dateien)"
