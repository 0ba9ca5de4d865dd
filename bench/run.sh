#!/usr/bin/env bash
# The wallpaper benchmark (run by hand, not by the tests): composes wallpapers with quellmoor-cli at
# 1920 x 1080 and 3840 x 2160 from three kinds of picture and compares each with the same pipeline
# done by ImageMagick's convert on the same input: scale to cover, centre crop, gamma 1.1 (our gamma
# level 6), one line of text, 24-bit BMP out. Reports the median wall time of RUNS runs, the peak
# memory (maximum resident set size) and the ratio, as a Markdown table in bench/RESULTS.md.
#
#   bench/run.sh [QUELLMOOR_CLI]    default: build/native/quellmoor-cli (cmake --preset native)
#   RUNS=N bench/run.sh             runs per measurement (default 7)
#
# Needs ImageMagick's convert and GNU time (/usr/bin/time, Debian package time).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=$(realpath "${1:-$repo/build/native/quellmoor-cli}")
runs=${RUNS:-7}
work="$repo/build/bench"
results="$repo/bench/RESULTS.md"
date=2026-12-08
font=DejaVu-Sans

[[ -x $cli ]] || { echo "bench: no quellmoor-cli at $cli (build it: cmake --preset native && cmake --build --preset native)" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "bench: needs GNU time (/usr/bin/time)" >&2; exit 1; }
mkdir -p "$work"

# The inputs: (a) a built-in JPEG-2000 picture, (b) a 24-megapixel JPEG and (c) a large PNG, both
# made from built-in pictures.
builtin_name=C07X
builtin_file="$repo/resources/pictures/C07X.j2k"
jpeg="$work/photo-6000x4000.jpg"
png="$work/picture-5000x3500.png"
[[ -f $jpeg ]] || convert "$repo/resources/pictures/C10X.j2k" -resize '6000x4000^' -gravity center \
  -extent 6000x4000 -quality 90 "$jpeg"
[[ -f $png ]] || convert "$repo/resources/pictures/C12X.j2k" -resize '5000x3500^' -gravity center \
  -extent 5000x3500 "$png"

# Runs the command "$@" $runs times; prints the median wall time and the median processor time (user
# and system, all threads) in milliseconds, and the largest peak memory in MB. The processor time
# shows the work when other programs share the machine and stretch the wall time.
measure() {
  local times=() cpu_times=() peak=0 start end rss user system
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    /usr/bin/time -f '%M %U %S' -o "$work/time.txt" "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    read -r rss user system < <(tail -n 1 "$work/time.txt")
    cpu_times+=($(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1000 }'))
    ((rss > peak)) && peak=$rss
  done
  echo "$(median "${times[@]}") $(median "${cpu_times[@]}") $((peak / 1024))"
}

median() {
  printf '%s\n' "$@" | sort -n | sed -n "$(($# / 2 + 1))p"
}

ours() {  # picture width height
  measure "$cli" compose --picture "$1" --size "$2x$3" --date "$date" --gamma 6 --out "$work/ours.bmp"
}

theirs() {  # file width height
  measure convert "$1" -resize "$2x$3^" -gravity center -extent "$2x$3" -gamma 1.1 \
    -font "$font" -pointsize 40 -fill white -gravity south -annotate +0+80 "Dezember 2026" \
    "BMP3:$work/theirs.bmp"
}

rows=()
for input in builtin jpeg png; do
  case $input in
    builtin) picture=$builtin_name file=$builtin_file label="built-in JPEG 2000 ($builtin_name, 2560 x 1600, $(($(stat -c %s "$builtin_file") / 1024)) KB)" ;;
    jpeg) picture=$jpeg file=$jpeg label="JPEG 6000 x 4000 (24 MP, q90, $(($(stat -c %s "$jpeg") / 1048576)) MB)" ;;
    png) picture=$png file=$png label="PNG 5000 x 3500 ($(($(stat -c %s "$png") / 1048576)) MB)" ;;
  esac
  for size in 1920x1080 3840x2160; do
    width=${size%x*} height=${size#*x}
    read -r our_ms our_cpu our_mb < <(ours "$picture" "$width" "$height")
    read -r their_ms their_cpu their_mb < <(theirs "$file" "$width" "$height")
    buffers_mb=$((4 * width * height * 3 / 1048576))
    ratio=$(awk -v a="$their_ms" -v b="$our_ms" 'BEGIN { printf "%.1f", a / (b > 0 ? b : 1) }')
    cpu_ratio=$(awk -v a="$their_cpu" -v b="$our_cpu" 'BEGIN { printf "%.1f", a / (b > 0 ? b : 1) }')
    rows+=("| $label | $width x $height | $our_ms ($our_cpu) | $our_mb | $their_ms ($their_cpu) | $their_mb | ${ratio}x (${cpu_ratio}x) | $buffers_mb |")
    echo "bench: $input $size: ours $our_ms ms (CPU $our_cpu ms) $our_mb MB," \
      "ImageMagick $their_ms ms (CPU $their_cpu ms) $their_mb MB" >&2
  done
done

{
  echo "# Wallpaper benchmark"
  echo
  echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
    "$(free -g | awk '/^Mem:/ { print $2 }') GB; $(. /etc/os-release && echo "$PRETTY_NAME")."
  echo "Date: $(date -u +%Y-%m-%d). Median of $runs runs each: wall time in ms, in brackets the processor time"
  echo "(user and system, all threads) in ms; peak memory is the maximum resident set size."
  echo
  echo "Ours: \`quellmoor-cli compose --picture PICTURE --size WxH --date $date --gamma 6 --out ours.bmp\`"
  echo "(read with the cover size as hint, scale to cover, centre crop, gamma 1.1, the whole month drawn:"
  echo "title and 31 day numbers, 24-bit BMP written)."
  echo
  echo "ImageMagick: \`convert FILE -resize WxH^ -gravity center -extent WxH -gamma 1.1 -font $font"
  echo "-pointsize 40 -fill white -gravity south -annotate +0+80 \"Dezember 2026\" BMP3:theirs.bmp\`"
  echo "($(convert -version | head -n 1 | sed 's/^Version: //; s/ https.*//'))."
  echo
  echo "| Input | Screen | Ours ms (CPU) | Ours MB | ImageMagick ms (CPU) | ImageMagick MB | Speed-up (CPU) | 4 screen buffers MB |"
  echo "|---|---|---:|---:|---:|---:|---:|---:|"
  printf '%s\n' "${rows[@]}"
} >"$results"
echo "bench: results in $results" >&2
