#!/usr/bin/env bash
# Regenerates the program's own artwork in res/ with ImageMagick. The results are committed, so a build
# never depends on ImageMagick's version; run this only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
CONVERT=/usr/bin/convert
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Window icon: a coral tile with a white phone joined to a cable, at 64 and 16 pixels.
icon() {
  local size=$1 out=$2
  "$CONVERT" -size 256x256 xc:none \
    -fill '#F38393' -draw 'roundrectangle 8,8 247,247 48,48' \
    -fill none -stroke white -strokewidth 18 -draw 'roundrectangle 78,40 178,200 18,18' \
    -fill white -stroke none -draw 'circle 128,176 128,186' \
    -stroke white -strokewidth 18 -draw 'line 128,200 128,236' \
    -resize "${size}x${size}" "PNG32:$out"
}
icon 64 "$tmp/icon64.png"
icon 16 "$tmp/icon16.png"
"$CONVERT" "$tmp/icon16.png" "$tmp/icon64.png" res/relanto.ico
echo "wrote res/relanto.ico"
