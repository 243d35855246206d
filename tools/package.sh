#!/usr/bin/env bash
# Builds the Windows program and its two packages, named after the version set in CMakeLists.txt:
#   build/dist/Vantrelle-<version>-x64.msi   the Windows Installer package (per machine)
#   build/dist/Vantrelle-<version>-x64.zip   the portable copy: Vantrelle.exe and README.txt
#   build/dist/Vantrelle-<version>-admx.zip  the administrative templates for Group Policy and Intune
# The program and the installer package are signed with the certificate the environment names
# (packaging/sign.sh); without one, with a throwaway test certificate. --unsigned builds them unsigned.
#   package.sh [--unsigned]
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  --unsigned) export VANTRELLE_UNSIGNED=1 ;;
  "") ;;
  *) echo "usage: tools/package.sh [--unsigned]" >&2; exit 2 ;;
esac
if [ -z "${VANTRELLE_UNSIGNED:-}${VANTRELLE_SIGN_PFX:-}${VANTRELLE_SIGN_PKCS11_MODULE:-}" ]; then
  echo "warning: no signing certificate in the environment: the packages carry a throwaway test signature" >&2
fi
# The signature is made when the program changes; a new certificate or switch signs everything again.
rm -rf build/windows/packaging/signed build/dist
bash tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
for package in "build/dist/Vantrelle-$version-x64.msi" "build/dist/Vantrelle-$version-x64.zip" \
               "build/dist/Vantrelle-$version-admx.zip"; do
  echo "$package ($(stat -c %s "$package") bytes)"
done
