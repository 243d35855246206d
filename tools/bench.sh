#!/usr/bin/env bash
# Builds the Windows preset and runs every benchmark under the throwaway Wine sandbox.
#   tools/bench.sh [name...]   only the benchmarks whose names contain one of the given words
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows
export VANTRELLE_WINE_ROOT=${VANTRELLE_WINE_ROOT:-$PWD/build/windows/wine-sandbox}
for bench in build/windows/bench/bench_*.exe; do
  [ -e "$bench" ] || continue
  name=$(basename "$bench" .exe)
  if [ $# -gt 0 ]; then
    wanted=false
    for word in "$@"; do [[ $name == *"$word"* ]] && wanted=true; done
    $wanted || continue
  fi
  echo "== $name"
  tools/wine-sandbox.sh "$bench"
done
