#!/usr/bin/env bash
# Builds the Windows program and its two packages, named after the version set in CMakeLists.txt:
#   build/dist/Vantrelle-<version>-x64.msi   the Windows Installer package (per machine)
#   build/dist/Vantrelle-<version>-x64.zip   the portable copy: Vantrelle.exe and README.txt
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
for package in "build/dist/Vantrelle-$version-x64.msi" "build/dist/Vantrelle-$version-x64.zip"; do
  echo "$package ($(stat -c %s "$package") bytes)"
done
