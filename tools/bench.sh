#!/usr/bin/env bash
# Builds the Windows preset and runs every benchmark under the throwaway Wine sandbox.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows
export VANTRELLE_WINE_ROOT=${VANTRELLE_WINE_ROOT:-$PWD/build/windows/wine-sandbox}
for bench in build/windows/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  echo "== $(basename "$bench" .exe)"
  tools/wine-sandbox.sh "$bench"
done
