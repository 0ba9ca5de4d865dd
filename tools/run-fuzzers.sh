#!/usr/bin/env bash
# Builds the picture reader fuzz targets (preset fuzz: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer), writes their seed files and runs every target for a bounded time.
# Fails when any target finds a crash, a leak, undefined behaviour, a timeout or runs out of memory;
# the input that did it is left in build/fuzz/artifacts/, the target's output in build/fuzz/logs/.
#
# Usage: tools/run-fuzzers.sh [seconds-per-target]     (default 20)
# The corpus each target grows is kept in build/fuzz/corpus/<family> for the next run.
set -euo pipefail

seconds=${1:-20}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [seconds-per-target]" >&2; exit 2; }

repo="$(cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.." && pwd)"
cd "$repo"
build=build/fuzz
families=(jpeg png tiff jpeg2000 gif bmp pcx tga psd wbmp)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

rm -rf "$build/seeds"
"$build/make_fuzz_seeds" "$build/seeds"
mkdir -p "$build/artifacts" "$build/logs"

failed=()
for family in "${families[@]}"; do
    corpus="$build/corpus/$family"
    log="$build/logs/$family.log"
    mkdir -p "$corpus"
    printf '[fuzz] %-9s %s s ... ' "$family" "$seconds"
    if "$build/fuzz_$family" "$corpus" "$build/seeds/$family" \
            -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
            -artifact_prefix="$build/artifacts/$family-" >"$log" 2>&1; then
        echo "ok ($(grep -oE 'corp: [0-9]+' "$log" | tail -n 1))"
    else
        echo "FAILED"
        tail -n 30 "$log" >&2
        failed+=("$family")
    fi
done

if ((${#failed[@]})); then
    echo "[fuzz] findings in: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "[fuzz] ${#families[@]} targets ran ${seconds} s each without findings"
