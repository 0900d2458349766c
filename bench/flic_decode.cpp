// FLIC decoding speed: every frame of the big sprite animation (resource 116) and of a
// large generated animation, through mImageFlic from memory, ring frame included.
// Items are frames; bytes are decoded pixels.
//
// Against ffmpeg's FLIC decoder on the same files, compare CPU time without start-up: the
// "utime" of `ffmpeg -benchmark -stream_loop N-1 -i FILE -f null -`, minus the same on a
// one-frame file of the same size, divided by N (median of three), against this
// benchmark's CPU column; or compare the decoders' instruction counts under callgrind.
#include "engine/media/mImageFlic.h"
#include "tests/tools/FlicTestAnimation.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadSourceRelative(const std::string& relative) {
    std::ifstream in(std::string(LUMARIS_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

const std::vector<uint8_t>& BigSprite() {
    static const std::vector<uint8_t> file = ReadSourceRelative("resources/flic/big.flc");
    return file;
}

const std::vector<uint8_t>& Generated(flic::Format format) {
    static const std::vector<uint8_t> flc =
        flictest::EncodeScene(flic::Format::Flc, 640, 480, 300, 11, false).file;
    static const std::vector<uint8_t> fli =
        flictest::EncodeScene(flic::Format::Fli, 640, 480, 300, 11, false).file;
    return format == flic::Format::Flc ? flc : fli;
}

// One pass decodes frames 1 .. count - 1 and then the ring frame back to frame 0.
void DecodeAllFrames(benchmark::State& state, const std::vector<uint8_t>& file) {
    std::vector<uint8_t> bytes = file;
    mImageFlic image;
    image.OpenMemory(bytes.data(), LONG(bytes.size()));
    if (!image.ReadHeader()) {
        state.SkipWithError("not a FLIC file");
        return;
    }
    const LONG frames = image.formatInfo->frameCount;
    for (auto _ : state) {
        for (LONG i = 1; i < frames; ++i)
            image.SeekFrame(i, 0);
        benchmark::DoNotOptimize(image.SeekFrame(0, 0));
    }
    const int64_t pixels = int64_t(image.formatInfo->width) * image.formatInfo->height;
    state.SetItemsProcessed(state.iterations() * frames);
    state.SetBytesProcessed(state.iterations() * frames * pixels);
    state.counters["fps"] =
        benchmark::Counter(double(frames), benchmark::Counter::kIsIterationInvariantRate);
    image.Close();
}

void BM_Resource116(benchmark::State& state) {
    DecodeAllFrames(state, BigSprite());
}
void BM_Generated640x480Flc(benchmark::State& state) {
    DecodeAllFrames(state, Generated(flic::Format::Flc));
}
void BM_Generated640x480Fli(benchmark::State& state) {
    DecodeAllFrames(state, Generated(flic::Format::Fli));
}

BENCHMARK(BM_Resource116)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generated640x480Flc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Generated640x480Fli)->Unit(benchmark::kMillisecond);

} // namespace
