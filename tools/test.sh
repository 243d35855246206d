#!/usr/bin/env bash
# Builds every preset and runs every test: the logic natively (also under the address and
# undefined-behaviour sanitizers, and under the thread sanitizer), everything else under Wine.
# Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
for preset in native native-sanitize native-tsan windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset native
ctest --preset native-sanitize
ctest --preset native-tsan
ctest --preset windows
