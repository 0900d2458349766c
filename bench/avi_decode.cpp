// AVI decoding speed: every frame of a generated 640 x 480 movie in RLE8 and in 8-bit
// Video 1 (a key frame every 30), through mImageAVI and the compression manager from memory.
// Items are frames.
//
// Against ffmpeg on the same file (lumaris-avi rle8|video1 F.avi --size 640x480 --frames 300
// --key-interval 30), compare CPU time without start-up: the "utime" of
// `ffmpeg -benchmark -i F.avi -f null -` minus the same with `-frames:v 1`, divided by the
// frames, against this benchmark's CPU column per item.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageAVI.h"
#include "tools/avi/SyntheticMovie.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<uint8_t> MakeMovie(avi::Codec codec) {
    avi::SceneOptions options;
    options.width = 640;
    options.height = 480;
    options.frames = 300;
    options.keyInterval = 30;
    return avi::WriteAvi(avi::MakeSyntheticMovie(codec, options));
}

void DecodeAllFrames(benchmark::State& state, avi::Codec codec) {
    std::vector<uint8_t> bytes = MakeMovie(codec);
    mImageAVI image;
    image.OpenMemory(bytes.data(), LONG(bytes.size()));
    mBitmap screen;
    if (!image.ReadHeader() || !screen.Create(640, 480, 8)) {
        state.SkipWithError("movie not readable");
        return;
    }
    image.SetTarget(&screen);
    const LONG frames = image.formatInfo->frameCount;
    for (auto _ : state) {
        image.SeekFrame(0, 0);
        for (LONG i = 0; i < frames; ++i) {
            image.SeekFrame(i, 0);
            benchmark::DoNotOptimize(image.Draw(0, 0, nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * frames);
    image.SetTarget(nullptr);
}

void BM_Rle8(benchmark::State& state) {
    DecodeAllFrames(state, avi::Codec::Rle8);
}
void BM_Video1(benchmark::State& state) {
    DecodeAllFrames(state, avi::Codec::Video1);
}

} // namespace

BENCHMARK(BM_Rle8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Video1)->Unit(benchmark::kMillisecond);
