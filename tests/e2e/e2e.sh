#!/usr/bin/env bash
# End-to-end run: starts Xvfb and Wine's virtual desktop (with its taskbar and notification area),
# launches the program there, drives it with the e2e driver and takes screenshots with ImageMagick.
# Everything happens in a fresh Wine prefix, home and X display of its own. The program runs from a
# copy in C:\Program Files\Vantrelle, where an installation puts it (only that copy runs for the
# machine); the built file itself is the portable copy of the last phases.
#   e2e.sh PROGRAM.exe DRIVER.exe OUTPUT-DIR TESTCLEANUPHANDLER.dll
set -euo pipefail
portable=$(realpath "$1")
driver=$(realpath "$2")
mkdir -p "$3"
out=$(realpath "$3")
handler_dll=$(realpath "$4")
root=${VANTRELLE_WINE_ROOT:-${TMPDIR:-/tmp}/vantrelle-wine-$(id -u)}-e2e
rm -rf "$root/prefix"  # every run starts as a first start on a new machine
mkdir -p "$root/home" "$root/data" "$root/config" "$root/cache"
export WINEPREFIX="$root/prefix" HOME="$root/home" WINEARCH=win64 WINEDEBUG=-all
export XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config" XDG_CACHE_HOME="$root/cache"
export WINEDLLOVERRIDES="mscoree,mshtml="
desktop=Vantrelle
size=1024x768

xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

displayFile="$root/display"
: >"$displayFile"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayFile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayFile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayFile")"

wineboot --init >/dev/null 2>&1
installed="$WINEPREFIX/drive_c/Program Files/Vantrelle"
mkdir -p "$installed"
cp "$portable" "$(dirname "$portable")/VantrellePseudo.exe" "$installed/"
program="$installed/Vantrelle.exe"
# Every Wine program of this prefix opens on the one virtual desktop, so the driver sees the window.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d "$desktop" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d "$size" /f >/dev/null 2>&1
# The desktop's shell: taskbar and notification area, as on Windows.
wine reg add "HKCU\\Software\\Wine\\Explorer\\Desktops\\$desktop" /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
# Arial's metric twin, so captions measure as they do on Windows.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1

# The own folder of the delete-now run, with a link to a folder outside that must survive the run.
trees="$WINEPREFIX/drive_c/e2e"
mkdir -p "$trees/own/sub/deeper" "$trees/outside"
echo keep >"$trees/outside/keep.txt"
for file in own/a.tmp own/sub/b.tmp own/sub/read-only.txt own/sub/deeper/c.tmp; do echo temporary >"$trees/$file"; done
ln -s "$trees/outside" "$trees/own/link-out"
# Trees big enough for a run over them to take a while (the driver moves them into the system's
# temporary folder), and the own folders of a run whose own-folder box is edited while it works.
for big in big-edit big-close; do
  for d in $(seq 40); do
    mkdir -p "$trees/$big/d$d"
    (cd "$trees/$big/d$d" && touch $(seq -f 'f%g.tmp' 250))
  done
done
mkdir -p "$trees/own-before" "$trees/own-after"
for f in a b c; do echo temporary >"$trees/own-before/$f.tmp"; echo keep >"$trees/own-after/$f.tmp"; done

