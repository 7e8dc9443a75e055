#!/usr/bin/env bash
# Remakes Prismark's own artwork with ImageMagick: the two logos (24-bit bitmaps) and the icon
# in the sizes desktops ask for. Run it from anywhere; it writes beside itself.
set -euo pipefail
cd "$(dirname "$0")"

font=DejaVu-Sans-Bold
slate='rgb(42,44,64)'
spectrum='gradient:rgb(255,64,64)-rgb(64,160,255)'

# A word drawn in a horizontal spectrum, on the slate of the window background.
spectrum_word() { # width height pointsize text output
    local w=$1 h=$2 size=$3 text=$4 out=$5
    convert -size "${h}x${w}" "$spectrum" -rotate -90 \
        \( -size "${w}x${h}" xc:black -font "$font" -pointsize "$size" -fill white \
           -gravity center -annotate +0+0 "$text" \) \
        -alpha off -compose CopyOpacity -composite \
        -background "$slate" -alpha remove -alpha off "$out"
}

logo() { # scale width height word-size tagline tagline-size output; sizes at scale 1
    local x=$1 w=$(($2 * $1)) h=$(($3 * $1)) size=$(($4 * $1)) tag=$5 tagsize=$(($6 * $1)) out=$7
    local tmp
    tmp=$(mktemp -d)
    spectrum_word "$w" "$((h * 2 / 3))" "$size" PRISMARK "$tmp/word.png"
    convert -size "${w}x${h}" "xc:$slate" \
        "$tmp/word.png" -gravity north -geometry "+0+$((2 * x))" -composite \
        -font DejaVu-Sans -pointsize "$tagsize" -fill 'rgb(200,200,200)' \
        -gravity south -annotate "+0+$((4 * x))" "$tag" \
        -type TrueColor "BMP3:$out"
    rm -r "$tmp"
}

# Each logo also at twice the size, which Qt picks on dense screens (125 % and up).
for scale in 1 2; do
    suffix=$([ "$scale" = 2 ] && echo @2x || true)
    logo "$scale" 262 96 42 'coloured names for SoF2 Double Helix' 11 "logo_large$suffix.bmp"
    logo "$scale" 150 45 24 'name colours' 9 "logo_small$suffix.bmp"
done

# The icon: a white beam entering a glass prism and leaving it as a spectrum.
for size in 16 24 32 48 64 128 256; do
    s=$((size * 4)) # drawn large, then scaled down for smooth edges
    convert -size "${s}x${s}" xc:none \
        -fill "$slate" -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $((s / 6)),$((s / 6))" \
        -stroke white -strokewidth "$((s / 24))" \
        -draw "line $((s / 12)),$((s * 5 / 8)) $((s * 7 / 16)),$((s / 2))" \
        -stroke none \
        -fill 'rgb(255,64,64)' -draw "polygon $((s / 2)),$((s / 2)) $((s * 15 / 16)),$((s * 5 / 16)) $((s * 15 / 16)),$((s * 7 / 16))" \
        -fill 'rgb(255,220,64)' -draw "polygon $((s / 2)),$((s / 2)) $((s * 15 / 16)),$((s * 7 / 16)) $((s * 15 / 16)),$((s * 9 / 16))" \
        -fill 'rgb(64,220,96)' -draw "polygon $((s / 2)),$((s / 2)) $((s * 15 / 16)),$((s * 9 / 16)) $((s * 15 / 16)),$((s * 11 / 16))" \
        -fill 'rgb(64,160,255)' -draw "polygon $((s / 2)),$((s / 2)) $((s * 15 / 16)),$((s * 11 / 16)) $((s * 15 / 16)),$((s * 13 / 16))" \
        -fill 'rgba(220,230,255,0.55)' -stroke white -strokewidth "$((s / 48 + 1))" \
        -draw "polygon $((s / 2)),$((s / 8)) $((s * 13 / 16)),$((s * 13 / 16)) $((s * 3 / 16)),$((s * 13 / 16))" \
        -resize "${size}x${size}" "PNG32:icon_${size}.png"
done
