#!/usr/bin/env bash
# Draws Quellmoor's own artwork with ImageMagick and writes it to resources/art/: the program icon,
# the moon phases, the window and note-button icons (16, 32 and 48 pixels in each .ico), the date
# icon background ICON_KAL (32 x 32, 8 bits per pixel) with its mask ICON_MSK (1 bit), and the title
# picture TITEL (a JPEG). Everything is drawn from the shapes below; run it again after a change and
# commit the results.
#
#   tools/make-artwork.sh [OUTPUT_FOLDER]
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$repo/resources/art}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

serif_bold_italic=/usr/share/fonts/truetype/liberation2/LiberationSerif-BoldItalic.ttf
sans_bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Icons are drawn once on a 256 x 256 canvas and scaled down; strokes are at least 16 units wide so
# that they survive as one pixel at 16 x 16.
S=256
ink='#2C3E50'
paper='#FDFCF7'
red='#C83C2C'
blue='#2F6DB5'
green='#2E9E4F'
gold='#E8B923'

# master NAME DRAW-ARGUMENTS...: the 256 x 256 master picture of an icon.
master() {
  local name=$1
  shift
  convert -size ${S}x${S} xc:none "$@" "$work/$name.png"
}

# icon NAME: the .ico with 48, 32 and 16 pixels from the master.
icon() {
  local name=$1 size
  for size in 48 32 16; do
    convert "$work/$name.png" -filter Lanczos -resize ${size}x${size} -channel A -level 8%,100% +channel \
      "$work/$name-$size.png"
  done
  convert "$work/$name-48.png" "$work/$name-32.png" "$work/$name-16.png" "$out/$name.ico"
}

# disabled NAME OFF-NAME: the greyed, faded form of a button icon.
disabled() {
  convert "$work/$1.png" -colorspace Gray -fill white -colorize 35% -channel A -evaluate multiply 0.55 +channel \
    -colorspace sRGB "$work/$2.png"
  icon "$2"
}

# gear_points CX CY R1 R2 N: the outline of a gear of N teeth between the radii R1 and R2.
gear_points() {
  awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v n="$5" 'BEGIN {
    pi = atan2(0, -1); steps = n * 4
    for (i = 0; i < steps; i++) {
      a = 2 * pi * (i + 0.5) / steps; r = (int(i / 2) % 2 == 0) ? r2 : r1
      printf "%.1f,%.1f ", cx + r * cos(a), cy + r * sin(a)
    }
  }'
}

# --- the program icon: a calendar sheet with a red header, binding rings and day cells -------------
calendar_sheet=(-stroke "$ink" -strokewidth 12 -fill "$paper" -draw "roundrectangle 22,40 234,238 22,22"
  -stroke none -fill "$red" -draw "roundrectangle 28,46 228,104 16,16" -draw "rectangle 28,80 228,104"
  -fill "$ink" -draw "roundrectangle 66,14 90,70 10,10" -draw "roundrectangle 166,14 190,70 10,10")
cells=()
for row in 0 1 2; do
  for column in 0 1 2 3; do
    x=$((50 + column * 44)) y=$((124 + row * 36))
    colour='#9AA5B1'
    [[ $row -eq 1 && $column -eq 2 ]] && colour=$red
    cells+=(-fill "$colour" -draw "roundrectangle $x,$y $((x + 28)),$((y + 22)) 5,5")
  done
done
master APP_ICON "${calendar_sheet[@]}" "${cells[@]}"
icon APP_ICON

# --- the date icon background: 32 x 32, 8 bits per pixel, black where the mask is transparent -----
# The day number is drawn into the white page from (6, 7) to (26, 27). The page and the header are
# shaded in gentle gradients, which also gives the picture more than 16 colours, so that it is
# stored with 8 bits per pixel.
convert -size 32x32 xc:black +antialias \
  -fill "$ink" -draw "rectangle 3,2 28,29" \
  \( -size 24x22 gradient:'#FFFFFF'-'#E6EAEE' \) -geometry +4+7 -composite \
  \( -size 24x4 gradient:'#E05A46'-'#B02E20' \) -geometry +4+3 -composite \
  -fill '#7F8C8D' -draw "rectangle 8,0 10,4" -draw "rectangle 21,0 23,4" \
  -fill '#C9CED3' -draw "line 9,0 9,3" -draw "line 22,0 22,3" \
  +dither -type Palette -compress none BMP3:"$out/ICON_KAL.bmp"
