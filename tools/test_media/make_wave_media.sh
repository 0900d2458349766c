#!/bin/sh
# Makes the wave test set with ffmpeg, a tool that is not ours: u8 and s16 sounds at 11025,
# 22050 and 44100 Hz, mono and stereo, 2001 sample frames each (an odd count, so the 8-bit
# mono data chunk needs its pad byte), and beside each the raw sample data as ffmpeg itself
# reads it back (NAME.pcm), which the tests compare what the device consumed with.
# Usage: tools/test_media/make_wave_media.sh [OUTPUT_DIR]
set -eu
out=${1:-$(dirname "$0")/../../tests/engine/media/data/wave}
mkdir -p "$out"
frames=2001
for rate in 11025 22050 44100; do
    for layout in mono stereo; do
        if [ $layout = mono ]; then
            tone="0.8*sin(440*2*PI*t)"
        else
            tone="0.8*sin(440*2*PI*t)|0.5*sin(660*2*PI*t)"
        fi
        for codec in pcm_u8 pcm_s16le; do
            name=$out/$(echo $codec | sed 's/pcm_//; s/le$//')_${rate}_${layout}
            ffmpeg -v error -y -f lavfi -i "aevalsrc=$tone:s=$rate" -af "atrim=end_sample=$frames" \
                -c:a $codec -bitexact -map_metadata -1 "$name.wav"
            ffmpeg -v error -y -i "$name.wav" -c:a copy -f "${codec#pcm_}" "$name.pcm"
        done
    done
done
