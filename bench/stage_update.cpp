// One stage frame at 1920 x 1080 with the saver's population: 10 big and 20 small sprites
// sharing two animations, moving and bouncing, on the headless display. Reports the time of
// a frame split into tick, compose and present, with and without a palette change every
// frame, next to the yardstick of recomposing and converting the whole stage every frame.
// The frame time is that of Update's steps; moving the sprites (their invalidations) is
// reported beside it.
#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/clock.h"
#include "platform/win32.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr LONG stageWidth = 1920;
constexpr LONG stageHeight = 1080;
constexpr DWORD frameTime = 30;

// The machine is shared, so the split is measured in this thread's CPU time.
double ThreadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

HWND CreateStageWindow() {
    setenv("LUMARIS_DISPLAY", "headless", 1);
    setenv("LUMARIS_DESKTOP_SIZE", "1920x1080", 1);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "StageBench";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "StageBench", "", WS_POPUP | WS_VISIBLE, 0, 0, stageWidth,
                           stageHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The image keeps reading its stream from these bytes, so they live as long as the scene.
mImageFlic* OpenFlicResource(int id, std::vector<BYTE>& bytes) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "flic");
    if (!found) return nullptr;
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    bytes.assign(data, data + SizeofResource(module, found));
    auto* image = new mImageFlic;
    image->OpenMemory(bytes.data(), LONG(bytes.size()));
    return image;
}

struct Mover {
    mSpriteImage* sprite;
    LONG dx, dy;
};

class Scene {
public:
    bool Build() {
        platform::testing::UseVirtualClock(0);
        window = CreateStageWindow();
        stage = std::make_unique<mDirector>(window, 50);
        stage->SetDirtyCapacity(200);
        mImageFlic* big = OpenFlicResource(116, bigBytes);
        mImageFlic* small = OpenFlicResource(118, smallBytes);
        if (!big || !small || !big->ReadHeader() || !small->ReadHeader()) return false;
        unsigned seed = 12345;
        for (int i = 0; i < 30; ++i)
            AddSprite(i < 10 ? big : small, i, seed);
        return true;
    }

    ~Scene() {
        for (Mover& m : movers)
            delete m.sprite;
        stage.reset();
        DestroyWindow(window);
        platform::testing::UseRealClock();
    }

    void Move() {
        for (Mover& m : movers) {
            mSpriteImage& s = *m.sprite;
            const LONG halfWidth = s.originX, halfHeight = s.originY;
            if (s.x + m.dx < halfWidth || s.x + m.dx > stageWidth - halfWidth) m.dx = -m.dx;
            if (s.y + m.dy < halfHeight || s.y + m.dy > stageHeight - halfHeight) m.dy = -m.dy;
            s.MoveBy(m.dx, m.dy, 0);
        }
        platform::testing::AdvanceClock(frameTime);
    }

    // Rotates the sprites' colour range by one step, as the colour animation does.
    void ShiftPalette() {
        RGBQUAD shifted[256];
        const RGBQUAD* current = stage->info->colours;
        for (int i = 10; i <= 245; ++i)
            shifted[i] = current[i == 245 ? 10 : i + 1];
        stage->SetPalette(shifted + 10, 10, 236);
    }

    std::unique_ptr<mDirector> stage;

private:
    void AddSprite(mImageFlic* image, int index, unsigned& seed) {
        auto* sprite = new mSpriteImage;
        sprite->SetImage(image);
        sprite->SetImageRemap(0);
        sprite->SetImageTransparent(1);
        const LONG w = image->playbackInfo->width, h = image->playbackInfo->height;
        sprite->SetOrigin(w / 2, h / 2);
        seed = seed * 1103515245u + 12345u;
        const LONG x = w / 2 + LONG(seed >> 8) % (stageWidth - w);
        seed = seed * 1103515245u + 12345u;
        const LONG y = h / 2 + LONG(seed >> 8) % (stageHeight - h);
        sprite->SetPosition(x, y, index + 1);
        stage->AddRenderer(sprite);
        // The saver's default speed: one pixel along each axis per frame.
        movers.push_back({sprite, index % 2 ? 1 : -1, index % 3 ? 1 : -1});
    }

    HWND window = nullptr;
    std::vector<BYTE> bigBytes, smallBytes;
    std::vector<Mover> movers;
};

enum class Mode { DirtyAreas, DirtyAreasWithPaletteChange, FullRedraw };

void RunFrames(benchmark::State& state, Mode mode) {
    Scene scene;
    if (!scene.Build()) {
        state.SkipWithError("FLIC resources 116 and 118 are not available");
        return;
    }
    mDirector& stage = *scene.stage;
    const RECT whole = {0, 0, stageWidth, stageHeight};
    double move = 0, tick = 0, compose = 0, present = 0;
    for (auto _ : state) {
        const double moving = ThreadSeconds();
        scene.Move();
        const double start = ThreadSeconds();
        move += start - moving;
        if (mode == Mode::DirtyAreasWithPaletteChange) scene.ShiftPalette();
        if (mode == Mode::FullRedraw) stage.Invalidate(&whole, 1);
        stage.TickRenderers();
        stage.CheckHits();
        const double ticked = ThreadSeconds();
        stage.Compose();
        const double composed = ThreadSeconds();
        stage.Present();
        const double presented = ThreadSeconds();
        tick += ticked - start;
        compose += composed - ticked;
        present += presented - composed;
        state.SetIterationTime(presented - start);
    }
    const auto perFrameMs = [&](double total) {
        return benchmark::Counter(total * 1e3, benchmark::Counter::kAvgIterations);
    };
    state.counters["move_ms"] = perFrameMs(move); // the sprites' own invalidations, not timed
    state.counters["tick_ms"] = perFrameMs(tick);
    state.counters["compose_ms"] = perFrameMs(compose);
    state.counters["present_ms"] = perFrameMs(present);
}

void BM_StageUpdate(benchmark::State& state) {
    RunFrames(state, Mode::DirtyAreas);
}
void BM_StageUpdatePaletteChange(benchmark::State& state) {
    RunFrames(state, Mode::DirtyAreasWithPaletteChange);
}
void BM_FullRedraw(benchmark::State& state) {
    RunFrames(state, Mode::FullRedraw);
}

BENCHMARK(BM_StageUpdate)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StageUpdatePaletteChange)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedraw)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
