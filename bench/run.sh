#!/usr/bin/env bash
# The wallpaper benchmark (run by hand, not by the tests): composes wallpapers with quellmoor-cli at
# 1920 x 1080 and 3840 x 2160 from three kinds of picture and compares each with the bare decode of the
# same picture at the same reduced scale that our reader picks for the screen: djpeg -scale M/8 for the
# JPEG, opj_decompress -r R (two threads, as our reader) for the JPEG-2000 picture, and for the PNG
# bench/png-decode.c, which asks libpng for the same RGB rows as our reader and throws them away (netpbm's
# pngtopam spends more than twice that on its own per-sample conversion, so it would flatter us). The
# bare decoders write to /dev/null or a tmpfs file, and so does the compose. Each input is also done by
# ImageMagick's convert (scale to cover, centre crop, gamma 1.1 (our gamma level 6), one line of text,
# 24-bit BMP out) for scale. Reports the median wall time of RUNS runs (compose and bare decode taken in
# turn), the processor time, the peak memory (maximum resident set size) and the ratio compose / bare
# decode, as a Markdown table in bench/RESULTS.md.
#
#   bench/run.sh [QUELLMOOR_CLI]    default: build/native/quellmoor-cli (cmake --preset native)
#   RUNS=N bench/run.sh             runs per measurement (default 7)
#
# Needs ImageMagick's convert, GNU time (/usr/bin/time, Debian package time), djpeg (libjpeg-turbo-progs),
# opj_decompress (libopenjp2-tools), a C compiler and libpng's headers (libpng-dev).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=$(realpath "${1:-$repo/build/native/quellmoor-cli}")
runs=${RUNS:-7}
work="$repo/build/bench"
results="$repo/bench/RESULTS.md"
date=2026-12-08
font=DejaVu-Sans

[[ -x $cli ]] || { echo "bench: no quellmoor-cli at $cli (build it: cmake --preset native && cmake --build --preset native)" >&2; exit 1; }
missing=()
[[ -x /usr/bin/time ]] || missing+=(time)
command -v convert >/dev/null || missing+=(imagemagick)
command -v djpeg >/dev/null || missing+=(libjpeg-turbo-progs)
command -v opj_decompress >/dev/null || missing+=(libopenjp2-tools)
command -v cc >/dev/null || missing+=(gcc)
pkg-config --exists libpng 2>/dev/null || missing+=(libpng-dev pkg-config)
((${#missing[@]} == 0)) || { echo "bench: needs the Debian packages: ${missing[*]} (apt-get install ${missing[*]})" >&2; exit 1; }
mkdir -p "$work"
# Every output goes to tmpfs: writing to a disk would add its flushes to the times.
out=$(mktemp -d /dev/shm/quellmoor-bench.XXXXXX)
trap 'rm -rf "$out"' EXIT
png_decode="$work/png-decode"
cc -O2 -o "$png_decode" "$repo/bench/png-decode.c" $(pkg-config --cflags --libs libpng)

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

# One run of the command "$@": prints its wall time and processor time (user and system, all
# threads) in milliseconds and its peak memory in KB.
run_once() {
  local start end rss user system
  start=$(date +%s%N)
  /usr/bin/time -f '%M %U %S' -o "$out/time.txt" "$@" >/dev/null
  end=$(date +%s%N)
  read -r rss user system < <(tail -n 1 "$out/time.txt")
  echo "$(((end - start) / 1000000)) $(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1000 }') $rss"
}

median() {
  printf '%s\n' "$@" | sort -g | sed -n "$(($# / 2 + 1))p"
}

ratio() {  # a b
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / (b > 0 ? b : 1) }'
}

# Runs the compose ($compose) and the bare decode ($bare) in turn, $runs times each, so that a drift
# of the machine's speed meets both alike. Prints the median wall and processor times of each, the
# compose's largest peak memory in MB, and the medians of the run-by-run ratios compose / bare of
# wall and processor time. The processor time shows the work when other programs share the machine
# and stretch the wall time.
measure_pair() {
  local compose_wall=() compose_cpu=() bare_wall=() bare_cpu=() wall_ratios=() cpu_ratios=() peak=0
  local wall cpu rss bwall bcpu brss
  for ((i = 0; i < runs; i++)); do
    read -r wall cpu rss < <(run_once "${compose[@]}")
    read -r bwall bcpu brss < <(run_once "${bare[@]}")
    compose_wall+=("$wall") compose_cpu+=("$cpu") bare_wall+=("$bwall") bare_cpu+=("$bcpu")
    wall_ratios+=("$(ratio "$wall" "$bwall")") cpu_ratios+=("$(ratio "$cpu" "$bcpu")")
    ((rss > peak)) && peak=$rss
  done
  echo "$(median "${compose_wall[@]}") $(median "${compose_cpu[@]}") $((peak / 1024))" \
    "$(median "${bare_wall[@]}") $(median "${bare_cpu[@]}") $(median "${wall_ratios[@]}") $(median "${cpu_ratios[@]}")"
}

# The median wall time in ms of $runs runs of the command "$@".
measure_wall() {
  local times=() wall cpu rss
  for ((i = 0; i < runs; i++)); do
    read -r wall cpu rss < <(run_once "$@")
    times+=("$wall")
  done
  median "${times[@]}"
}

# The scale our readers pick for a picture of w x h and a screen of W x H (imaging/jpeg_reader.cpp,
# imaging/jpeg2000_reader.cpp): the smallest DCT scale 1/8, 1/4, 1/2 whose size still covers the
# screen, and the most JPEG-2000 resolution levels (up to 5) that can be dropped with the same rule.
jpeg_denominator() {  # w h W H
  for d in 8 4 2; do
    (((($1 + d - 1) / d) >= $3 && (($2 + d - 1) / d) >= $4)) && { echo "$d"; return; }
  done
  echo 1
}
jpeg2000_reduction() {  # w h W H
  for ((r = 5; r > 0; r--)); do
    local d=$((1 << r))
    (((($1 + d - 1) / d) >= $3 && (($2 + d - 1) / d) >= $4)) && { echo "$r"; return; }
  done
  echo 0
}

rows=()
for input in builtin jpeg png; do
  case $input in
    builtin) picture=$builtin_name file=$builtin_file picture_width=2560 picture_height=1600
      label="built-in JPEG 2000 ($builtin_name, 2560 x 1600, $(($(stat -c %s "$builtin_file") / 1024)) KB)" ;;
    jpeg) picture=$jpeg file=$jpeg picture_width=6000 picture_height=4000
      label="JPEG 6000 x 4000 (24 MP, q90, $(($(stat -c %s "$jpeg") / 1048576)) MB)" ;;
    png) picture=$png file=$png picture_width=5000 picture_height=3500
      label="PNG 5000 x 3500 ($(($(stat -c %s "$png") / 1048576)) MB)" ;;
  esac
  for size in 1920x1080 3840x2160; do
    width=${size%x*} height=${size#*x}
    compose=("$cli" compose --picture "$picture" --size "$size" --date "$date" --gamma 6 --out "$out/ours.bmp")
    case $input in
      builtin)
        reduction=$(jpeg2000_reduction "$picture_width" "$picture_height" "$width" "$height")
        bare=(opj_decompress -quiet -threads 2 -r "$reduction" -i "$file" -o "$out/bare.tif")
        read_at="r $reduction ($(((picture_width + (1 << reduction) - 1) >> reduction)) x $(((picture_height + (1 << reduction) - 1) >> reduction)))" ;;
      jpeg)
        denominator=$(jpeg_denominator "$picture_width" "$picture_height" "$width" "$height")
        bare=(djpeg -scale "$((8 / denominator))/8" -outfile /dev/null "$file")
        read_at="$((8 / denominator))/8 ($(((picture_width + denominator - 1) / denominator)) x $(((picture_height + denominator - 1) / denominator)))" ;;
      png)
        bare=("$png_decode" "$file")
        read_at="1 ($picture_width x $picture_height)" ;;
    esac
    read -r our_ms our_cpu our_mb bare_ms bare_cpu wall_ratio cpu_ratio < <(measure_pair)
    magick_ms=$(measure_wall convert "$file" -resize "$width"x"$height^" -gravity center -extent "$size" -gamma 1.1 \
      -font "$font" -pointsize 40 -fill white -gravity south -annotate +0+80 "Dezember 2026" "BMP3:$out/theirs.bmp")
    rows+=("| $label | $width x $height | $read_at | $bare_ms ($bare_cpu) | $our_ms ($our_cpu) | $(printf '%.2f' "$wall_ratio") ($(printf '%.2f' "$cpu_ratio")) | $our_mb | $magick_ms |")
    echo "bench: $input $size: bare decode $bare_ms ms (CPU $bare_cpu ms), compose $our_ms ms (CPU $our_cpu ms)" \
      "$our_mb MB, ratio $wall_ratio (CPU $cpu_ratio), ImageMagick $magick_ms ms" >&2
  done
