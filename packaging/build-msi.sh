#!/usr/bin/env bash
# Builds the Windows Installer package with wixl (package wixl) and msitools.
#   build-msi.sh FOLDER VERSION OUTPUT.msi
# FOLDER holds Vantrelle.wxs, Vantrelle.exe and Vantrelle.ico: wixl finds files only beside the source.
set -euo pipefail
folder=$1 version=$2 output=$(realpath -m "$3")
cd "$folder"
wixl --arch x64 -D Version="$version" -D ProgramFile=Vantrelle.exe -D IconFile=Vantrelle.ico -o "$output" \
  Vantrelle.wxs 2> >(grep -v '^$' >&2)
# wixl cannot include an upgrade range's maximum, nor carry the features over. Without both, a rebuild
# of the same version would install beside the installed one instead of replacing it: the range that
# finds an older copy gets attributes 769 (features migrated 1, minimum 256 and maximum 512 included).
msiinfo export "$output" Upgrade | tr -d '\r' |
  awk -F'\t' 'BEGIN { OFS = FS } $7 == "WIX_UPGRADE_DETECTED" { $5 = 769 } { printf "%s\r\n", $0 }' >Upgrade.idt
msibuild "$output" -i Upgrade.idt
