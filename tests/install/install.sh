#!/usr/bin/env bash
# Install test: the package as a Windows administrator deploys it, in a fresh sealed Wine prefix under
# Xvfb. Silent install, the installed program started, its shortcut and installed-programs entry,
# /preview and /clean from the installed path (exit codes, output, files, the history and the last-run
# line), the machine's run accepted from the installed program and refused from the portable copy in
# Downloads, an upgrade in place, silent removal, and nothing of the program left but the person's
# settings (and the history of their runs).
#   install.sh PACKAGE.msi PORTABLE.zip MSI-FOLDER VERSION [CERTIFICATE.pem]
# MSI-FOLDER is the folder the package was built from (packaging/build-msi.sh), for a newer package.
# CERTIFICATE is the one the packages were signed with (packaging/sign.sh); the signatures of the
# program, the installed program and the package are verified against it. A build made without a
# signature (VANTRELLE_UNSIGNED=1) has no certificate to verify against.
set -euo pipefail
msi=$(realpath "$1")
zip=$(realpath "$2")
stage=$(realpath "$3")
version=$4
certificate=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/wine-prefix.sh"

root=${VANTRELLE_WINE_ROOT:-${TMPDIR:-/tmp}/vantrelle-wine-$(id -u)}-install
rm -rf "$root"
vantrelle_prefix_env "$root"
work="$root/work"
mkdir -p "$work"

xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

failed=0
check() {  # check MESSAGE COMMAND...
  local message=$1
  shift
  if "$@"; then echo "ok: $message"; else echo "FAILED: $message"; failed=1; fi
}
reg_value() {  # reg_value KEY NAME [/reg:32|/reg:64]: the value's data, or nothing
  { wine reg query "$1" /v "$2" ${3:-} 2>/dev/null || true; } | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
uninstall_entries() {  # the installed-programs entries named Vantrelle, one "version publisher" a line
  local key
  for key in $({ wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null || true; } |
               tr -d '\r' | grep '{' || true); do
    [ "$(reg_value "$key" DisplayName)" = Vantrelle ] || continue
    echo "$(reg_value "$key" DisplayVersion) $(reg_value "$key" Publisher)"
  done
}
settings='HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle'
run_key='SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
drive_c="$WINEPREFIX/drive_c"
program_folder="$drive_c/Program Files/Vantrelle"
program='C:\Program Files\Vantrelle\Vantrelle.exe'
shortcuts=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrelle.lnk"
           "$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vantrelle.lnk")
shortcut_present() {  # Wine puts a per-machine package's shortcut into the installing user's menu
  [ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ]
}

wineboot --init >/dev/null 2>&1
vantrelle_seal_prefix
cd "$drive_c"  # Wine starts its programs in the current folder, which must lie on a drive
check "no drive leads out of the prefix" test ! -e "$WINEPREFIX/dosdevices/z:"

signed() {  # signed FILE: an Authenticode signature that verifies against the signing certificate
  osslsigncode verify -CAfile "$certificate" -in "$1" >"$work/verify.txt" 2>&1 &&
    grep -q 'Message digest algorithm *: SHA256' "$work/verify.txt"
}
if [ "${VANTRELLE_UNSIGNED:-}" != 1 ]; then
  echo "== signatures"
  check "the installer package is signed (SHA-256)" signed "$msi"
  (cd "$work" && cmake -E tar xf "$zip" Vantrelle.exe)
  check "the program in the portable copy is signed" signed "$work/Vantrelle.exe"
  cp "$work/Vantrelle.exe" "$work/changed.exe"
  printf '\x01' | dd of="$work/changed.exe" bs=1 seek=200 conv=notrunc 2>/dev/null
  check "... and the same program changed after signing fails the check" eval '! signed "$work/changed.exe"'
fi

echo "== silent install"
check "msiexec /i /qn succeeds" vantrelle_install_package "$msi"
check "the program is in C:\\Program Files\\Vantrelle" cmp -s "$program_folder/Vantrelle.exe" "$stage/Vantrelle.exe"
[ "${VANTRELLE_UNSIGNED:-}" != 1 ] && check "the installed program is signed" signed "$program_folder/Vantrelle.exe"
check "a Start-menu shortcut \"Vantrelle\"" shortcut_present
check "the system cleanup task beside the program" test -s "$program_folder/Vantrelle-system-cleanup.xml"
check "one installed-programs entry: Vantrelle $version by Marrowick" \
  test "$(uninstall_entries)" = "$version Marrowick"