start_program() {  # on the virtual desktop, which is made again if the last program closed it
  wine explorer "/desktop=$desktop,$size" "$program" >/dev/null 2>&1 &
}
start_program
export VANTRELLE_E2E_PROGRAM=$(winepath -w "$program" 2>/dev/null)
export VANTRELLE_E2E_WINDOW_FILE=$(winepath -w "$out/window.txt" 2>/dev/null)
export VANTRELLE_E2E_TRAY_FILE=$(winepath -w "$out/tray.txt" 2>/dev/null)
rm -f "$out"/*.png "$out/window.txt" "$out/tray.txt"

failed=0
phase() {  # phase NAME FILTER
  echo "== $1"
  wine "$driver" "--gtest_filter=$2" --gtest_color=no || failed=1
}
screenshot() {  # screenshot NAME [screen]: the whole screen and, unless told otherwise, the window's client area
  import -window root "$out/$1-screen.png"
  if [ "${2:-}" != screen ] && [ -s "$out/window.txt" ]; then
    convert "$out/$1-screen.png" -crop "$(cat "$out/window.txt")" +repage "$out/$1-window.png"
  fi
}
tray_icon_drawn() {  # whether the blue icon is drawn at the right end of the taskbar
  [ -s "$out/tray.txt" ] || return 1
  convert "$out/$1-screen.png" -crop "$(cat "$out/tray.txt")" +repage "$out/$1-tray.png"
  blue=$(convert "$out/$1-tray.png" -format '%[fx:mean.b-mean.r]' info:)
  awk -v b="$blue" 'BEGIN { exit !(b > 0.1) }'
}
point_at_tray_icon() {  # the middle of the icon found at the first start
  [ -s "$out/tray.txt" ] || return 1
  IFS='x+' read -r w h x y < <(tr -d '\r' <"$out/tray.txt")
  xdotool mousemove $((x + w / 2)) $((y + h / 2))
}
click_tray_icon() {
  point_at_tray_icon && xdotool click 1
}
expect() {  # expect MESSAGE COMMAND...
  local message=$1
  shift
  "$@" || { echo "FAILED: $message"; failed=1; }
}

phase "first start" 'Program.ShowsItsWindowAsDesigned:Program.AFirstStart*:Program.TheTabKeyGoesRoundTheControlsInTheirOrder'
screenshot start
if [ -f "$out/start-window.png" ]; then
  # A white window with dark text: almost nothing dark (the frames once painted their inside black).
  dark=$(convert "$out/start-window.png" -colorspace Gray -threshold 25% -format '%[fx:1-mean]' info:)
  echo "dark share of the window: $dark"
  awk -v d="$dark" 'BEGIN { exit !(d < 0.08) }' || { echo "FAILED: the window is not white behind its controls"; failed=1; }
else
  echo "FAILED: no window to take a picture of"
  failed=1
fi
expect "no tray icon drawn at the first start" tray_icon_drawn start
# Rest the pointer on the icon so that its tip shows in the picture.
point_at_tray_icon && sleep 1.5
screenshot tray-tip screen
xdotool mousemove 700 300

phase "a person's clicks and typing" 'Program.LocationBoxes*:Program.StartUpBoxes*:Program.Typing*:Program.Help*:Program.Cancelling*:Program.ASecondStart*'
screenshot after-clicks
phase "delete now, held at its message" 'Program.DeleteNowStops*'
screenshot delete-now
phase "delete now, done" 'Program.DeleteNowEmpties*'
screenshot after-delete
phase "preview" 'Program.APreviewShows*'
screenshot preview
phase "after the preview" 'Program.ThePreviewSortsCopiesAndSaves*:Program.ThePreviewDeletedNothing'
phase "history" 'Program.TheHistoryShows*'
screenshot history
phase "history closed" 'Program.TheHistoryWindowClosesWithEscape'
phase "more locations" 'Program.MoreLocationsDialogOpens'
screenshot more-dialog
phase "the shield button starts the System files window" 'Program.TheShieldButtonStartsTheSystemFilesWindow'
screenshot system-files
phase "System files closed with Esc" 'Program.TheSystemFilesWindowClosesWithEscape'
phase "two more locations chosen and cleaned" 'Program.TwoMoreLocationsChosenInTheDialogAreCleaned'
phase "community cleaners: the list got, an entry found and ticked" 'Program.TheCommunityCleanersGetTheList*'
screenshot community
phase "community cleaners: a broken download keeps the list, the entry cleaned" 'Program.ABrokenDownloadKeeps*'

phase "minimise" 'Program.Minimising*'
screenshot in-tray screen
phase "back from the tray" 'HiddenProgram.AClickOnTheTrayIcon*'
screenshot restored
phase "start in the tray next time" 'Program.StartInTheTrayIsKept*'
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'
sleep 0.5
screenshot closed screen
expect "the tray icon is still drawn after closing" eval '! tray_icon_drawn closed'

start_program
phase "started in the tray" 'HiddenProgram.StartedInTheTrayTheWindowStaysHidden'
screenshot start-in-tray screen
click_tray_icon
phase "out of the tray by a click on its icon" 'HiddenProgram.StartedInTheTrayAClickOnTheIcon*'
screenshot out-of-tray
phase "the own folder edited during a run" 'Program.AnOwnFolderEditedDuringAnEarlierStep*'
phase "closing during a run" 'Program.ClosingDuringARun*'
screenshot closed-during-run screen
start_program
phase "a new start after closing during a run" 'Program.ANewStartAfterClosingDuringARun*'
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'

# The disk "running low" below a threshold above its size: started in the tray, it cleans once.
settings='HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle'
wine reg add "$settings" /v LowSpaceGB /d 1000000 /f >/dev/null 2>&1
wine reg add "$settings" /v Minimized /d On /f >/dev/null 2>&1
start_program
phase "low disk space" 'HiddenProgram.LowDiskSpace*'
wine reg add "$settings" /v LowSpaceGB /d 0 /f >/dev/null 2>&1
wine reg add "$settings" /v Minimized /d Off /f >/dev/null 2>&1

wine reg add 'HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle' /v 'Windows Temp' /d yes /f >/dev/null 2>&1
start_program
phase "a stored value that is no number" 'HiddenProgram.AStoredValueThatIsNoNumber*'
screenshot error-report screen
phase "after the report" 'HiddenProgram.AfterTheReport*'
screenshot after-report
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'

# Policies, as an administrator's tools write them; the person's own choices underneath.
settings='HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle'
policies='HKLM\Software\Policies\Marrowick\Vantrelle'
user_policies='HKCU\Software\Policies\Marrowick\Vantrelle'
reg_add() { wine reg add "$@" /f >/dev/null 2>&1; }
for key in 'Windows Temp' 'Most Recently Used' AppData SysTemp; do reg_add "$settings" /v "$key" /d 0; done
reg_add "$settings" /v 'Recycle Bin' /d 1
reg_add "$settings" /v UserFolder /d 1
reg_add "$settings" /v Text1 /d 'C:\e2e\policy-own'
reg_add "$policies" /v CleanRecycleBin /t REG_DWORD /d 0
reg_add "$policies" /v KeepRecentHours /t REG_DWORD /d 24
reg_add "$policies" /v CleanWindowsTemp /d yes  # REG_SZ: the wrong type, ignored
reg_add "$user_policies" /v ScheduleMode /t REG_DWORD /d 3
reg_add "$user_policies" /v ScheduleEveryMinutes /t REG_DWORD /d 5
mkdir -p "$trees/policy-own"  # the forced schedule's first run, a second after start-up, empties it
start_program
phase "policies" 'Program.ForcedControls*'
if [ -s "$out/window.txt" ]; then
  # Rest the pointer on the locked Recycle Bin box, so that the managed tip shows in the picture.
  IFS='x+' read -r _ _ x y < <(tr -d '\r' <"$out/window.txt")
  xdotool mousemove $((x + 60)) $((y + 309)) && sleep 2
fi
screenshot policies
reg_add "$policies" /v KeepRecentHours /t REG_DWORD /d 48
wine reg delete "$policies" /v CleanRecycleBin /f >/dev/null 2>&1
phase "a policy changed while the window is open" 'Program.APolicyChanged*'
xdotool mousemove 700 300
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'

# The command line on the same policies: the Recycle Bin forced off again, 48 hours kept.
reg_add "$policies" /v CleanRecycleBin /t REG_DWORD /d 0
echo old >"$trees/policy-own/old.tmp"
touch -d '3 days ago' "$trees/policy-own/old.tmp"
echo new >"$trees/policy-own/new.tmp"
status=0
wine "$program" /preview /list 2>/dev/null | tr -d '\r' >"$out/preview-list.txt" || status=$?
expect "/preview /list exits 0" test $status = 0
expect "... lists the old file as deleted" grep -qE $'\t[^\t]*old\\.tmp\t4\tdeleted$' "$out/preview-list.txt"
expect "... and the recent one as kept" grep -qE $'\t[^\t]*new\\.tmp\t4\tstays: kept as recent$' "$out/preview-list.txt"
expect "... and deletes nothing" test -f "$trees/policy-own/old.tmp"
status=0
wine "$program" /clean >"$out/policy-clean.txt" 2>/dev/null || status=$?
expect "/clean under policies exits 1 (a recent file kept)" test $status = 1
expect "... deletes the file older than the forced hours" test ! -e "$trees/policy-own/old.tmp"
expect "... keeps the one changed within them" test -f "$trees/policy-own/new.tmp"
expect "... and leaves the Recycle Bin alone, as forced" eval '! grep -q "Recycle Bin" "$out/policy-clean.txt"'
expect "... keeping the forced hours" grep -q "keeping files changed in the last 48 hours" "$out/policy-clean.txt"
status=0
wine "$program" /policyreport 2>/dev/null | tr -d '\r' >"$out/policyreport.txt" || status=$?
expect "/policyreport exits 0" test $status = 0
for line in 'CleanRecycleBin = 0 (machine policy)' 'KeepRecentHours = 48 (machine policy)' \
            'ScheduleMode = 3 (user policy)' 'ScheduleEveryMinutes = 5 (user policy)' 'CleanOwnFolder = 1 (own choice)' \
            'CleanRecentDocuments = 0 (own choice)' 'CleanWindowsTemp = 0 (own choice)' \
            'HKLM\Software\Policies\Marrowick\Vantrelle\CleanWindowsTemp: wrong type: REG_SZ, not REG_DWORD'; do
  expect "/policyreport says: $line" grep -qxF "$line" "$out/policyreport.txt"
done
wine reg delete 'HKLM\Software\Policies\Marrowick' /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Policies\Marrowick' /f >/dev/null 2>&1

# The community's list in the person's local application data, one entry chosen by its stored name:
# /community tells what of it is refused, /clean cleans exactly what its rules reach.
local_data=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*/AppData/Local' | head -n1)
app="$local_data/E2E App"
mkdir -p "$local_data/Vantrelle" "$app/Cache/sub"
printf '%s\r\n' '; Version: 7' '[E2E App *]' 'DetectFile=%LocalAppData%\E2E App' \
  'FileKey1=%LocalAppData%\E2E App\Cache|*.tmp|RECURSE' 'FileKey2=%WinDir%\Temp|*' >"$local_data/Vantrelle/winapp2.ini"
