#!/bin/sh
# Makes the small AVI test set in tests/engine/media/data/movies and stores beside each file
# ffmpeg's decoding of it (NAME.pal8: per frame, the rows from the top, then 256 palette
# entries as little-endian 0xAARRGGBB words), which the tests compare with pixel for pixel.
# ffmpeg writes the uncompressed movie with 8-bit sound; lumaris-avi writes the RLE8 and
# Video 1 movies, which no tool here writes. The files are committed, so CI needs neither.
# usage: tools/test_media/make_movie_media.sh [PATH/TO/lumaris-avi]
# With --bench OUTDIR [PATH/TO/lumaris-avi] it makes the 640 x 480 movies the AVI decoding
# benchmark reads instead (300 frames, a key frame every 30, in RLE8 and Video 1; about
# 14 MB) and, beside each, the first 30 frames alone, so that a per-frame cost can be taken
# as the difference of the two.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=
if [ "${1:-}" = --bench ]; then
    bench=${2:?usage: $0 --bench OUTDIR [lumaris-avi]}
    shift 2
fi
avi=${1:-$root/build/tools/avi/lumaris-avi}
out=$root/tests/engine/media/data/movies
command -v ffmpeg >/dev/null || { echo "$0: ffmpeg is not installed" >&2; exit 2; }
[ -x "$avi" ] || { echo "$0: no lumaris-avi at $avi" >&2; exit 2; }

ff() { ffmpeg -nostdin -v error -y "$@"; }

# Real content: a moving test card over a rendered, photo-like still, in one palette made
# from its first two seconds and dithered as ffmpeg does.
bench_movies() {
    mkdir -p "$bench"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    ff -f lavfi -i "mandelbrot=size=640x480:start_scale=0.3" -frames:v 1 "$work/still.png"
    scene="[0][1]overlay=x='mod(t*90,400)':y='100+60*sin(t)':shortest=1"
    ff -loop 1 -framerate 15 -t 2 -i "$work/still.png" \
       -f lavfi -i "testsrc2=size=240x180:rate=15:duration=2" \
       -filter_complex "$scene,palettegen" -update 1 "$work/palette.png"
    ff -loop 1 -framerate 15 -t 20 -i "$work/still.png" \
       -f lavfi -i "testsrc2=size=240x180:rate=15:duration=20" -i "$work/palette.png" \
       -filter_complex "$scene[v];[v][2]paletteuse" -frames:v 300 \
       -f rawvideo -pix_fmt pal8 "$work/frames.pal8"
    for codec in rle8 video1; do
        for frames in 300 30; do
            name=bench_$codec.avi
            [ "$frames" = 300 ] || name=bench_${codec}_$frames.avi
            "$avi" "$codec" "$bench/$name" --size 640x480 --frames "$frames" \
                --key-interval 30 --source "$work/frames.pal8"
        done
    done
    ls -l "$bench"
}

if [ -n "$bench" ]; then
    bench_movies
    exit 0
fi
mkdir -p "$out"

# 10 frames of 64x48 at 10 per second, with one second of 11025 Hz unsigned 8-bit sound.
ff -f lavfi -i testsrc=size=64x48:rate=10:duration=1 \
   -f lavfi -i sine=frequency=440:sample_rate=11025:duration=1 \
   -vf format=pal8 -c:v rawvideo -pix_fmt pal8 -c:a pcm_u8 -ac 1 \
   -fflags +bitexact -flags:v +bitexact "$out/uncompressed_sound.avi"
# RLE8 with delta frames and a palette change chunk before frame 6, under the handler "RLE ".
"$avi" rle8 "$out/rle8.avi" --frames 12 --palette-change 6 --handler 'RLE '
# Video 1 (8-bit) with skipped blocks, a key frame every 5 and a palette change.
"$avi" video1 "$out/video1.avi" --frames 12 --key-interval 5 --palette-change 6
# For seeking through the index: key frames 0, 16 and 32.
"$avi" rle8 "$out/rle8_keys.avi" --size 32x24 --frames 34 --key-interval 16

for movie in uncompressed_sound rle8 video1 rle8_keys; do
    ff -i "$out/$movie.avi" -map 0:v -f rawvideo -pix_fmt pal8 "$out/$movie.pal8"
done
ls -l "$out"
