#!/bin/sh
# Makes the still-picture test set with tools that are not ours, and beside every picture the
# pixels those tools decode from it (raw rgb24, top row first), for the engine's tests to
# compare with pixel for pixel. ffmpeg writes BMP (1, 8, 24 bits) and PCX (1, 8, 24 bits) and
# decodes them; ImageMagick writes the 4-bit and RLE8 BMPs and the DCX, and decodes the DCX
# pages, which ffmpeg cannot read. The width is odd, so rows carry padding.
#   usage: tools/test_media/make_picture_media.sh [OUTDIR]
#   default OUTDIR: tests/engine/media/data/pictures (the committed set)
# With --bench OUTDIR it makes the 640 x 480 pictures the picture benchmark reads instead.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
size=61x47
if [ "${1:-}" = --bench ]; then
    size=640x480
    shift
    out=${1:?usage: $0 --bench OUTDIR}
else
    out=${1:-$here/../../tests/engine/media/data/pictures}
fi
command -v ffmpeg >/dev/null || { echo "$0: ffmpeg is not installed" >&2; exit 2; }
command -v convert >/dev/null || { echo "$0: ImageMagick (convert) is not installed" >&2; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ff() { ffmpeg -nostdin -v error -y "$@"; }

# A test card: colour bars, gradients and sharp edges, so rows, columns and colours all show.
# testsrc2 itself only makes even sizes, so it is scaled to the size wanted.
ff -f lavfi -i "testsrc2=size=640x480" -frames:v 1 -vf "scale=${size%x*}:${size#*x}" \
    -pix_fmt rgb24 "$work/source.png"
# Reference pixels as ffmpeg decodes the file.
ffmpeg_pixels() { ff -i "$out/$1" -f rawvideo -pix_fmt rgb24 "$out/$1.rgb"; }

if [ "$size" = 640x480 ]; then
    ff -i "$work/source.png" -pix_fmt pal8 "$out/bench_8bit.bmp"
    ff -i "$work/source.png" -pix_fmt pal8 "$out/bench_8bit.pcx"
    convert "$work/source.png" -colors 256 -compress RLE "BMP3:$out/bench_rle8.bmp"
    # A rendered, photo-like picture: dithered gradients and fine detail, so RLE8 holds
    # mostly short runs rather than the card's long flat ones.
    ff -f lavfi -i "mandelbrot=size=640x480:start_scale=0.3" -frames:v 1 -pix_fmt rgb24 \
        "$work/photo.png"
    convert "$work/photo.png" -colors 256 -compress RLE "BMP3:$out/bench_photo_rle8.bmp"
    exit 0
fi

ff -i "$work/source.png" -pix_fmt monob "$out/bmp_1bit.bmp"
ff -i "$work/source.png" -pix_fmt pal8 "$out/bmp_8bit.bmp"
ff -i "$work/source.png" -pix_fmt bgr24 "$out/bmp_24bit.bmp"
convert "$work/source.png" -colors 16 -type Palette "BMP3:$out/bmp_4bit.bmp"
convert "$work/source.png" -colors 200 -compress RLE "BMP3:$out/bmp_rle8.bmp"
ff -i "$work/source.png" -pix_fmt monob "$out/pcx_1bit.pcx"
ff -i "$work/source.png" -pix_fmt pal8 "$out/pcx_8bit.pcx"
ff -i "$work/source.png" -pix_fmt rgb24 "$out/pcx_24bit.pcx"
for picture in bmp_1bit.bmp bmp_4bit.bmp bmp_8bit.bmp bmp_24bit.bmp bmp_rle8.bmp \
    pcx_1bit.pcx pcx_8bit.pcx pcx_24bit.pcx; do
    ffmpeg_pixels "$picture"
done

# Three pages with palettes of their own: the card, upside down, and in negative.
convert "$work/source.png" \( "$work/source.png" -flip \) \( "$work/source.png" -negate \) \
    -colors 256 "DCX:$out/pages.dcx"
for page in 0 1 2; do
    convert "$out/pages.dcx[$page]" -depth 8 "rgb:$out/pages.dcx.$page.rgb"
done
