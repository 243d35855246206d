#!/usr/bin/env bash
# Builds both presets and runs every test: the logic natively, everything else under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset native
ctest --preset windows