for file in Cache/a.tmp Cache/sub/b.tmp Cache/keep.dat; do echo x >"$app/$file"; done
status=0
wine "$program" /community 2>/dev/null | tr -d '\r' >"$out/community.txt" || status=$?
expect "/community exits 0" test $status = 0
expect "... names the list and its version" grep -q 'Vantrelle\\winapp2.ini, version 7$' "$out/community.txt"
expect "... finds the entry, partly refused" grep -qxF '  E2E App (Other): partly refused' "$out/community.txt"
expect "... with the refused rule and why" \
  grep -qxF "    FileKey2=%WinDir%\\Temp|*: outside your profile: needs the machine's rights" "$out/community.txt"
reg_add "$settings" /v 'Community.E2E App' /d 1
wine "$program" /clean 2>/dev/null | tr -d '\r' >"$out/community-clean.txt" || true
expect "/clean cleans the chosen entry in a line of its own" grep -q '^  E2E App: 2 files deleted' "$out/community-clean.txt"
expect "... deleting what its rule reaches" test ! -e "$app/Cache/a.tmp" -a ! -e "$app/Cache/sub/b.tmp"
expect "... and nothing else" test -f "$app/Cache/keep.dat" -a -d "$app/Cache/sub"
wine reg delete "$settings" /v 'Community.E2E App' /f >/dev/null 2>&1

