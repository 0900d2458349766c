// Drawing 640 x 480 still pictures (8-bit BMP, RLE8 BMP of a test card and of a photo-like
// picture, 8-bit PCX) from memory onto an 8-bit target: header and pixels, as a picture is
// shown. Items are pictures.
//
// The pictures come from `tools/test_media/make_picture_media.sh --bench DIR`, written by
// ffmpeg and ImageMagick; DIR is $LUMARIS_BENCH_PICTURES (default: bench_pictures in the
// working folder). tools/compare_picture_decoders.sh measures ffmpeg on the same files the
// same way (CPU time per picture, start-up subtracted) and runs this benchmark beside it.
#include "bench/BenchFiles.h"
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBMP.h"
#include "engine/media/mImagePCX.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<uint8_t> ReadPicture(const char* name) {
    return ReadBenchFile("LUMARIS_BENCH_PICTURES", "bench_pictures", name);
}

template <class Image> void DrawPicture(benchmark::State& state, const char* name) {
    std::vector<uint8_t> bytes = ReadPicture(name);
    if (bytes.empty()) {
        state.SkipWithError("no picture: run tools/test_media/make_picture_media.sh --bench DIR");
        return;
    }
    mBitmap target;
    target.Create(640, 480, 8);
    for (auto _ : state) {
        Image image;
        image.OpenMemory(bytes.data(), LONG(bytes.size()));
        image.SetTarget(&target);
        benchmark::DoNotOptimize(image.Draw(0, 0, nullptr));
        image.SetTarget(nullptr);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * int64_t(640 * 480));
}

void BM_Bmp8Bit640x480(benchmark::State& state) {
    DrawPicture<mImageBMP>(state, "bench_8bit.bmp");
}
void BM_BmpRle8640x480(benchmark::State& state) {
    DrawPicture<mImageBMP>(state, "bench_rle8.bmp");
}
void BM_BmpRle8Photo640x480(benchmark::State& state) {
    DrawPicture<mImageBMP>(state, "bench_photo_rle8.bmp");
}
void BM_Pcx8Bit640x480(benchmark::State& state) {
    DrawPicture<mImagePCX>(state, "bench_8bit.pcx");
}

BENCHMARK(BM_Bmp8Bit640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BmpRle8640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BmpRle8Photo640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pcx8Bit640x480)->Unit(benchmark::kMicrosecond);

} // namespace
