#!/usr/bin/env bash
# Draws Vantro's wrench icon (our own artwork) and packs it as src/app/Vantro.ico.
# Needs ImageMagick; the .ico is committed, so builds do not need this script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/src/app/Vantro.ico
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
steel='#b8c2cc'; edge='#2b3440'
# Upright wrench: an open jaw at the top and a handle below; turned 45 degrees after.
convert -size 256x256 xc:none -stroke "$edge" -strokewidth 10 -fill "$steel" \
  -draw "roundrectangle 106,100 150,228 22,22" \
  -draw "circle 128,76 128,22" \
  -stroke none -draw "rectangle 111,100 145,124" "$tmp/body.png"
# The jaw's slot, cut out of the head.
convert -size 256x256 xc:none -fill black \
  -draw "rectangle 111,0 145,70" -draw "circle 128,70 128,53" "$tmp/slot.png"
convert "$tmp/body.png" "$tmp/slot.png" -compose DstOut -composite \
  -fill none -stroke "$edge" -strokewidth 8 \
  -draw "line 107,24 107,70" -draw "line 149,24 149,70" -draw "arc 107,49 149,91 0,180" \
  -stroke '#eef2f5' -strokewidth 6 -draw "line 118,136 118,214" \
  -virtual-pixel transparent -distort SRT 45 "$tmp/w256.png"
for s in 16 24 32 48; do convert "$tmp/w256.png" -filter Lanczos -resize ${s}x${s} "$tmp/w$s.png"; done
convert "$tmp/w16.png" "$tmp/w24.png" "$tmp/w32.png" "$tmp/w48.png" "$tmp/w256.png" "$out"
echo "wrote $out"