echo "== the installed program"
wine "$program" >/dev/null 2>&1 &
# Start-up restores every choice and stores it back; the own folder's default lies beside the program.
started=""
for _ in $(seq 60); do
  started=$(reg_value "$settings" Text1)
  [ -n "$started" ] && break
  sleep 1
done
check "the installed program starts from its folder" test "$started" = 'C:\Program Files\Vantrelle\Samples'

echo "== /clean from the installed path, beside the running window program"
trees="$drive_c/clean-test"
mkdir -p "$trees/own/sub/deeper" "$trees/outside"
echo keep >"$trees/outside/keep.txt"
for file in own/a.tmp own/sub/b.tmp own/sub/deeper/c.tmp; do echo temporary >"$trees/$file"; done
ln -s "$trees/outside" "$trees/own/link-out"
wine reg add "$settings" /v UserFolder /d 1 /f >/dev/null 2>&1
wine reg add "$settings" /v Text1 /d 'C:\clean-test\own' /f >/dev/null 2>&1
clean() {  # clean SWITCH: runs the installed program with it; its exit code, its output in $work/out.txt
  local status=0
  wine "$program" "$1" >"$work/out.txt" 2>/dev/null || status=$?
  tr -d '\r' <"$work/out.txt" >"$work/output.txt"
  return $status
}
history="$drive_c/users/$(id -un)/AppData/Local/Vantrelle/history.log"
last_block() {  # the history's last run, from its "Run " line on
  tr -d '\r' <"$history" | awk '/^Run / { block = "" } { block = block $0 "\n" } END { printf "%s", block }'
}
status=0 && clean /preview || status=$?
check "/preview exits 0" test $status = 0
check "... and counts the own folder's three files" grep -q '^Own folder (C:\\clean-test\\own): 3 files, ' "$work/output.txt"
check "... and deletes nothing" test -f "$trees/own/sub/deeper/c.tmp"
status=0 && clean /clean || status=$?
# Wine opens a link as what it points to, so the run must leave the link itself: an entry left.
check "/clean exits 1 when entries were left" test $status = 1
check "... the own folder is empty but for the link, and still there" \
  test -d "$trees/own" -a "$(ls -A "$trees/own")" = link-out
check "... and what the link leads to is untouched" test -f "$trees/outside/keep.txt"
check "... its output is the run's block of the history, started by \"Command line\"" \
  eval 'test "$(cat "$work/output.txt")" = "$(last_block)" && head -n1 "$work/output.txt" | grep -q "started by Command line$"'
check "... which names the link it left" grep -q 'link-out (a link left alone)$' "$work/output.txt"
check "... and the window's last-run line is stored" eval 'reg_value "$settings" LastRunSummary | grep -q "^Last run: .*: 3 files deleted, .* freed, 1 left$"'
rm "$trees/own/link-out"
echo temporary >"$trees/own/d.tmp"
status=0 && clean /clean || status=$?
check "/clean exits 0 when all was emptied and nothing left" test $status = 0
check "... the own folder is empty" test -z "$(ls -A "$trees/own")"
check "... its output is the history's new block" eval 'test "$(cat "$work/output.txt")" = "$(last_block)"'
check "... the history holds both runs" test "$(grep -c '^Run .*started by Command line' "$history")" = 2
wine reg add "$settings" /v Text1 /d 'C:\clean-test\missing' /f >/dev/null 2>&1
status=0 && clean -CLEAN || status=$?
check "/clean exits 2 when a location fails" test $status = 2
check "... and says which after the run's block, in the window's words" \
  test "$(cat "$work/output.txt")" = "$(last_block)"$'\n\n''Error encountered during emptying files in C:\clean-test\missing.'
status=0 && clean /? || status=$?
check "/? prints the usage and exits 0" eval 'test $status = 0 && grep -q "Usage: Vantrelle.exe" "$work/output.txt"'
status=0 && clean /nonsense || status=$?
check "anything else prints the usage and exits 3" eval 'test $status = 3 && grep -q "Usage: Vantrelle.exe" "$work/output.txt"'

