#!/usr/bin/env bash
# What Quellmoor costs while it sits idle in the tray (run by hand, not by the tests): starts
# Quellmoor.exe on a throw-away Wine prefix and Xvfb display (tools/wine-run.sh), so with no stored
# settings, waits until its first tick has built the wallpaper and settled, and then measures the
# processor time (user and system, all threads) that the program and the Wine server spend over
# IDLE_SECONDS. The Wine server does work on the program's behalf (messages, timers, window lookups).
# Prints milliseconds per minute, for the session's other Wine processes too, and ends the program
# with "Quellmoor.exe EXIT".
#
#   bench/idle.sh [PATH/TO/Quellmoor.exe]    default: build/win64/Quellmoor.exe (cmake --preset win64)
#   IDLE_SECONDS=N bench/idle.sh             length of the measurement (default 120)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$repo/build/win64/Quellmoor.exe}")
seconds=${IDLE_SECONDS:-120}
# The wallpaper build's last steps after it stored its picture (Windows taking the file).
settle_seconds=5

[[ -f $program ]] || { echo "idle: no Quellmoor.exe at $program (build it: cmake --build --preset win64)" >&2; exit 1; }
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "idle: IDLE_SECONDS must be a whole number of seconds" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quellmoor-idle.XXXXXX")
run_pid=""
finish() {
  if [[ -s $work/session ]]; then
    env $(cat "$work/session") wineserver --kill >/dev/null 2>&1 || true
  elif [[ -n $run_pid ]]; then
    kill "$run_pid" 2>/dev/null || true
  fi
  [[ -n $run_pid ]] && wait "$run_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

# A copy with its language files, so that a rebuild during the run changes nothing.
cp "$program" "$work/Quellmoor.exe"
cp "$(dirname "$program")"/Quellmoor*.lng "$work/" 2>/dev/null || true
program=$work/Quellmoor.exe

QUELLMOOR_WINE_SESSION=$work/session "$repo/tools/wine-run.sh" "$program" >"$work/wine.log" 2>&1 &
run_pid=$!
# A new Wine version first makes the prefix template, which takes a minute.
for _ in $(seq 1800); do
  [[ -s $work/session ]] && break
  sleep 0.1
done
[[ -s $work/session ]] || { echo "idle: the Wine session did not start" >&2; cat "$work/wine.log" >&2; exit 1; }
in_session() { env $(cat "$work/session") WINEDEBUG=-all "$@"; }
prefix=$(sed -n 's/^WINEPREFIX=//p' "$work/session")

# The first tick comes 5 seconds after the start and builds the wallpaper, which then stores the
# picture it shows.
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  in_session wine reg query 'HKCU\Software\Varnholt\Desktop\Quellmoor' /v OldPic >/dev/null 2>&1 && break
  kill -0 "$run_pid" 2>/dev/null || { echo "idle: Quellmoor.exe ended early" >&2; cat "$work/wine.log" >&2; exit 1; }
  sleep 0.5
done
in_session wine reg query 'HKCU\Software\Varnholt\Desktop\Quellmoor' /v OldPic >/dev/null 2>&1 ||
  { echo "idle: no wallpaper was built within 30 seconds" >&2; exit 1; }
sleep "$settle_seconds"

# The session's processes: a Windows program's command line starts with its exe's name or path; each
# one carries the session's WINEPREFIX, and so does the Wine server.
session_processes() {
  local dir name
  for dir in /proc/[0-9]*; do
    tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qxF "WINEPREFIX=$prefix" || continue
    name=$(tr '\0' '\n' 2>/dev/null <"$dir/cmdline" | head -n 1) || continue
    name=${name##*[/\\]}
    [[ -n $name ]] && printf '%s %s\n' "${dir#/proc/}" "$name"
  done
}
# User and system time in clock ticks (fields 14 and 15; the name in brackets may hold blanks).
# A process that has ended gives "-".
ticks() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo -; return; }
  echo "${stat##*) }" | awk '{ print $12 + $13 }'
}

session_processes >"$work/processes"
grep -q ' Quellmoor\.exe$' "$work/processes" || { echo "idle: Quellmoor.exe is not running" >&2; exit 1; }
while read -r pid name; do echo "$pid $name $(ticks "$pid")"; done <"$work/processes" >"$work/before"
start=$(date +%s%N)
sleep "$seconds"
end=$(date +%s%N)
while read -r pid name; do echo "$pid $name $(ticks "$pid")"; done <"$work/processes" >"$work/after"
grep -q ' Quellmoor\.exe [0-9]' "$work/after" || { echo "idle: Quellmoor.exe ended while measured" >&2; exit 1; }

# Milliseconds per minute of each process (summed over processes of one name), the program and the
# server first, then those of the others that cost anything.
paste -d ' ' "$work/before" "$work/after" |
  awk -v tick="$(getconf CLK_TCK)" -v ns="$((end - start))" '
    $3 != "-" && $6 != "-" { cost[$2] += ($6 - $3) * 1000 / tick * 60e9 / ns }
    END {
      server = cost["wineserver64"] + cost["wineserver"]
      printf "Quellmoor.exe: %.0f ms/min, wineserver: %.0f ms/min\n", cost["Quellmoor.exe"], server
      others = ""
      for (name in cost) {
        if (name == "Quellmoor.exe" || name ~ /^wineserver/ || cost[name] < 0.5) continue
        others = others sprintf("%s%s %.0f", others == "" ? "" : ", ", name, cost[name])
      }
      if (others != "") print "other Wine processes (ms/min): " others
    }'

in_session wine "$program" EXIT >/dev/null 2>&1 || true
# EXIT returns once the program has ended; the session's end follows.
for _ in $(seq 100); do
  kill -0 "$run_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$run_pid" 2>/dev/null && echo "idle: Quellmoor.exe did not end within 10 seconds" >&2
exit 0
