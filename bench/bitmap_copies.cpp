// The per-frame drawing of a full-screen stage: sprite-sized rectangles copied onto, and
// filled in, a 1920 x 1080 8-bit bottom-up bitmap. Each copy runs beside memcpy / memset of
// the same bytes, row by row with the same strides, as the yardstick.
#include "engine/gfx/mBitmap.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

constexpr LONG stageWidth = 1920;
constexpr LONG stageHeight = 1080;
constexpr BYTE key = 0;

// A sprite frame: a disc of varied colours on the key colour, as the animations look.
std::unique_ptr<mBitmap> MakeSprite(LONG size) {
    auto sprite = std::make_unique<mBitmap>(size, size, 8);
    const LONG centre = size / 2;
    for (LONG y = 0; y < size; ++y)
        for (LONG x = 0; x < size; ++x) {
            const LONG dx = x - centre, dy = y - centre;
            const bool inside = dx * dx + dy * dy < centre * centre;
            sprite->info->topRow[y * sprite->info->pitch + x] =
                inside ? BYTE(10 + (x * 3 + y * 5) % 236) : key;
        }
    sprite->SetKeyColour(key);
    // Different colours on the stage make the map a real translation.
    RGBQUAD shifted[256];
    for (int i = 0; i < 256; ++i)
        shifted[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    sprite->SetColours(shifted, 0, 256);
    return sprite;
}

struct Scene {
    explicit Scene(const benchmark::State& state)
        : stage(stageWidth, stageHeight, 8), sprite(MakeSprite(LONG(state.range(0)))) {
        const LONG size = LONG(state.range(0));
        const LONG left = 400 + LONG(state.range(1)); // odd or even column
        rect = RECT{left, 300, left + size, 300 + size};
        sprite->BuildColourMap(&stage);
    }
    void Count(benchmark::State& state) const {
        state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0));
    }
    mBitmap stage;
    std::unique_ptr<mBitmap> sprite;
    RECT rect;
};

template <class Draw> void Measure(benchmark::State& state, Draw draw) {
    Scene scene(state);
    for (auto _ : state) {
        draw(scene);
        benchmark::ClobberMemory();
    }
    scene.Count(state);
}

// One of the four copies of the sprite onto the stage.
template <class Copy> auto Copying(Copy copy) {
    return [copy](Scene& scene) { (scene.sprite.get()->*copy)(&scene.stage, &scene.rect, 0, 0); };
}

void MemcpyRows(Scene& scene) {
    const mBitmapInfo& from = *scene.sprite->info;
    const mBitmapInfo& to = *scene.stage.info;
    const LONG width = scene.rect.right - scene.rect.left;
    const BYTE* source = from.topRow;
    BYTE* destination = to.topRow + scene.rect.top * to.pitch + scene.rect.left;
    for (LONG y = scene.rect.top; y < scene.rect.bottom;
         ++y, source += from.pitch, destination += to.pitch)
        std::memcpy(destination, source, width);
}

void MemsetRows(Scene& scene) {
    const mBitmapInfo& to = *scene.stage.info;
    const LONG width = scene.rect.right - scene.rect.left;
    BYTE* row = to.bits + (to.height - scene.rect.bottom) * to.stride + scene.rect.left;
    for (LONG y = scene.rect.top; y < scene.rect.bottom; ++y, row += to.stride)
        std::memset(row, 7, width);
}

// Sizes 130 and 70, at an even and an odd column.
void Rectangles(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"size", "odd"});
    for (const int size : {130, 70})
        for (const int odd : {0, 1})
            benchmark->Args({size, odd});
}

} // namespace

BENCHMARK_CAPTURE(Measure, MemcpyRows, MemcpyRows)->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, CopyOpaque, Copying(&mBitmap::CopyOpaque))->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, CopyTransparent, Copying(&mBitmap::CopyTransparent))->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, CopyMapped, Copying(&mBitmap::CopyMapped))->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, CopyTransparentMapped, Copying(&mBitmap::CopyTransparentMapped))
    ->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, MemsetRows, MemsetRows)->Apply(Rectangles);
BENCHMARK_CAPTURE(Measure, Fill, [](Scene& scene) {
    scene.stage.Fill(7, &scene.rect, 1);
})->Apply(Rectangles);
