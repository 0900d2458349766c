#!/bin/sh
# Makes the small AVI test set in tests/engine/media/data/movies and stores beside each file
# ffmpeg's decoding of it (NAME.pal8: per frame, the rows from the top, then 256 palette
# entries as little-endian 0xAARRGGBB words), which the tests compare with pixel for pixel.
# ffmpeg writes the uncompressed movie with 8-bit sound; lumaris-avi writes the RLE8 and
# Video 1 movies, which no tool here writes. The files are committed, so CI needs neither.
# usage: tools/test_media/make_movie_media.sh [PATH/TO/lumaris-avi]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
avi=${1:-$root/build/tools/avi/lumaris-avi}
out=$root/tests/engine/media/data/movies
command -v ffmpeg >/dev/null || { echo "$0: ffmpeg is not installed" >&2; exit 2; }
[ -x "$avi" ] || { echo "$0: no lumaris-avi at $avi" >&2; exit 2; }
mkdir -p "$out"

ff() { ffmpeg -nostdin -v error -y "$@"; }

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