# In German (Wine takes the display language from LC_ALL): the command line's texts and messages, the
# history file still in English, the window's captions and a message, and a picture of the window.
echo "== in German"
LC_ALL=de_DE.UTF-8 wine "$program" /? 2>/dev/null | tr -d '\r' >"$out/usage-de.txt" || true
expect "/? in German" grep -qF "Aufruf: Vantrelle.exe [/clean | /preview [/list] | /clean /system | /preview /system | /policyreport |" "$out/usage-de.txt"
expect "... with its umlauts intact" grep -qF "löscht temporäre Dateien" "$out/usage-de.txt"
echo old >"$trees/policy-own/old.tmp"
LC_ALL=de_DE.UTF-8 wine "$program" /preview 2>/dev/null | tr -d '\r' >"$out/preview-de.txt" || true
expect "/preview in German" grep -qE '^Eigener Ordner \(C:\\e2e\\policy-own\): [0-9]+ Datei(en)?, ' "$out/preview-de.txt"
expect "... with its total" grep -q "^Gesamt: " "$out/preview-de.txt"
LC_ALL=de_DE.UTF-8 wine "$program" /clean 2>/dev/null | tr -d '\r' >"$out/clean-de.txt" || true
expect "/clean shows its run in German" grep -q "^Lauf .*, gestartet durch: Befehlszeile" "$out/clean-de.txt"
history=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Vantrelle/history.log' | head -n1)
expect "... and writes it to the history in English" eval 'tail -n 20 "$history" | grep -q ", started by Command line"'
expect "... with no German in the file" eval '! grep -q "gestartet" "$history"'
wineserver -k 2>/dev/null || true
LC_ALL=de_DE.UTF-8 wine explorer "/desktop=$desktop,$size" "$program" >/dev/null 2>&1 &
phase "the window in German" 'Program.InGermanTheWindowSpeaksGerman'
screenshot german
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'
wineserver -k 2>/dev/null || true
# Every window in English, German and the pseudo-language, at 100 % on 1024x768 (again at 150 % below).
phase "layout at 100 %" 'Layout.*'
# The machine's piles: the person's /clean never touches them, even where the person's key names
# them; /clean /system (Wine runs every process as an administrator) empties those the machine chose.
windir="$WINEPREFIX/drive_c/windows"
wer="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/WER"
mkdir -p "$wer/ReportQueue/r1" "$wer/ReportArchive" "$windir/Minidump" "$windir/SoftwareDistribution/Download/sub"
piles=("$wer/ReportQueue/r1/Report.wer" "$wer/ReportArchive/old.wer" "$windir/MEMORY.DMP" "$windir/Minidump/0101.dmp"
       "$windir/SoftwareDistribution/Download/sub/kb1.cab")
