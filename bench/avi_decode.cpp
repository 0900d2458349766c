// AVI decoding speed: every frame of a 640 x 480 movie in RLE8 and in 8-bit Video 1 (a key
// frame every 30), through mImageAVI and the compression manager from memory, each frame
// drawn onto a screen bitmap. Items are frames. Two kinds of movie: a generated one (flat
// bands and a few moving shapes), and one of real content, a moving test card over a
// rendered photo-like picture, which `tools/test_media/make_movie_media.sh --bench DIR`
// makes with ffmpeg and lumaris-avi; DIR is $LUMARIS_BENCH_MOVIES (default: bench_movies
// in the working folder).
//
// Against ffmpeg on the same file, compare CPU time without start-up: the "utime" of
// `ffmpeg -benchmark -i F.avi -f null -` minus the same with `-frames:v 1`, divided by the
// frames, against this benchmark's CPU column per item.
#include "bench/BenchFiles.h"
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

std::vector<uint8_t> ReadMovie(const char* name) {
    return ReadBenchFile("LUMARIS_BENCH_MOVIES", "bench_movies", name);
}

void DecodeAllFrames(benchmark::State& state, std::vector<uint8_t> bytes) {
    if (bytes.empty()) {
        state.SkipWithError("no movie: run tools/test_media/make_movie_media.sh --bench DIR");
        return;
    }
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
    DecodeAllFrames(state, MakeMovie(avi::Codec::Rle8));
}
void BM_Video1(benchmark::State& state) {
    DecodeAllFrames(state, MakeMovie(avi::Codec::Video1));
}
void BM_Rle8Movie(benchmark::State& state) {
    DecodeAllFrames(state, ReadMovie("bench_rle8.avi"));
}
void BM_Video1Movie(benchmark::State& state) {
    DecodeAllFrames(state, ReadMovie("bench_video1.avi"));
}

} // namespace

BENCHMARK(BM_Rle8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Video1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rle8Movie)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Video1Movie)->Unit(benchmark::kMillisecond);
