#!/usr/bin/env bash
# Draws the tray popup's picture strip (our own artwork): a 45 x 177 band in the
# wrench's colours with the wrench at the top and the name read upwards, saved as a
# 24-bit bitmap in src/tray/PopupStrip.bmp. Needs ImageMagick and the DejaVu fonts;
# the .bmp is committed, so builds do not need this script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/src/tray/PopupStrip.bmp
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
# The name, drawn sideways, then turned to read from the bottom up.
convert -size 150x45 xc:none -font "$font" -pointsize 24 -fill '#eef2f5' \
  -gravity center -annotate +0+1 'Vantro' -rotate -90 "$tmp/name.png"
convert "$root/src/app/Vantro.ico[2]" -background none "$tmp/wrench.png"
convert -size 45x177 gradient:'#5d7896'-'#2b3440' \
  "$tmp/wrench.png" -gravity north -geometry +0+6 -composite \
  "$tmp/name.png" -gravity south -geometry +0+4 -composite \
  -fill none -stroke '#b8c2cc' -draw 'line 44,0 44,176' \
  -alpha off -type TrueColor BMP3:"$out"
echo "wrote $out"
