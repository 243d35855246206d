#!/usr/bin/env bash
# Runs a Windows program under Wine in a throwaway sandbox: its own WINEPREFIX, HOME and XDG folders.
# Under Wine the Recycle Bin is the host user's trash and the profile folders link into the host home,
# so nothing the tests do may ever run against the real ones.
set -euo pipefail
root=${VANTRELLE_WINE_ROOT:-${TMPDIR:-/tmp}/vantrelle-wine-$(id -u)}
mkdir -p "$root/home" "$root/data" "$root/config" "$root/cache"
export WINEPREFIX="$root/prefix"
export HOME="$root/home"
export XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config" XDG_CACHE_HOME="$root/cache"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
(
  flock 9
  if [ ! -f "$WINEPREFIX/.vantrelle-ready" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vantrelle-ready"
  fi
) 9>"$root/.lock"
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$@"
fi
exec wine "$@"
