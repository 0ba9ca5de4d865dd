#!/usr/bin/env bash
# Makes the screenshots in docs/ from Quellmoor.exe running on a Wine desktop with a taskbar:
# docs/main-window.png (the whole screen with the main window shown) and docs/tray.png (the tray
# with the date icon, enlarged).
#
#   tools/screenshots.sh [BUILD_FOLDER]     (default build/win64)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build/win64}
program=$build/Quellmoor.exe
[[ -f $program ]] || { echo "screenshots: $program is missing (build the win64 preset first)" >&2; exit 2; }
mkdir -p "$repo/docs"

session=$(mktemp -d)
run_pid=""
finish() {
  if [[ -s $session/session ]]; then
    env $(cat "$session/session") wineserver --kill >/dev/null 2>&1 || true
  elif [[ -n $run_pid ]]; then
    kill "$run_pid" 2>/dev/null || true
  fi
  [[ -n $run_pid ]] && wait "$run_pid" 2>/dev/null || true
  rm -rf "$session"
}
trap finish EXIT

desktop=(explorer /desktop=shell,1280x1024)
QUELLMOOR_WINE_SESSION=$session/session "$repo/tools/wine-run.sh" "${desktop[@]}" "$program" &
run_pid=$!
# A new Wine version first makes the prefix template, which takes a minute.
for _ in $(seq 1800); do
  [[ -s $session/session ]] && break
  sleep 0.1
done
[[ -s $session/session ]] || { echo "screenshots: the Wine session did not start" >&2; exit 1; }
in_session() { env $(cat "$session/session") WINEDEBUG=-all "$@"; }

# The first tick (after 5 seconds) places the window and builds the wallpaper, which then stores
# the picture it shows.
for _ in $(seq 120); do
  in_session wine reg query 'HKCU\Software\Varnholt\Desktop\Quellmoor' /v OldPic >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 2

# A second start with any text brings the main window forward. It must run on the same desktop to
# find the first one's window.
in_session wine "${desktop[@]}" "$program" show
sleep 2
display=$(sed -n 's/^DISPLAY=//p' "$session/session")
import -display "$display" -window root "$repo/docs/main-window.png"
# The taskbar is the bottom 20 pixels of the 1024; the tray sits at its right end.
convert "$repo/docs/main-window.png" -crop 120x20+1160+1004 +repage -filter point -resize 400% "$repo/docs/tray.png"

in_session wine "${desktop[@]}" "$program" EXIT
echo "screenshots written to $repo/docs"
