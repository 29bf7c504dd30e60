#!/usr/bin/env bash
# Testanteil: nicht leere, nicht kommentierte C++-Zeilen in tests/ und fuzz/ gegen alle übrigen
# C++-Zeilen außerhalb von bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
zaehlen() { [ -n "$1" ] && echo "$1" | xargs -d '\n' cat 2>/dev/null | grep -cvE '^\s*(//.*)?$' || echo 0; }
alle=$(git ls-files -co --exclude-standard | grep -E '\.(h|hpp|cpp|cc)$')
tests=$(echo "$alle" | grep -E '(^|/)(tests?|fuzz)/' || true)
code=$(echo "$alle" | grep -vE '(^|/)(tests?|fuzz)/|(^|/)bench/' || true)
t=$(zaehlen "$tests")
c=$(zaehlen "$code")
echo "Testanteil: $t Testzeilen, $c Codezeilen, $((100 * t / c)) % (höchstens 35 %)"
