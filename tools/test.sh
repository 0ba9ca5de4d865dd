#!/usr/bin/env bash
# Runs every test of Quellmoor on a fresh or prepared Debian 12 machine: set-up, the native unit
# tests, the same under AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build with its
# tests under Wine and Xvfb, and a bounded run of the picture-reader fuzzers.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

"$repo/tools/setup.sh"

for preset in native native-asan win64; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: tests"
  ctest --preset "$preset" -j2
done

echo "== fuzz"
"$repo/tools/run-fuzzers.sh" "${QUELLMOOR_FUZZ_SECONDS:-20}"
echo "== all tests passed"
