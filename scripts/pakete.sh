#!/usr/bin/env bash
# Gemeinsame Einrichtung: fehlende Debian-Pakete nachinstallieren (als root oder mit sudo).
# Aufruf: source scripts/pakete.sh; kestrav_pakete PAKET...
kestrav_pakete() {
    local fehlend=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            fehlend+=("$p")
        fi
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installiere fehlende Pakete: ${fehlend[*]}"
    local als=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            als=(sudo)
        else
            echo "Fehlende Pakete (${fehlend[*]}) und weder root noch sudo." >&2
            return 1
        fi
    fi
    "${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq || true
    "${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

# Die UI-Tests laufen auch unter de_DE.UTF-8 (Dezimalkomma); Debian erzeugt es erst auf Wunsch.
kestrav_gebietsschema_de() {
    locale -a 2>/dev/null | grep -i '^de_DE\.utf-\?8$' >/dev/null && return 0
    kestrav_pakete locales
    local als=()
    [ "$(id -u)" -ne 0 ] && als=(sudo)
    if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
        "${als[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | "${als[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${als[@]}" locale-gen
}

# Was Bau und Tests brauchen.
KESTRAV_BAUPAKETE=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
                   qt6-base-dev libgl-dev libproj-dev proj-data proj-bin rtklib
                   locales qt6-translations-l10n)

# Was der Windows-Bau und seine Tests unter Wine brauchen.
# Fenster- und Installertests: Xvfb und NSIS.
KESTRAV_WINDOWSPAKETE=(g++-mingw-w64-x86-64-posix googletest wine64 xvfb nsis)
