#!/usr/bin/env bash
# Draws the About window's portrait: an invented head-and-shoulders figure in a reddish sepia tint, 89 x 122 pixels.
# Needs ImageMagick; the JPEG it writes is committed, so the build does not run this.
set -euo pipefail
out=${1:-"$(dirname "$0")/portrait.jpg"}
convert -size 89x122 radial-gradient:'#f4e6cc'-'#8a6446' \
    -fill '#3a2a20' -draw 'ellipse 44,124 46,34 180,360' \
    -fill '#e6c8a4' -draw 'rectangle 36,72 52,92' \
    -fill '#f0d8b8' -draw 'polygon 34,90 54,90 44,104' \
    -fill '#e8cca8' -draw 'ellipse 44,52 19,25 0,360' \
    -fill '#4a3426' -draw 'ellipse 44,36 21,13 180,360' -draw 'ellipse 26,44 4,10 0,360' -draw 'ellipse 62,44 4,10 0,360' \
    -fill '#5a3e2c' -draw 'ellipse 36,50 3,2 0,360' -draw 'ellipse 52,50 3,2 0,360' \
    -stroke '#8a5a40' -strokewidth 1 -fill none -draw 'line 44,52 42,61' -draw 'line 42,61 46,61' \
    -stroke '#9a4a3a' -draw 'line 38,68 50,68' -stroke none \
    -blur 0x0.8 -modulate 100,40 -sepia-tone 78% -fill '#b04a2a' -colorize 12% \
    -attenuate 0.35 +noise Gaussian -quality 88 -strip "$out"