[[ $(identify -format %z "$out/ICON_KAL.bmp") == 8 ]] || { echo "ICON_KAL.bmp is not 8 bits per pixel" >&2; exit 1; }
# Its mask: black (opaque) over the sheet and the rings, white (transparent) elsewhere.
convert -size 32x32 xc:white +antialias -fill black \
  -draw "rectangle 3,2 28,29" -draw "rectangle 8,0 10,4" -draw "rectangle 21,0 23,4" \
  -monochrome -type Bilevel -depth 1 -compress none BMP3:"$out/ICON_MSK.bmp"

# --- the moon phases: 0 new moon, 2 first quarter, 4 full moon, 6 last quarter ---------------------
# Point (x, y) of the unit disc is lit when it lies beyond the terminator, the ellipse
# x = cos(2 pi p) * sqrt(1 - y^2) of phase p (0 new, 0.5 full); waxing phases are lit from the right.
convert -size 1x256 gradient:'#161D29'-'#FFF6DA' "$work/moonclut.png"
convert -size ${S}x${S} xc:black -fill white -draw "circle 128,128 128,242" "$work/moondisc.png"
for index in 0 1 2 3 4 5 6 7; do
  phase=$(awk -v i="$index" 'BEGIN { printf "%.4f", i / 8 }')
  convert -size ${S}x${S} xc:black -colorspace Gray -fx "
    px = (i + 0.5 - w / 2) / 114; py = (j + 0.5 - h / 2) / 114;
    rr = px * px + py * py; edge = sqrt(max(0, 1 - py * py)); cs = cos(2 * pi * $phase);
    lit = ($phase <= 0.5) ? (px >= cs * edge) : (px <= -cs * edge);
    lit ? 0.78 + 0.22 * (1 - rr) : 0.06 + 0.08 * (1 - rr)" \
    "$work/moonclut.png" -clut "$work/moondisc.png" -alpha off -compose CopyOpacity -composite \
    -fill none -stroke '#0E131A' -strokewidth 8 -draw "circle 128,128 128,242" "$work/MOND$index.png"
  icon "MOND$index"
done

# --- clock and alarm clock --------------------------------------------------------------------------
clock_face=(-stroke "$ink" -strokewidth 16 -fill "$paper" -draw "circle 128,140 128,$((140 + 96))")
ticks=()
for hour in 0 3 6 9; do
  read -r x1 y1 x2 y2 < <(awk -v h="$hour" 'BEGIN { pi = atan2(0, -1); a = h * pi / 6;
    printf "%.1f %.1f %.1f %.1f\n", 128 + 78 * sin(a), 140 - 78 * cos(a), 128 + 62 * sin(a), 140 - 62 * cos(a) }')
  ticks+=(-stroke "$ink" -strokewidth 12 -draw "line $x1,$y1 $x2,$y2")
done
hands=(-stroke "$ink" -strokewidth 14 -draw "line 128,140 86,116" -stroke "$red" -strokewidth 12
  -draw "line 128,140 180,110" -stroke none -fill "$ink" -draw "circle 128,140 128,152")
master UHR "${clock_face[@]}" "${ticks[@]}" "${hands[@]}"
icon UHR
master WECKER -stroke "$ink" -strokewidth 14 -fill "$gold" \
  -draw "ellipse 62,50 40,36 180,360" -draw "ellipse 194,50 40,36 180,360" \
  -stroke "$ink" -strokewidth 16 -draw "line 70,222 48,246" -draw "line 186,222 208,246" \
  "${clock_face[@]}" "${ticks[@]}" "${hands[@]}"
icon WECKER

# --- note paper -------------------------------------------------------------------------------------
note_sheet=(-stroke '#8A6D0B' -strokewidth 10 -fill '#FFE36E'
  -draw "polygon 34,30 222,30 222,170 164,228 34,228"
  -fill '#E9C53A' -draw "polygon 164,228 164,170 222,170"
  -stroke '#B8962A' -strokewidth 9 -draw "line 66,80 190,80" -draw "line 66,118 190,118" -draw "line 66,156 140,156")