for file in "${piles[@]}"; do echo pile >"$file"; done
echo keep >"$windir/Minidump/notes.txt"
for id in SystemErrorReports MemoryDumps UpdateDownloads; do
  wine reg add 'HKLM\Software\Marrowick\Vantrelle\System' /v "$id" /d 1 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle' /v "More.$id" /d 1 /f >/dev/null 2>&1
done
wine "$program" /clean >"$out/person-clean.txt" 2>/dev/null || true
for file in "${piles[@]}"; do expect "/clean alone leaves ${file#"$WINEPREFIX/"}" test -f "$file"; done
status=0
wine "$program" /clean /system >"$out/system-clean.txt" 2>/dev/null || status=$?
expect "/clean /system exits 0" test $status = 0
for file in "${piles[@]}"; do
  expect "/clean /system empties ${file#"$WINEPREFIX/"}" test ! -e "$file"
done
expect "... and leaves the rest of the folders" test -f "$windir/Minidump/notes.txt" -a -d "$windir/SoftwareDistribution/Download"
expect "... naming its three rows" grep -q "Windows Update downloads: 1 file deleted" "$out/system-clean.txt"

# At 150 %: a desktop large enough for the grown window, the design checked again at that scale. Every
# Wine program opens on the desktop, so the settings go in first and the desktop is made afresh after.
wine reg add 'HKCU\Software\VB and VBA Program Settings\Marrowick\Vantrelle' /v 'Windows Temp' /d 0 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d 1280x1024 /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
size=1280x1024
start_program
phase "at 150 %" 'Program.ShowsItsWindowAsDesigned'
screenshot start-150
phase "more locations at 150 %" 'Program.MoreLocationsDialogOpens'
screenshot more-dialog-150
phase "System files at 150 %" 'Program.TheShieldButtonStartsTheSystemFilesWindow'
screenshot system-files-150
phase "System files closed with Esc" 'Program.TheSystemFilesWindowClosesWithEscape'
phase "closed with Esc" 'Program.MoreLocationsDialogClosesWithEscape'
phase "preview at 150 %" 'Program.APreviewShows*'
screenshot preview-150
phase "after the preview at 150 %" 'Program.ThePreviewDeletedNothing'
phase "history at 150 %" 'Program.TheHistoryShows*'
screenshot history-150
phase "history closed at 150 %" 'Program.TheHistoryWindowClosesWithEscape'
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'
phase "layout at 150 %" 'Layout.*'
# The pseudo-language's program, every text about 40 % longer, for a look at how the window takes it.
wine explorer "/desktop=$desktop,$size" "$(dirname "$program")/VantrellePseudo.exe" >/dev/null 2>&1 &
sleep 10
screenshot pseudo-150 screen
wineserver -k 2>/dev/null || true

