#!/bin/bash
# Draw Keystone's pictures with ImageMagick (Debian package imagemagick) and
# the DejaVu fonts (fonts-dejavu-core). They are Keystone's own design:
#   data/logo1.jpg  1000 x 563  the logo window's picture
#   data/logo2.jpg   316 x  85  the banner shown over its lower right part
#   data/setup.jpg   240 x 180  the picture of the station-setup window
# The keystone drawn in them is the shape of Pennsylvania's state symbol:
# a block wider at the top than at the bottom, with its top corners cut in.
# Usage: tools/make_pictures.sh [data folder]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
data=${1:-$here/../data}
fonts=/usr/share/fonts/truetype/dejavu
bold=$fonts/DejaVuSans-Bold.ttf
regular=$fonts/DejaVuSans.ttf
serif_bold=$fonts/DejaVuSerif-Bold.ttf
mono_bold=$fonts/DejaVuSansMono-Bold.ttf
for font in "$bold" "$regular" "$serif_bold" "$mono_bold"; do
    [ -f "$font" ] || { echo "missing font $font (fonts-dejavu-core)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "convert not found (imagemagick)" >&2; exit 1; }

navy='#0b2545'
deep='#13315c'
gold='#f2c14e'
gold_dark='#b8860b'
white='#ffffff'

# keystone CX TOP WIDTH HEIGHT: the polygon points of a keystone whose top
# edge is centred on CX.
keystone() {
    awk -v cx="$1" -v top="$2" -v w="$3" -v h="$4" 'BEGIN {
        n = split("-0.50 0.10 -0.42 0.10 -0.42 0.00 0.42 0.00 0.42 0.10 " \
                  "0.50 0.10 0.37 1.00 -0.37 1.00", p, " ")
        for (i = 1; i < n; i += 2)
            printf "%.1f,%.1f ", cx + p[i] * w, top + p[i + 1] * h
    }'
}

# draw_keystone CX TOP WIDTH HEIGHT STROKE: ImageMagick options that draw a
# gold keystone with a darker rim and leave the fill navy for its lettering.
draw_keystone() {
    local cx=$1 top=$2 w=$3 h=$4 stroke=$5
    printf '%s\n' -fill "$gold" -stroke "$gold_dark" -strokewidth "$stroke" \
        -draw "polygon $(keystone "$cx" "$top" "$w" "$h")" \
        -stroke none -fill "$navy"
}

# centred_text X Y SIZE FONT TEXT: options that write TEXT centred on X with
# its baseline at Y, in the fill colour already chosen.
centred_text() {
    local cx=$1 y=$2 size=$3 font=$4 text=$5
    local width
    width=$(convert -font "$font" -pointsize "$size" label:"$text" -format '%w' info:)
    printf '%s\n' -font "$font" -pointsize "$size" \
        -annotate "+$((cx - width / 2))+$y" "$text"
}

make_logo1() {
    local out=$1
    local -a keystone_opts pa_opts
    mapfile -t keystone_opts < <(draw_keystone 200 120 250 300 6)
    mapfile -t pa_opts < <(centred_text 200 335 120 "$serif_bold" "PA")
    convert -size 1000x563 gradient:"$deep"-"$navy" \
        -fill none -stroke "$gold" -strokewidth 3 \
        -draw "rectangle 18,18 981,544" \
        "${keystone_opts[@]}" "${pa_opts[@]}" \
        -fill "$white" -stroke none \
        -font "$bold" -pointsize 104 -annotate +390+215 "Keystone" \
        -fill "$gold" -font "$bold" -pointsize 36 \
        -annotate +396+285 "Pennsylvania QSO Party" \
        -fill "$white" -font "$regular" -pointsize 28 \
        -annotate +398+335 "Contest Logger" \
        -stroke "$gold" -strokewidth 2 -draw "line 396,360 900,360" \
        -stroke none -fill '#8aa2bd' -font "$mono_bold" -pointsize 30 \
        -annotate +70+500 "-.- . -.-- ... - --- -. ." \
        -quality 92 -strip "$out"
}

make_logo2() {
    local out=$1
    local -a keystone_opts pa_opts
    mapfile -t keystone_opts < <(draw_keystone 46 12 58 62 2)
    mapfile -t pa_opts < <(centred_text 46 58 24 "$serif_bold" "PA")
    convert -size 316x85 xc:"$navy" \
        -fill none -stroke "$gold" -strokewidth 2 -draw "rectangle 1,1 314,83" \
        "${keystone_opts[@]}" "${pa_opts[@]}" \
        -fill "$white" -stroke none -font "$bold" -pointsize 34 \
        -annotate +90+44 "Keystone" \
        -fill "$gold" -font "$regular" -pointsize 15 \
        -annotate +92+68 "PA QSO Party Logger" \
        -quality 92 -strip "$out"
}

make_setup() {
    local out=$1
    local -a keystone_opts pa_opts title_opts sub_opts
    mapfile -t keystone_opts < <(draw_keystone 120 14 104 104 3)
    mapfile -t pa_opts < <(centred_text 120 96 44 "$serif_bold" "PA")
    mapfile -t title_opts < <(centred_text 120 146 22 "$bold" "Keystone")
    mapfile -t sub_opts < <(centred_text 120 168 14 "$regular" "Station Setup")
    convert -size 240x180 gradient:"$deep"-"$navy" \
        "${keystone_opts[@]}" "${pa_opts[@]}" \
        -fill "$white" -stroke none "${title_opts[@]}" \
        -fill "$gold" "${sub_opts[@]}" \
        -quality 92 -strip "$out"
}

make_logo1 "$data/logo1.jpg"
make_logo2 "$data/logo2.jpg"
make_setup "$data/setup.jpg"
identify "$data/logo1.jpg" "$data/logo2.jpg" "$data/setup.jpg"
