#!/usr/bin/env bash
# Builds every preset and runs every test: the logic natively (also under the address and
# undefined-behaviour sanitizers, and under the thread sanitizer), everything else under Wine, and the
# community list's reader under libFuzzer for 60 seconds. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
for preset in native native-sanitize native-tsan windows fuzz; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset native
ctest --preset native-sanitize
ctest --preset native-tsan
ctest --preset windows
# New inputs the fuzzer finds go to a scratch folder; the seed corpus stays as committed.
rm -rf build/fuzz/corpus && mkdir -p build/fuzz/corpus
build/fuzz/fuzz/community_list_fuzz -max_total_time=60 -timeout=10 -print_final_stats=1 build/fuzz/corpus fuzz/corpus
