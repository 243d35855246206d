#!/usr/bin/env bash
# Builds both presets and runs every benchmark: the logic ones natively, the Windows ones under the
# throwaway Wine sandbox. Each prints its figures and ratios against its side-by-side baseline.
#   tools/bench.sh [name...]   only the benchmarks whose names contain one of the given words
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
export VANTRELLE_WINE_ROOT=${VANTRELLE_WINE_ROOT:-$PWD/build/windows/wine-sandbox}
wanted() {
  [ $# -gt 1 ] || return 0
  local name=$1 word
  shift
  for word in "$@"; do [[ $name == *"$word"* ]] && return 0; done
  return 1
}
for bench in build/native/bench/bench_* build/windows/bench/bench_*.exe; do
  [ -x "$bench" ] || [ -e "$bench" ] || continue
  name=$(basename "$bench" .exe)
  wanted "$name" "$@" || continue
  echo "== $name"
  case "$bench" in
    *.exe) tools/wine-sandbox.sh "$bench" ;;
    *) "$bench" ;;
  esac
done
