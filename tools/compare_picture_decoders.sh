#!/bin/sh
# ffmpeg's BMP, RLE8 (a test card and a photo-like picture) and PCX decoding of 640 x 480 pictures, in CPU time per picture with
# start-up subtracted, beside the engine's drawing of the same files (bench_picture_draw).
# ffmpeg decodes each picture N times in one process (-stream_loop); its "utime" minus that of
# one decode, divided by N - 1, is its time per picture. Median of three.
# Not part of CI: needs ffmpeg, ImageMagick and a built bench_picture_draw.
# usage: tools/compare_picture_decoders.sh [-n N] [-b PATH/TO/bench_picture_draw] [DIR]
set -eu
loops=400
bench=$(dirname "$0")/../build-release/bench/bench_picture_draw
while getopts n:b: option; do
    case $option in
    n) loops=$OPTARG ;;
    b) bench=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
pictures=${1:-bench_pictures}
command -v ffmpeg >/dev/null || { echo "$0: ffmpeg is not installed" >&2; exit 2; }
[ -f "$pictures/bench_photo_rle8.bmp" ] || "$(dirname "$0")/test_media/make_picture_media.sh" --bench "$pictures"

# ffmpeg's user CPU seconds for `count` decodes of the file.
utime() {
    ffmpeg -nostdin -benchmark -stream_loop "$(($2 - 1))" -i "$1" -f null - 2>&1 |
        sed -n 's/.*utime=\([0-9.]*\)s.*/\1/p'
}

median() { sort -n | sed -n 2p; }

printf '%-20s %18s\n' picture "ffmpeg us/picture"
for file in bench_8bit.bmp bench_rle8.bmp bench_photo_rle8.bmp bench_8bit.pcx; do
    per=$(for run in 1 2 3; do
        many=$(utime "$pictures/$file" "$loops")
        one=$(utime "$pictures/$file" 1)
        echo "($many - $one) * 1000000 / ($loops - 1)" | bc -l
    done | median)
    printf '%-20s %18.1f\n' "$file" "$per"
done
if [ -x "$bench" ]; then
    LUMARIS_BENCH_PICTURES=$pictures "$bench"
else
    echo "$0: no benchmark at $bench (use -b); the engine's figures are its CPU column" >&2
fi
