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

# Was Bau und Tests brauchen.
KESTRAV_BAUPAKETE=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
                   qt6-base-dev libgl-dev libproj-dev proj-data proj-bin)

# Was der Windows-Bau und seine Tests unter Wine brauchen.
# Fenster- und Installertests: Xvfb und NSIS.
KESTRAV_WINDOWSPAKETE=(g++-mingw-w64-x86-64-posix googletest wine64 xvfb nsis)
