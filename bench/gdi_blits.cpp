// The GDI side of a frame on a 1920 x 1080 window: sprite-sized and full-screen copies of an
// 8-bit DIB section, the scaled preview copy and a palette animation, on both display
// classes (headless, so only the copies into the window's picture are measured).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "platform/testing/display.h"
#include "platform/win32.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Info256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Screen {
    explicit Screen(platform::testing::DisplayClass displayClass) {
        setenv("LUMARIS_DISPLAY", "headless", 1);
        platform::testing::SetDisplayClass(displayClass);
        platform::testing::SetDesktopSize(kWidth, kHeight);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.lpszClassName = "BenchWindow";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "BenchWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                 nullptr, nullptr, nullptr, nullptr);
        info.header = BITMAPINFOHEADER{40, kWidth, kHeight, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        PALETTEENTRY system[256];
        GetSystemPaletteEntries(screen, 0, 256, system);
        ReleaseDC(nullptr, screen);
        palette.version = 0x300;
        palette.count = 256;
        for (int i = 0; i < 256; ++i) {
            bool fixed = i < 10 || i >= 246;
            palette.entries[i] =
                fixed ? system[i] : PALETTEENTRY{BYTE(i), BYTE(255 - i), BYTE(i / 2), PC_RESERVED};
            if (fixed) palette.entries[i].peFlags = 0;
            const PALETTEENTRY& e = palette.entries[i];
            info.colours[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
        }
        memoryDC = CreateCompatibleDC(nullptr);
        section = CreateDIBSection(memoryDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                   reinterpret_cast<void**>(&bits), nullptr, 0);
        previous = SelectObject(memoryDC, section);
        for (size_t i = 0; i < size_t(kWidth) * kHeight; ++i)
            bits[i] = BYTE(i * 7);
        stagePalette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
        windowDC = GetDC(window);
        SelectPalette(windowDC, stagePalette, FALSE);
        RealizePalette(windowDC);
    }
    ~Screen() {
        SelectPalette(windowDC, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
        ReleaseDC(window, windowDC);
        DeleteObject(stagePalette);
        SelectObject(memoryDC, previous);
        DeleteObject(section);
        DeleteDC(memoryDC);
        DestroyWindow(window);
        platform::testing::ResetDisplay();
    }

    HWND window;
    Info256 info;
    struct {
        WORD version, count;
        PALETTEENTRY entries[256];
    } palette;
    HDC memoryDC, windowDC;
    HBITMAP section;
    HGDIOBJ previous;
    HPALETTE stagePalette;
    BYTE* bits = nullptr;
};

platform::testing::DisplayClass ClassOf(const benchmark::State& state) {
    return state.range(0) ? platform::testing::DisplayClass::Palette
                          : platform::testing::DisplayClass::TrueColour;
}

// Sprite-sized dirty areas spread over the stage, as the stage's present copies them; the
// 4 x 4 one shows what a copy costs beyond its pixels.
void BM_SpriteAreasToWindow(benchmark::State& state) {
    Screen screen(ClassOf(state));
    const int size = int(state.range(1));
    int n = 0;
    for (auto _ : state) {
        int x = (n * 397) % (kWidth - size), y = (n * 211) % (kHeight - size);
        BitBlt(screen.windowDC, x, y, size, size, screen.memoryDC, x, y, SRCCOPY);
        ++n;
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * size * size);
}
BENCHMARK(BM_SpriteAreasToWindow)->ArgsProduct({{0, 1}, {4, 70, 130}});

void BM_FullScreenToWindow(benchmark::State& state) {
    Screen screen(ClassOf(state));
    for (auto _ : state) {
        BitBlt(screen.windowDC, 0, 0, kWidth, kHeight, screen.memoryDC, 0, 0, SRCCOPY);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight);
}
BENCHMARK(BM_FullScreenToWindow)->Arg(0)->Arg(1);

// The preview: the whole stage scaled down into a 152 x 112 box, rows and columns dropped.
void BM_PreviewStretch(benchmark::State& state) {
    Screen screen(ClassOf(state));
    SetStretchBltMode(screen.windowDC, COLORONCOLOR);
    for (auto _ : state) {
        StretchDIBits(screen.windowDC, 0, 0, 152, 112, 0, 0, kWidth, kHeight, screen.bits,
                      reinterpret_cast<BITMAPINFO*>(&screen.info), DIB_RGB_COLORS, SRCCOPY);
    }
}
BENCHMARK(BM_PreviewStretch)->Arg(0)->Arg(1);

// A colour-animation step: the 236 free entries of the realised stage palette.
void BM_AnimatePalette(benchmark::State& state) {
    Screen screen(platform::testing::DisplayClass::Palette);
    std::vector<PALETTEENTRY> entries(screen.palette.entries + 10, screen.palette.entries + 246);
    BYTE step = 0;
    for (auto _ : state) {
        for (auto& e : entries)
            e.peRed = BYTE(e.peRed + ++step);
        AnimatePalette(screen.stagePalette, 10, 236, entries.data());
    }
}
BENCHMARK(BM_AnimatePalette);

} // namespace
