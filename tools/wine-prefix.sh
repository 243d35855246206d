# Shell functions for a Wine prefix that holds Vantrelle the way a Windows computer would: installed
# from its package into C:\Program Files\Vantrelle, with no drive leading out to the host's files.
# Sourced by tools/run.sh and tests/install/install.sh.

# vantrelle_prefix_env ROOT: a prefix, a home and XDG folders of their own under ROOT. Wine's Recycle
# Bin is the trash of the home it sees, and the profile folders (Desktop, Documents...) link into it.
vantrelle_prefix_env() {
  local root=$1
  mkdir -p "$root/home" "$root/data" "$root/config" "$root/cache"
  export WINEPREFIX="$root/prefix" HOME="$root/home" WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
  export XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config" XDG_CACHE_HOME="$root/cache"
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

# vantrelle_seal_prefix: removes every drive letter that leads out of the prefix. Wine maps Z: to the
# host's root folder, where an own folder, a link or a typo could reach the host's files; C: (the
# prefix's drive_c) is kept. Fails when a drive outside is left.
vantrelle_seal_prefix() {
  local devices="$WINEPREFIX/dosdevices" prefix drive target
  prefix=$(realpath "$WINEPREFIX")
  wineserver -w
  for drive in "$devices"/?: "$devices"/?::; do
    [ -L "$drive" ] || continue
    target=$(realpath -m "$drive")
    case "$target" in "$prefix"/*) ;; *) rm -f "$drive" ;; esac
  done
  for drive in "$devices"/?:; do
    [ -e "$drive" ] || continue
    case "$(realpath "$drive")" in
      "$prefix"/*) ;;
      *) echo "drive $(basename "$drive") still leads out of the prefix" >&2; return 1 ;;
    esac
  done
}

# vantrelle_install_package MSI [PROPERTIES...]: a silent per-machine install (msiexec /i /qn) of the
# package, copied onto C: first since no drive leads to where it was built. msiexec's exit code.
vantrelle_install_package() {
  local msi=$1 name
  shift
  name=$(basename "$msi")
  mkdir -p "$WINEPREFIX/drive_c/setup"
  cp "$msi" "$WINEPREFIX/drive_c/setup/$name"
  local status=0
  wine msiexec /i "C:\\setup\\$name" /qn "$@" || status=$?
  wineserver -w
  return $status
}

# vantrelle_uninstall_package MSI: a silent removal (msiexec /x /qn) of what that package installed.
vantrelle_uninstall_package() {
  local name status=0
  name=$(basename "$1")
  wine msiexec /x "C:\\setup\\$name" /qn || status=$?
  wineserver -w
  return $status
}
