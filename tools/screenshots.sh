#!/usr/bin/env bash
# Makes the screenshots in docs/ from Quellmoor.exe running on a Wine desktop with a taskbar:
# docs/main-window.png (the whole screen with the main window shown), docs/tray.png (the tray with
# the date icon, enlarged), docs/alarm-notice.png (the notice of an appointment that falls due at the
# first tick), docs/alarm-editor.png (the alarm editor with a few appointments),
# docs/month-calendar.png (the month calendar at its default place and size), docs/note-window.png
# (the note window with a new note typed), docs/options-*.png (each page of the options) and
# docs/help.png (the help window at its first page). The windows are opened with keys (xdotool) as a
# user would.
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

# A few appointments (records of 920 bytes: little-endian numbers, zero-padded texts in code page 1252).
u16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8)); }
field() {
  local text
  text=$(printf '%s' "$1" | iconv -f UTF-8 -t CP1252 | od -An -tx1 | tr -d ' \n' | sed 's/../\\x&/g')
  printf "$text"
  head -c $(($2 - ${#text} / 4)) /dev/zero
}
# appointment NAME KIND ACTION DAY MONTH YEAR HOUR MINUTE FILE REMARK
appointment() {
  printf "$(u16 0)$(u16 0)$(u16 "$2")$(u16 "$4")$(u16 "$5")$(u16 "$6")$(u16 "$7")$(u16 "$8")"
  head -c 10 /dev/zero
  printf "$(u16 0)$(u16 "$3")"
  head -c 18 /dev/zero
  field "$9" 260
  head -c 260 /dev/zero
  field "${10}" 256
  field "$1" 80
  head -c 16 /dev/zero
}
due=$(date -d '-1 minute' '+%-d %-m %Y %-H %-M')
{
  appointment "Backup starten" 3 3 1 1 2026 20 0 '"C:\Program Files\Backup\backup.exe" /schnell' ""
  appointment "Blumen gießen" 10 1 1 1 2026 18 0 "" "Auch die auf dem Balkon."
  appointment "Geburtstag Anna" 4 1 14 3 2026 9 0 "" "Geschenk besorgen"
  appointment "Morgenmusik" 2 2 1 1 2026 7 0 'C:\Musik\wecker.mp3' ""
  # shellcheck disable=SC2086
  appointment "Zahnarzt" 1 1 $(echo $due | cut -d' ' -f1-3) $(echo $due | cut -d' ' -f4-5) "" \
    "Kontrolle bei Dr. Berg, Bonusheft mitnehmen"
} >"$session/alarm.dtk"

desktop=(explorer /desktop=shell,1280x1024)
# The options sheet's size on that desktop, in pixels.
options_size=460x460
alarm_file="Z:${session//\//\\}\\alarm.dtk"
windows_program="Z:${program//\//\\}"
start="reg add HKCU\\Software\\Varnholt\\Desktop\\Quellmoor /v AlarmFile /d $alarm_file /f & start /wait $windows_program"
QUELLMOOR_WINE_SESSION=$session/session "$repo/tools/wine-run.sh" "${desktop[@]}" cmd /c "$start" &
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
display=$(sed -n 's/^DISPLAY=//p' "$session/session")
# The appointment of a minute ago has fired at that tick; OK (Enter) closes its notice.
import -display "$display" -window root -gravity center -crop 400x240+0+0 +repage "$repo/docs/alarm-notice.png"
DISPLAY=$display xdotool key Return
sleep 1

# A second start with any text brings the main window forward. It must run on the same desktop to
# find the first one's window.
in_session wine "${desktop[@]}" "$program" show
sleep 2
import -display "$display" -window root "$repo/docs/main-window.png"
# The taskbar is the bottom 20 pixels of the 1024; the tray sits at its right end.
convert "$repo/docs/main-window.png" -crop 120x20+1160+1004 +repage -filter point -resize 400% "$repo/docs/tray.png"

# Alt+W presses the main window's "&Wecker"; Esc closes the editor again.
DISPLAY=$display xdotool key alt+w
sleep 2
import -display "$display" -window root -gravity center -crop 430x350+0+0 +repage "$repo/docs/alarm-editor.png"
DISPLAY=$display xdotool key Escape
sleep 1

# The editor put the main window away: a second start brings it forward, and Alt+K presses its
# "&Kalender". The calendar opens at its default place, 10, 10, 550 x 630 pixels; the same button
# hides it again.
in_session wine "${desktop[@]}" "$program" show
sleep 2
DISPLAY=$display xdotool key alt+k
sleep 2
import -display "$display" -window root -crop 570x650+0+0 +repage "$repo/docs/month-calendar.png"
in_session wine "${desktop[@]}" "$program" show
sleep 2
DISPLAY=$display xdotool key alt+k
sleep 1

# The main window again; Alt+N presses "&Notiz", which shows the note window with a new note.
in_session wine "${desktop[@]}" "$program" show
sleep 2
DISPLAY=$display xdotool key alt+n
sleep 2
DISPLAY=$display xdotool type --delay 20 "Milch, Brot und Kaffee kaufen."
DISPLAY=$display xdotool key Return Return
DISPLAY=$display xdotool type --delay 20 "Anna wegen Samstag anrufen."
sleep 1
import -display "$display" -window root -crop 450x300+10+10 +repage "$repo/docs/note-window.png"

# Alt+O presses "&Optionen"; the options open centred on the screen. A click on a tab shows its page
# (the tabs' centres, from the left edge of the picture, on a line 47 pixels below its top).
in_session wine "${desktop[@]}" "$program" show
sleep 2
DISPLAY=$display xdotool key alt+o
sleep 3
left=$(((1280 - ${options_size%x*}) / 2))
top=$(((1024 - ${options_size#*x}) / 2))
for tab in general:40 desktop:107 pictures:161 alarm:216 notes:270 hotkeys:328; do
  DISPLAY=$display xdotool mousemove $((left + ${tab#*:})) $((top + 47)) click 1
  sleep 2
  import -display "$display" -window root -gravity center -crop "$options_size+0+0" +repage \
    "$repo/docs/options-${tab%:*}.png"
done
DISPLAY=$display xdotool key Escape
sleep 1

# Alt+H presses the main window's "&Hilfe": the help window, at the place and size its window type
# gives (60, 40 to 940, 720), with the help's first page.
in_session wine "${desktop[@]}" "$program" show
sleep 2
DISPLAY=$display xdotool key alt+h
sleep 3
import -display "$display" -window root -crop 880x680+60+40 +repage "$repo/docs/help.png"

in_session wine "${desktop[@]}" "$program" EXIT
echo "screenshots written to $repo/docs"
