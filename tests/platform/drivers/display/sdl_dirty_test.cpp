// A frame of more small presents than the host window keeps rectangles for, on a palette
// display, where each is translated into the window surface (true colour draws straight
// into it).
#include <SDL.h>

#include <cstdlib>
#include <memory>

#include "platform/drivers/display/sdl/host_window.h"
#include "platform/gdi32/system_palette.h"
#include "tests/platform/window_test_support.h"

namespace {

class SdlDirtyAreas : public window_test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
        platform::testing::SetDisplayClass(platform::testing::DisplayClass::Palette);
        HWND window = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 400, 40});
        host = std::make_unique<platform::SdlHostWindow>(window);
        host->Follow();
        frame.Resize(400, 40);
        host->Flush(frame); // a new window is shown whole
    }
    void TearDown() override {
        host.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        WindowTest::TearDown();
    }

    Uint32 SurfacePixel(int x, int y) {
        SDL_Surface* surface = SDL_GetWindowSurface(host->Window());
        auto* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        Uint8 r, g, b;
        SDL_GetRGB(row[x], surface->format, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    }

    // One of the static slots other than black: 1..9 and 246..255.
    static uint32_t Slot(int i) { return i % 2 ? 1 + i % 9 : 246 + i % 10; }
    static uint32_t SlotRgb(int i) { return platform::gdi::TheSystemPalette().Rgb(int(Slot(i))); }

    std::unique_ptr<platform::SdlHostWindow> host;
    platform::Framebuffer frame;
};

TEST_F(SdlDirtyAreas, ManyPresentsShowEveryAreaWithoutTheRestOfTheWindow) {
    // A hundred 2 x 2 areas along the top rows, and a change far from them never presented.
    for (int i = 0; i < 100; ++i) {
        int x = 4 * i % 400, y = 4 * i / 400 * 4;
        frame.Row(y)[x] = frame.Row(y + 1)[x + 1] = Slot(i);
        host->MarkDirty(RECT{x, y, x + 2, y + 2});
    }
    frame.Row(39)[399] = 255;
    host->Flush(frame);
    for (int i = 0; i < 100; ++i) {
        int x = 4 * i % 400, y = 4 * i / 400 * 4;
        ASSERT_EQ(SurfacePixel(x, y), SlotRgb(i)) << i;
        ASSERT_EQ(SurfacePixel(x + 1, y + 1), SlotRgb(i)) << i;
    }
    EXPECT_EQ(SurfacePixel(399, 39), 0u);
}

} // namespace
