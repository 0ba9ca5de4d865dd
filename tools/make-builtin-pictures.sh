#!/usr/bin/env bash
# Makes the sixteen built-in pictures resources/pictures/C01X ... C16X from the photographs in the
# Debian 12 packages that NOTICE credits. Run by hand when the pictures change; the results are
# committed, so neither the build nor CI runs this.
#
# Each photograph is scaled to cover 2560 x 1600 (aspect kept) and the centred 2560 x 1600 is cut
# out: that keeps full detail for screens up to 2560 pixels wide (larger ones scale it up), and the
# margins a screen would cut off anyway cost no space. Fifteen pictures become JPEG-2000 codestreams
# (.j2k), one (C02X) a baseline JPEG file, so that the program keeps reading both formats from its
# resources. The rates keep all sixteen together under 10 MB (8.9 MB). resources/pictures.rc names
# each file: keep it in step when the JPEG picture changes.
#
# Needs apt-get and dpkg, ImageMagick's convert and opj_compress (libopenjp2-tools).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch="$repo/build/builtin-pictures"
output="$repo/resources/pictures"

width=2560
height=1600
# Compression ratio against the raw 24-bit pixels (12 MB): 22 gives about 560 KB a picture.
jpeg2000_ratio=22
jpeg_quality=88
jpeg_picture=02

packages=(
  plasma-workspace-wallpapers=4:5.27.5-2
  lomiri-wallpapers-20.04=20.04.0-2
  lomiri-wallpapers-16.04=20.04.0-2
  mate-backgrounds=1.26.0-1
)

# In month order: picture n becomes C<n>X.
sources=(
  /usr/share/wallpapers/ColdRipple/contents/images/2560x1600.jpg
  /usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg
  /usr/share/wallpapers/Kite/contents/images/2560x1600.jpg
  /usr/share/backgrounds/mate/nature/LadyBird.jpg
  /usr/share/backgrounds/seeding_by_Clements_Engelhardt.jpg
  /usr/share/backgrounds/picosdeeuropa_by_Aitzol_Berasategi.jpg
  /usr/share/wallpapers/summer_1am/contents/images/2560x1600.jpg
  /usr/share/wallpapers/Path/contents/images/2560x1600.jpg
  /usr/share/backgrounds/life_by_Aitzol_Berasategi.jpg
  /usr/share/wallpapers/BytheWater/contents/images/2560x1600.jpg
  /usr/share/backgrounds/Dragonfly_by_Bolly.jpg
  /usr/share/wallpapers/EveningGlow/contents/images/2560x1600.jpg
  /usr/share/backgrounds/aitzgorri_by_Aitzol_Berasategi.jpg
  /usr/share/wallpapers/FallenLeaf/contents/images/2560x1600.jpg
  /usr/share/wallpapers/DarkestHour/contents/images/2560x1600.jpg
  /usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg
)

mkdir -p "$scratch/debs" "$scratch/root" "$output"
(cd "$scratch/debs" && apt-get download "${packages[@]}")
for deb in "$scratch"/debs/*.deb; do
  dpkg -x "$deb" "$scratch/root"
done

rm -f "$output"/C[0-9][0-9]X.*
for index in "${!sources[@]}"; do
  number=$(printf '%02d' $((index + 1)))
  source="$scratch/root${sources[$index]}"
  scaled="$scratch/C${number}X.ppm"
  # -quiet: one of the photographs carries metadata that ImageMagick warns about but reads fine.
  convert -quiet "$source" -colorspace sRGB -strip -resize "${width}x${height}^" -gravity center \
    -extent "${width}x${height}" -depth 8 "$scaled"
  if [ "$number" = "$jpeg_picture" ]; then
    convert "$scaled" -quality "$jpeg_quality" -sampling-factor 2x2 -interlace none \
      "$output/C${number}X.jpg"
  else
    # -I: the irreversible 9/7 wavelet, the better one for lossy rates.
    opj_compress -i "$scaled" -o "$output/C${number}X.j2k" -r "$jpeg2000_ratio" -I >/dev/null
  fi
done

ls -l "$output"
du -cb "$output"/C[0-9][0-9]X.* | tail -n 1
