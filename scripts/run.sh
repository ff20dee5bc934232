#!/usr/bin/env bash
# Starts quav.exe under Wine, in a Wine prefix of its own under the build
# folder that holds this machine's network adapters (Wine registers none).
# With $DISPLAY set it runs there until closed; without one it runs on a
# virtual display, saves a screenshot of its window and ends it.
# QUAV_EXE, when set, names the program to start instead of quav.exe.
# For pictures made to order (scripts/screenshots.sh): QUAV_RUN_PREFIX names
# another prefix than BUILD/wine-run, QUAV_LOCALE the locale Wine runs in (and
# so the interface language, when no language was chosen in the prefix),
# QUAV_SCREENSHOT the picture's path, and QUAV_TERMS_ACCEPTED=1 marks the
# terms as accepted so that the main window shows at once.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
source "$root/scripts/wine-env.sh"

exe=${QUAV_EXE:-$build/src/quav.exe}
provision=$build/tools/quav-provision.exe
for file in "$exe" "$provision"; do
  if [[ ! -f $file ]]; then
    echo "error: $file not found; build first" >&2
    exit 1
  fi
done

headless=false
if [[ -z ${DISPLAY:-} ]]; then headless=true; fi

quav_wine_env "${QUAV_RUN_PREFIX:-$build/wine-run}"
if [[ -n ${QUAV_LOCALE:-} ]]; then export LC_ALL=$QUAV_LOCALE LANG=$QUAV_LOCALE; fi
shot=${QUAV_SCREENSHOT:-$build/quav.png}
app_pid=""
ours=false
cleanup() {
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  # Only once the prefix is known to be ours: its wineserver may be another's.
  if $ours; then quav_wineserver_stop; fi
  quav_stop_xvfb
}
trap cleanup EXIT

# Wine's desktop process keeps the display of the session that started it.
if $headless; then quav_start_xvfb; fi
quav_prefix_init
ours=true
quav_wineserver_start

if ! provisioned=$(wine "$provision"); then
  echo "error: registering the network adapters in $WINEPREFIX failed" >&2
  exit 1
fi
if [[ -n $provisioned ]]; then echo "$provisioned"; fi
count=$(grep -c '^adapter ' <<<"$provisioned" || true)
plural=s
if [[ $count == 1 ]]; then plural=""; fi
echo "Provisioned $count network adapter$plural in $WINEPREFIX, as Windows' device installer would"
if [[ ${QUAV_TERMS_ACCEPTED:-} == 1 ]]; then
  wine reg add 'HKCU\SOFTWARE\ORV\QUAV12' /v Agreement /t REG_SZ /d 1 /f >/dev/null
fi

if ! $headless; then
  wine "$exe"
  exit
fi

wine "$exe" &
app_pid=$!
name=$(basename "$exe")
window=""
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  window=$(xdotool search --onlyvisible --name '^QUAV' 2>/dev/null | head -n 1 || true)
  if [[ -n $window ]]; then break; fi
  if ! kill -0 "$app_pid" 2>/dev/null; then
    app_pid=""
    echo "error: $name exited without showing a window titled QUAV" >&2
    exit 1
  fi
  sleep 0.5
done
if [[ -z $window ]]; then
  echo "error: $name showed no window titled QUAV within 30 seconds" >&2
  exit 1
fi

# Give the window time to paint its contents: the first start in a new
# prefix takes a few seconds to set up its fonts, and until then the window
# and its dialog show black. The list is loaded once the title's loading
# marker ("[正在载入......]", "[Loading......]") has given way.
for second in $(seq 1 30); do
  sleep 1
  if ((second < 30)) && [[ $(xdotool getwindowname "$window" 2>/dev/null) == *'......]'* ]]; then continue; fi
  # From the screen, so that a dialog over the window is in the picture too.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
  black=$(convert "$shot" -fill white +opaque black -format '%[fx:1-mean]' info: 2>/dev/null || echo 0)
  if awk -v b="$black" 'BEGIN { exit !(b < 0.05) }'; then break; fi
done
echo "Screenshot of the $name window (no title bar: there is no window manager): $shot"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
exit 0
