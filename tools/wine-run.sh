#!/usr/bin/env bash
# Runs a Windows program under Wine on a throw-away prefix and its own Xvfb display, and returns the
# program's exit code. Whatever happens, the display, the Wine server and the prefix are removed.
#
#   tools/wine-run.sh [--screen WxHxDEPTH] [--second-screen WxHxDEPTH] [--sound-capture FILE] PROGRAM.exe [ARGUMENTS...]
#
# A fresh prefix is copied from a template that is made once per Wine version (the first Wine start
# in a new prefix takes several seconds, a copy a fraction of one). The template has font
# replacements so that the faces the program asks for render with installed free fonts.
# Environment: QUELLMOOR_WINE_SCREEN (default 1280x1024x24), QUELLMOOR_BUILD_DIR (default <repo>/build),
# QUELLMOOR_WINE_SESSION (a file that receives DISPLAY= and WINEPREFIX= of the run, for scripts that
# look at the screen or start more programs in the same session; tools/screenshots.sh).
#
# With --second-screen the display has a second head (Xinerama) and Wine, told not to ask RandR,
# lists two monitors: the first screen is the primary; Xvfb puts both heads at 0,0.
#
# Without --sound-capture the run has no sound device. With it, the run gets a home folder of its own
# whose ALSA configuration sends the default device into FILE (raw samples, as played) instead of to a
# sound card: Wine then lists one sound device. The program sees FILE as QUELLMOOR_SOUND_CAPTURE.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${QUELLMOOR_BUILD_DIR:-$repo/build}
screen=${QUELLMOOR_WINE_SCREEN:-1280x1024x24}
capture=""
second_screen=""

while [[ $# -gt 0 ]]; do
  case $1 in
    --screen) screen=$2; shift 2 ;;
    --second-screen) second_screen=$2; shift 2 ;;
    --sound-capture) capture=$(realpath -m "$2"); shift 2 ;;
    --) shift; break ;;
    -*) echo "wine-run: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
usage="usage: wine-run.sh [--screen WxHxD] [--second-screen WxHxD] [--sound-capture FILE] PROGRAM.exe [ARGS...]"
[[ $# -ge 1 ]] || { echo "$usage" >&2; exit 2; }

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

make_template() {
  local template=$1 staging
  staging=$(mktemp -d "$build_dir/wine-template.XXXXXX")
  WINEPREFIX=$staging wineboot --init >/dev/null 2>&1
  # Faces the program's dialogs and icons ask for, served by the free fonts of the test machine.
  local replacements='HKCU\Software\Wine\Fonts\Replacements'
  WINEPREFIX=$staging wine reg add "$replacements" /v Verdana /d "DejaVu Sans" /f >/dev/null 2>&1
  WINEPREFIX=$staging wine reg add "$replacements" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
  WINEPREFIX=$staging wine reg add "$replacements" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
  WINEPREFIX=$staging wine reg add "$replacements" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
  # Wine's own faces (fonts-wine) for the dialog font MS Shell Dlg (Tahoma) and the caption buttons
  # (Marlett): this Wine does not load them from its data folder, but does from the prefix.
  cp /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf "$staging/drive_c/windows/Fonts/" 2>/dev/null || true
  # There is no window manager on the Xvfb display: Wine then waits two seconds for one at every
  # top-level window that is hidden or destroyed. Unmanaged windows are placed by Wine itself.
  WINEPREFIX=$staging wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # The program is made for 64-bit Windows 10 and 11; Wine acts as Windows 10 (its new prefixes
  # say Windows 7).
  WINEPREFIX=$staging wine winecfg -v win10 >/dev/null 2>&1
  WINEPREFIX=$staging wineserver --wait
  mv "$staging" "$template"
}

mkdir -p "$build_dir"
wine_version=$(wine --version)
# A new Wine version or a changed template recipe makes a new template.
template="$build_dir/wine-template-$({ printf '%s' "$wine_version"; declare -f make_template; } | sha256sum | cut -c1-12)"
(
  flock 9
  [[ -d $template ]] || make_template "$template"
) 9>"$build_dir/wine-template.lock"

work=$(mktemp -d "${TMPDIR:-/tmp}/quellmoor-wine.XXXXXX")
xvfb_pid=""
cleanup() {
  WINEPREFIX="$work/prefix" wineserver --kill >/dev/null 2>&1 || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  wait >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cp -a "$template" "$work/prefix"

if [[ -n $capture ]]; then
  mkdir -p "$work/home" "$(dirname "$capture")"
  rm -f "$capture"
  printf 'pcm.!default { type file  slave.pcm "null"  file "%s"  format "raw" }\n' "$capture" >"$work/home/.asoundrc"
  export HOME=$work/home QUELLMOOR_SOUND_CAPTURE=$capture
fi

screens=(-screen 0 "$screen")
if [[ -n $second_screen ]]; then
  screens+=(-screen 1 "$second_screen" +xinerama)
  # The prefix's registry file, edited before the Wine server reads it.
  sed -i 's/^\(\[Software\\\\Wine\\\\X11 Driver\].*\)$/\1\n"UseXRandR"="N"/' "$work/prefix/user.reg"
  grep -q '^"UseXRandR"="N"' "$work/prefix/user.reg" || { echo "wine-run: cannot switch RandR off" >&2; exit 1; }
fi

# Xvfb picks a free display number itself and writes it to the file.
Xvfb -displayfd 7 "${screens[@]}" -nolisten tcp 7>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.05
done
[[ -s $work/display ]] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }

if [[ -n ${QUELLMOOR_WINE_SESSION:-} ]]; then
  printf 'DISPLAY=:%s\nWINEPREFIX=%s\n' "$(cat "$work/display")" "$work/prefix" >"$QUELLMOOR_WINE_SESSION"
fi

status=0
DISPLAY=":$(cat "$work/display")" WINEPREFIX="$work/prefix" wine "$@" || status=$?
exit "$status"
