#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine's virtual desktop
# (with its taskbar and notification area) on this display. Without a display it runs under Xvfb
# and saves a screenshot instead.
#
# Vantrelle deletes files. It runs in a Wine prefix of its own, with a home folder of its own, so
# that it can never reach ~/.wine, your home folders or your desktop's trash (Wine's Recycle Bin is
# the host's trash). Set VANTRELLE_PREFIX to choose where that prefix lives.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
bash tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Vantrelle
program=$source/build/windows/Vantrelle.exe

base=${VANTRELLE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/vantrelle}
mkdir -p "$base/home" "$base/data" "$base/config" "$base/cache"
export WINEPREFIX="$base/prefix" HOME="$base/home" WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export XDG_DATA_HOME="$base/data" XDG_CONFIG_HOME="$base/config" XDG_CACHE_HOME="$base/cache"
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
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

echo "Starting Vantrelle (Wine prefix: $WINEPREFIX)"
if [ -z "$xvfb" ]; then
  exec wine explorer "/desktop=$desktop,$size" "$program"
fi
wine explorer "/desktop=$desktop,$size" "$program" >/dev/null 2>&1 &
sleep 8
shot=$source/build/windows/vantrelle-screen.png
import -window root -crop "${size}+0+0" "$shot"
echo "Screenshot of the running program: $shot"
echo "It keeps running until you press Ctrl+C. To watch it live, run this command from a desktop"
echo "session, or serve the display with a VNC server (for example: x11vnc -display $DISPLAY)."
wait