# The portable copy (the built file, outside Program Files): its "Clean system files..." says that
# the installed program is needed instead of asking for consent, and /clean /system refuses.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v "$desktop" /d 1024x768 /f >/dev/null 2>&1
size=1024x768
wine explorer "/desktop=$desktop,$size" "$portable" >/dev/null 2>&1 &
phase "the portable copy's shield button" 'Program.MoreLocationsDialogOpens:Program.ThePortableCopysShieldButtonSaysTheInstalledProgramIsNeeded'
phase "closed with Esc" 'Program.MoreLocationsDialogClosesWithEscape'
phase "closing" 'Program.ClosingTheWindowEndsTheProgram'
status=0
wine "$portable" /clean /system >"$out/portable-system.txt" 2>/dev/null || status=$?
expect "the portable copy's /clean /system exits 5" test $status = 5
expect "... saying the installed program is needed" \
  grep -q "^Cleaning system files needs Vantrelle installed for everyone: run Vantrelle-.*-x64.msi.$(printf '\r')\?$" "$out/portable-system.txt"

# A handler that crashes, with Wine's crash dialog on and a display: its host ends at once, so /clean
# ends within 10 seconds with that handler's line failed and the next handler's result.
echo "== a crashing cleanup handler"
wineserver -k 2>/dev/null || true
mkdir -p "$WINEPREFIX/drive_c/e2e-handler"
cp "$handler_dll" "$WINEPREFIX/drive_c/e2e-handler/TestCleanupHandler.dll"
class='{A21518E1-C48D-4409-B819-5A09F734A9C4}'
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 1
reg_add "HKLM\\Software\\Classes\\CLSID\\$class\\InprocServer32" /ve /d 'C:\e2e-handler\TestCleanupHandler.dll'
reg_add "HKLM\\Software\\Classes\\CLSID\\$class\\InprocServer32" /v ThreadingModel /d Apartment
caches='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\VolumeCaches'
for key in 'Vantrelle Test Crash:crash:A crashing handler' 'Vantrelle Test Handler::A working handler'; do
  IFS=: read -r name behaviour display <<<"$key"
  reg_add "$caches\\$name" /ve /d "$class"
  reg_add "$caches\\$name" /v Behaviour /d "$behaviour"
  reg_add "$caches\\$name" /v Display /d "$display"
  reg_add "$settings" /v "Windows.$name" /d 1
done
for key in 'Windows Temp' 'Recycle Bin' 'Most Recently Used' AppData SysTemp UserFolder Downloads; do
  reg_add "$settings" /v "$key" /d 0
done
started=$(date +%s%N)
status=0
timeout 60 wine "$program" /clean >"$out/crash-clean.txt" 2>/dev/null || status=$?
took=$(( ($(date +%s%N) - started) / 1000000 ))
echo "/clean with a crashing handler took $took ms (exit $status)"
tr -d '\r' <"$out/crash-clean.txt" >"$out/crash-clean-lf.txt"
expect "/clean ends within 10 seconds" test "$took" -lt 10000
expect "... the crashing handler's line failed" grep -qx '  A crashing handler: failed: stopped answering' "$out/crash-clean-lf.txt"
expect "... and the next handler's result" grep -qx "  A working handler: 512 KB freed by Windows' cleanup" "$out/crash-clean-lf.txt"
wineserver -k 2>/dev/null || true

echo "screenshots in $out"
exit $failed