done

{
  echo "# Wallpaper benchmark"
  echo
  echo "Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -n 1), $(nproc) cores," \
    "$(free -g | awk '/^Mem:/ { print $2 }') GB; $(. /etc/os-release && echo "$PRETTY_NAME")."
  echo "Date: $(date -u +%Y-%m-%d). Median of $runs runs each, compose and bare decode in turn: wall time in ms,"
  echo "in brackets the processor time (user and system, all threads) in ms; the ratio is the median of the"
  echo "run-by-run ratios compose / bare decode. Peak memory is the compose's maximum resident set size."
  echo
  echo "Compose: \`quellmoor-cli compose --picture PICTURE --size WxH --date $date --gamma 6 --out ours.bmp\`"
  echo "(read at the scale in the table, scale to cover, centre crop, gamma 1.1, the whole month drawn:"
  echo "title and 31 day numbers, 24-bit BMP written through a temporary file)."
  echo
  echo "Bare decode of the same picture at the same scale: JPEG \`djpeg -scale M/8 -outfile /dev/null\`"
  echo "($(djpeg -version 2>&1 | head -n 1)), JPEG-2000 \`opj_decompress -threads 2 -r R -o bare.tif\`"
  echo "(OpenJPEG $(opj_decompress -h 2>&1 | sed -n 's/.*library v\([0-9.]*[0-9]\).*/\1/p' | head -n 1); TIFF is its cheapest output), PNG \`bench/png-decode\`"
  echo "(libpng $(pkg-config --modversion libpng): the rows our reader asks for, thrown away)."
  echo "Every output goes to tmpfs."
  echo
  echo "ImageMagick: \`convert FILE -resize WxH^ -gravity center -extent WxH -gamma 1.1 -font $font"
  echo "-pointsize 40 -fill white -gravity south -annotate +0+80 \"Dezember 2026\" BMP3:theirs.bmp\`"
  echo "($(convert -version | head -n 1 | sed 's/^Version: //; s/ https.*//')), wall time."
  echo
  echo "| Input | Screen | Read at | Bare decode ms (CPU) | Compose ms (CPU) | Compose / bare (CPU) | Compose MB | ImageMagick ms |"
  echo "|---|---|---|---:|---:|---:|---:|---:|"
  printf '%s\n' "${rows[@]}"
} >"$results"
echo "bench: results in $results" >&2