master ZETTEL "${note_sheet[@]}"
icon ZETTEL
master NOTE_NEW "${note_sheet[@]}" -stroke none -fill "$green" \
  -draw "roundrectangle 150,128 176,240 8,8" -draw "roundrectangle 107,171 219,197 8,8"
icon NOTE_NEW
disabled NOTE_NEW NOTE_NEW_OFF

# --- options gear -----------------------------------------------------------------------------------
master CONFIG -stroke "$ink" -strokewidth 12 -fill '#8FA3B8' -draw "polygon $(gear_points 128 128 84 112 8)" \
  -fill "$paper" -draw "circle 128,128 128,164"
icon CONFIG

# --- desktop: a screen with a landscape on its stand --------------------------------------------------
master DESKTOP -stroke "$ink" -strokewidth 12 -fill '#5B8FD1' -draw "roundrectangle 20,36 236,186 14,14" \
  -stroke none -fill '#FFD45C' -draw "circle 180,82 180,102" \
  -fill '#3C7A3E' -draw "polygon 30,176 90,108 138,150 170,124 226,176" \
  -fill "$ink" -draw "polygon 104,192 152,192 164,226 92,226" -draw "roundrectangle 62,220 194,240 8,8"
icon DESKTOP

# --- hotkeys: a key cap with a flash ------------------------------------------------------------------
master HOTKEYS -stroke "$ink" -strokewidth 12 -fill '#E3E8ED' -draw "roundrectangle 26,34 230,228 30,30" \
  -stroke none -fill '#C5CDD5' -draw "roundrectangle 50,178 206,212 16,16" \
  -fill "$gold" -stroke "$ink" -strokewidth 8 -draw "polygon 140,52 84,140 124,140 108,196 172,104 132,104 150,52"
icon HOTKEYS

# --- note window buttons ----------------------------------------------------------------------------
arrow_disc=(-stroke '#1D4F8A' -strokewidth 10 -fill "$blue" -draw "circle 128,128 128,232")
master NOTE_BACK "${arrow_disc[@]}" -stroke none -fill white \
  -draw "polygon 64,128 124,72 124,106 192,106 192,150 124,150 124,184"
icon NOTE_BACK
disabled NOTE_BACK NOTE_BACK_OFF
master NOTE_FORW "${arrow_disc[@]}" -stroke none -fill white \
  -draw "polygon 192,128 132,72 132,106 64,106 64,150 132,150 132,184"
icon NOTE_FORW
disabled NOTE_FORW NOTE_FORW_OFF
master NOTE_DEL -stroke "$ink" -strokewidth 12 -fill '#D5DBE1' \
  -draw "polygon 62,74 194,74 180,236 76,236" \
  -fill "$red" -draw "roundrectangle 40,46 216,74 8,8" -draw "roundrectangle 100,24 156,46 8,8" \
  -stroke '#8895A3' -strokewidth 12 -draw "line 104,104 108,206" -draw "line 152,104 148,206"
icon NOTE_DEL
disabled NOTE_DEL NOTE_DEL_OFF
# shackle FILE COLOUR CENTRE_X CENTRE_Y LEFT_END RIGHT_END: a padlock's shackle, the upper half of an
# ellipse around the centre whose legs go down to LEFT_END and RIGHT_END. The whole ellipse is drawn
# and all but the arch and the legs masked away (partial arcs would be closed by a chord).
shackle() {
  local file=$1 colour=$2 cx=$3 cy=$4 left_end=$5 right_end=$6
  local left=$((cx - 50)) right=$((cx + 50))
  convert -size ${S}x${S} xc:none -fill none -stroke "$colour" -strokewidth 24 \
    -draw "ellipse $cx,$cy 50,56 0,360" -draw "line $left,$cy $left,$left_end" \
    -draw "line $right,$cy $right,$right_end" \
    \( -size ${S}x${S} xc:none -fill white -draw "rectangle 0,0 255,$cy" \
       -draw "rectangle 0,$cy $((left + 12)),$left_end" -draw "rectangle $((right - 12)),$cy 255,$right_end" \) \
    -compose DstIn -composite "$file"
}
lock_body=(-stroke '#7A5A08' -strokewidth 12 -fill "$gold" -draw "roundrectangle 46,112 210,236 18,18"
  -stroke none -fill "$ink" -draw "circle 128,160 128,178" -draw "rectangle 120,164 136,206")
