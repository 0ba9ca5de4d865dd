#!/usr/bin/env bash
# Prepares a Debian 12 machine for building and testing Quellmoor: installs every Debian package
# listed in tools/packages.txt (when one is missing) and cross-builds the Windows libraries
# (tools/cross-build-deps.sh, cached by version under build/deps). Safe to run again: a machine that
# is ready takes about a second.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mapfile -t packages < <(grep -v -E '^\s*(#|$)' "$repo/tools/packages.txt")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

"$repo/tools/cross-build-deps.sh"
