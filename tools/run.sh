#!/usr/bin/env bash
# Installs what is missing, builds Vantrelle and its installer package, installs the package into a
# Wine prefix of Vantrelle's own the way a Windows user would (msiexec /i /qn into C:\Program
# Files\Vantrelle) and starts the installed program under Wine's virtual desktop (with its taskbar
# and notification area) on this display. Without a display it runs under Xvfb and saves a
# screenshot instead.
#
# Vantrelle deletes files. Its prefix has a home folder of its own and no drive that leads out of it
# (Wine maps Z: to the host's root folder; it is removed here), so that the program can never reach
# ~/.wine, your home folders or your desktop's trash. Set VANTRELLE_PREFIX to choose where it lives.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
source tools/wine-prefix.sh
bash tools/package.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
msi=$source/build/dist/Vantrelle-$version-x64.msi
shot=$source/build/windows/vantrelle-screen.png

vantrelle_prefix_env "${VANTRELLE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/vantrelle}"
desktop=Vantrelle
size=1024x768

xvfb=""
cleanup() { [ -n "$xvfb" ] && { wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; }; }
trap cleanup EXIT
trap "exit 130" INT TERM
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  displayFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayFile" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$displayFile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$displayFile")"
  rm -f "$displayFile"
  echo "No display found: Vantrelle runs on a virtual X display ($DISPLAY)."
fi

if [ ! -f "$WINEPREFIX/.vantrelle-ready" ]; then
  echo "Preparing Vantrelle's own Wine prefix in $WINEPREFIX (once)..."
  wineboot --init >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d "$size" /f >/dev/null 2>&1
  wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$desktop" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vantrelle-ready"
fi
# Every time: Wine may have put a drive back (an older prefix, an update of Wine).
vantrelle_seal_prefix
cd "$WINEPREFIX/drive_c"  # Wine starts its programs in the current folder, which must lie on a drive

# A changed package is installed over the installed one, which keeps every setting.
installed="$WINEPREFIX/.vantrelle-installed"
if ! sha256sum "$msi" | cmp -s - "$installed"; then
  echo "Installing $(basename "$msi") into C:\\Program Files\\Vantrelle"
  vantrelle_install_package "$msi"
  sha256sum "$msi" >"$installed"
fi

program='C:\Program Files\Vantrelle\Vantrelle.exe'
echo "Starting $program (Wine prefix: $WINEPREFIX)"
if [ -z "$xvfb" ]; then
  exec wine explorer "/desktop=$desktop,$size" "$program"
fi
wine explorer "/desktop=$desktop,$size" "$program" >/dev/null 2>&1 &
sleep 8
import -window root -crop "${size}+0+0" "$shot"
echo "Screenshot of the running program: $shot"
echo "It keeps running until you press Ctrl+C. To watch it live, run this command from a desktop"
echo "session, or serve the display with a VNC server (for example: x11vnc -display $DISPLAY)."
wait