shackle "$work/shackle-closed.png" "$ink" 128 84 124 124
master NOTE_RO -draw "image over 0,0 0,0 '$work/shackle-closed.png'" "${lock_body[@]}"
icon NOTE_RO
# Open: lifted, its left leg out of the body.
shackle "$work/shackle-open.png" '#7F8C8D' 150 58 82 124
master NOTE_RO_OFF -draw "image over 0,0 0,0 '$work/shackle-open.png'" "${lock_body[@]}"
icon NOTE_RO_OFF
master NOTE_EDIT -stroke "$ink" -strokewidth 10 -fill "$gold" \
  -draw "polygon 178,26 230,78 92,216 40,164" \
  -fill '#F2C9A0' -draw "polygon 40,164 92,216 26,236" \
  -fill "$red" -draw "polygon 178,26 230,78 210,98 158,46" \
  -stroke none -fill "$ink" -draw "polygon 26,236 34,206 56,228"
icon NOTE_EDIT
master NOTE_HELP -stroke '#1D4F8A' -strokewidth 10 -fill "$blue" -draw "circle 128,128 128,232" \
  -stroke none -fill white -font "$sans_bold" -pointsize 170 -gravity center -annotate +0+6 "?"
icon NOTE_HELP
master NOTE_EXIT -stroke '#8E2A1F' -strokewidth 10 -fill "$red" -draw "circle 128,128 128,232" \
  -stroke white -strokewidth 30 -draw "line 86,86 170,170" -draw "line 170,86 86,170"
icon NOTE_EXIT

# --- title picture: the name over an evening moor ------------------------------------------------------
W=672 H=368
hill() {  # hill Y AMPLITUDE WAVELENGTH PHASE: a polygon of a gentle ridge down to the water line
  awk -v y="$1" -v a="$2" -v l="$3" -v p="$4" -v w="$W" -v b=290 'BEGIN {
    printf "0,%d ", b
    for (x = 0; x <= w; x += 8) printf "%d,%.1f ", x, y - a * sin(x / l + p) - a / 2 * sin(x / (l / 2.7) + p * 2)
    printf "%d,%d", w, b }'
}
convert -size ${W}x290 gradient:'#22365C'-'#F0B27A' \
  \( -size ${W}x290 xc:none -fill '#FFE2A8' -draw "circle 470,202 470,158" -blur 0x24 \) -composite \
  -fill '#FFF3D1' -draw "circle 470,202 470,182" \
  -fill '#5E6F8E' -draw "polygon $(hill 214 16 70 0.5)" \
  -fill '#3E4C66' -draw "polygon $(hill 238 12 50 2.1)" \
  -fill '#27334A' -draw "polygon $(hill 262 8 34 4.0)" \
  "$work/sky.png"
# The water mirrors the land, darker and softened, with a few light streaks.
convert "$work/sky.png" -flip -crop ${W}x78+0+0 +repage -blur 0x2 -fill '#1A2438' -colorize 35% \
  -stroke '#F6D9A6' -strokewidth 2 -draw "line 420,12 520,12" -draw "line 440,26 500,26" -draw "line 455,40 486,40" \
  "$work/water.png"
convert "$work/sky.png" "$work/water.png" -append \
  -fill '#141B29' -draw "polygon 0,368 0,330 40,322 90,334 130,318 170,336 210,326 260,344 300,368" \
  \( -size ${W}x${H} xc:none -font "$serif_bold_italic" -pointsize 104 -gravity north \
     -fill '#00000090' -annotate +4+58 "Quellmoor" -blur 0x4 \) -composite \
  -font "$serif_bold_italic" -pointsize 104 -gravity north -fill '#FFF8EC' -annotate +0+52 "Quellmoor" \
  -filter Lanczos -resize 336x184 -quality 90 -sampling-factor 1x1 -strip "$out/TITEL.jpg"

echo "artwork written to $out"