echo "== system files: the installed program only"
# A machine's pile and its choice; the portable copy, as a person would unpack it into Downloads.
wer="$drive_c/ProgramData/Microsoft/Windows/WER/ReportQueue/r1"
mkdir -p "$wer" && echo report >"$wer/Report.wer"
wine reg add 'HKLM\Software\Marrowick\Vantrelle\System' /v SystemErrorReports /d 1 /f >/dev/null 2>&1
downloads="$drive_c/users/$(id -un)/Downloads/Vantrelle"
mkdir -p "$downloads"
(cd "$downloads" && cmake -E tar xf "$zip" Vantrelle.exe)
portable="C:\\users\\$(id -un)\\Downloads\\Vantrelle\\Vantrelle.exe"
refusal="Cleaning system files needs Vantrelle installed for everyone: run Vantrelle-$version-x64.msi."
for switches in "/clean /system" "/preview /system"; do
  status=0
  wine "$portable" $switches >"$work/out.txt" 2>/dev/null || status=$?
  check "the copy in Downloads refuses $switches with exit code 5" test $status = 5
  check "... saying so" test "$(tr -d '\r' <"$work/out.txt")" = "$refusal"
done
check "... and touches nothing" test -f "$wer/Report.wer"
status=0
wine "$program" /preview /system >"$work/out.txt" 2>/dev/null || status=$?
check "the installed program accepts /preview /system" eval 'test $status = 0 && grep -q "^System error reports: 1 file" "$work/out.txt"'
status=0
wine "$program" /clean /system >"$work/out.txt" 2>/dev/null || status=$?
check "... and /clean /system, which empties the chosen pile" eval 'test $status = 0 && test ! -e "$wer/Report.wer"'
wine reg delete 'HKLM\Software\Marrowick' /f >/dev/null 2>&1
wine taskkill /im Vantrelle.exe >/dev/null 2>&1 || true
wineserver -w

echo "== upgrade in place"
newer=$(awk -F. -v OFS=. '{ $2 += 1; $3 = 0; print }' <<<"$version")
bash "$here/../../packaging/build-msi.sh" "$stage" "$newer" "$work/Vantrelle-$newer-x64.msi" 2>/dev/null
check "a newer package installs silently" vantrelle_install_package "$work/Vantrelle-$newer-x64.msi"
check "it replaced the older one: one entry, Vantrelle $newer" test "$(uninstall_entries)" = "$newer Marrowick"
check "the program is still there" test -f "$program_folder/Vantrelle.exe"
check "the settings were kept" test -n "$(reg_value "$settings" Text1)"
check "an older package is refused" eval '! vantrelle_install_package "$msi" >/dev/null 2>&1'
check "still one entry, Vantrelle $newer" test "$(uninstall_entries)" = "$newer Marrowick"
bash "$here/../../packaging/build-msi.sh" "$stage" "$newer" "$work/rebuilt.msi" 2>/dev/null
check "a rebuild of the same version replaces it too" vantrelle_install_package "$work/rebuilt.msi"
check "still one entry" test "$(uninstall_entries)" = "$newer Marrowick"

echo "== silent removal"
# Start with Windows as the program leaves it, in both machine views and for the person, beside
# other programs' values that must stay.
for view in /reg:64 /reg:32; do
  wine reg add "HKLM\\$run_key" /v Vantrelle.exe /d "\"$program\"" /f $view >/dev/null 2>&1
  wine reg add "HKLM\\$run_key" /v Other.exe /d other.exe /f $view >/dev/null 2>&1
done
wine reg add "HKCU\\$run_key" /v Vantrelle.exe /d "\"$program\"" /f >/dev/null 2>&1
wine reg add "HKCU\\$run_key" /v Other.exe /d other.exe /f >/dev/null 2>&1
check "msiexec /x /qn succeeds" vantrelle_uninstall_package "$work/rebuilt.msi"
check "the program's folder is gone" test ! -e "$program_folder"
check "the shortcut is gone" eval '! shortcut_present'
check "the installed-programs entry is gone" test -z "$(uninstall_entries)"
for view in /reg:64 /reg:32; do
  check "start with Windows is gone from the machine ($view)" test -z "$(reg_value "HKLM\\$run_key" Vantrelle.exe $view)"
  check "another program's start-up value stays ($view)" test -n "$(reg_value "HKLM\\$run_key" Other.exe $view)"
done
check "start with Windows is gone for the person" test -z "$(reg_value "HKCU\\$run_key" Vantrelle.exe)"
check "another program's start-up value of the person stays" test -n "$(reg_value "HKCU\\$run_key" Other.exe)"
check "the person's settings stay" test -n "$(reg_value "$settings" Text1)"
check "the history of the person's runs stays" test -s "$history"

echo "== portable copy"
check "the zip holds Vantrelle.exe and README.txt, no system task" \
  test "$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')" = "README.txt Vantrelle.exe "
(cd "$work" && cmake -E tar xf "$zip" README.txt)
check "... whose README says that system files need the installed program" \
  grep -q "needs Vantrelle installed" "$work/README.txt"

exit $failed
