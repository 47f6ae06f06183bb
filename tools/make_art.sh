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

SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# The relay's notification in the stock Android look: a white card with the app's small icon and name, the
# title and a line of text. Drawn at twice the size, then scaled down for smooth edges.
"$CONVERT" -size 396x182 xc:'#ECEFF1' \
  -fill white -stroke '#D0D4D8' -strokewidth 2 -draw 'roundrectangle 8,8 387,173 18,18' -stroke none \
  -fill '#3F7DE8' -draw 'circle 38,40 38,52' -fill white -draw 'rectangle 33,35 43,45' \
  -font "$SANS" -pointsize 18 -fill '#5F6368' -annotate +60+47 'Gnirehtet · now' \
  -font "$BOLD" -pointsize 24 -fill '#202124' -annotate +26+98 'Gnirehtet' \
  -font "$SANS" -pointsize 21 -fill '#3C4043' -annotate +26+136 'Reverse tethering enabled' \
  -resize 198x91 -quality 92 res/notify_stock.jpg

# The same notification in the MIUI look: rounded light card, larger title, and an action to stop the relay.
"$CONVERT" -size 416x186 xc:'#F2F2F2' \
  -fill white -draw 'roundrectangle 6,6 409,179 26,26' \
  -fill '#3F7DE8' -draw 'roundrectangle 24,24 64,64 10,10' -fill white -draw 'rectangle 37,37 51,51' \
  -font "$BOLD" -pointsize 24 -fill '#000000' -annotate +80+50 'Gnirehtet' \
  -font "$SANS" -pointsize 20 -fill '#666666' -annotate +80+84 'Reverse tethering enabled' \
  -fill '#EDEDED' -draw 'roundrectangle 80,112 270,160 22,22' \
  -font "$BOLD" -pointsize 19 -fill '#0D84FF' -annotate +104+144 'STOP GNIREHTET' \
  -resize 208x93 -quality 92 res/notify_miui.jpg

# The About logo: a grey disc with a white capital G, 72 x 72.
"$CONVERT" -size 288x288 xc:white -fill '#8A8F96' -draw 'circle 144,144 144,8' \
  -font "$BOLD" -pointsize 190 -fill white -gravity center -annotate +0+6 'G' \
  -resize 72x72 -quality 92 res/logo.jpg
echo "wrote res/relanto.ico res/notify_stock.jpg res/notify_miui.jpg res/logo.jpg"
