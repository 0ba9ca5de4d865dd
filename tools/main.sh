#!/usr/bin/env bash
# The main job: prepares the machine, composes today's wallpaper from a built-in picture as
# wallpaper.bmp in the current folder, and, where a display is available ($DISPLAY), starts the
# desktop program Quellmoor.exe under Wine (prefix $QUELLMOOR_WINEPREFIX, default ~/.wine-quellmoor).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo/tools/setup.sh"

cmake --preset native -S "$repo" >/dev/null
cmake --build "$repo/build/native" --target quellmoor-cli
"$repo/build/native/quellmoor-cli" compose

if [[ -n ${DISPLAY:-} ]]; then
  cmake --preset win64 -S "$repo" >/dev/null
  cmake --build "$repo/build/win64" --target Quellmoor quellmoor_help
  echo "main: starting Quellmoor.exe under Wine on $DISPLAY (it lives in the tray; end it with: wine Quellmoor.exe EXIT)"
  WINEPREFIX=${QUELLMOOR_WINEPREFIX:-$HOME/.wine-quellmoor} WINEDEBUG=${WINEDEBUG:--all} \
    nohup wine "$repo/build/win64/Quellmoor.exe" >/dev/null 2>&1 &
fi
