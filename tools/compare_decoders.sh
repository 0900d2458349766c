#!/bin/sh
# Times ffmpeg's decoding against the engine's (lumaris-media decode) on the same files: FLIC,
# AVI, BMP or PCX (ffmpeg reads no DCX).
# Whole processes, start-up included, so short files favour the lighter program; the decoders
# alone are compared by CPU time as bench/flic_decode.cpp describes.
# Not part of CI: needs ffmpeg installed and a built lumaris-media.
# usage: tools/compare_decoders.sh [-n RUNS] [-m PATH/TO/lumaris-media] FILE...
set -eu
runs=5
media=${LUMARIS_MEDIA:-$(dirname "$0")/../build/tools/media/lumaris-media}
while getopts n:m: option; do
    case $option in
    n) runs=$OPTARG ;;
    m) media=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { echo "usage: $0 [-n RUNS] [-m lumaris-media] FILE..." >&2; exit 2; }
command -v ffmpeg >/dev/null || { echo "$0: ffmpeg is not installed" >&2; exit 2; }
[ -x "$media" ] || { echo "$0: no lumaris-media at $media (use -m)" >&2; exit 2; }

# Best of RUNS wall-clock times, in milliseconds.
best_ms() {
    best=
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || { echo "$0: failed: $*" >&2; exit 1; }
        took=$((($(date +%s%N) - start) / 1000000))
        if [ -z "$best" ] || [ "$took" -lt "$best" ]; then best=$took; fi
        i=$((i + 1))
    done
    echo "$best"
}

printf '%-40s %10s %10s\n' file "ffmpeg ms" "engine ms"
for file in "$@"; do
    ffmpeg_ms=$(best_ms ffmpeg -nostdin -v error -i "$file" -f null -)
    engine_ms=$(best_ms "$media" decode "$file")
    printf '%-40s %10s %10s\n' "$(basename "$file")" "$ffmpeg_ms" "$engine_ms"
done
