#include <vector>

#include "tests/platform/gdi_test_support.h"

namespace {

using gdi_test::GdiTest;
using gdi_test::Section;
using platform::testing::DisplayClass;

struct LogPalette256 {
    WORD version = 0x300;
    WORD count = 256;
    PALETTEENTRY entries[256] = {};
    const LOGPALETTE* Get() const { return reinterpret_cast<const LOGPALETTE*>(this); }
};

std::vector<PALETTEENTRY> SystemPalette() {
    std::vector<PALETTEENTRY> entries(256);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetSystemPaletteEntries(screen, 0, 256, entries.data()), 256u);
    ReleaseDC(nullptr, screen);
    return entries;
}

// The identity palette an 8-bit stage asks for: the system's statics at both ends (flags
// 0) and animatable picture colours between them, here all the same grey.
LogPalette256 IdentityPalette(int half) {
    LogPalette256 palette;
    std::vector<PALETTEENTRY> system = SystemPalette();
    for (int i = 0; i < 256; ++i) {
        bool stat = i < half || i >= 256 - half;
        palette.entries[i] = stat ? system[i] : PALETTEENTRY{128, 128, 128, PC_RESERVED};
        if (stat) palette.entries[i].peFlags = 0;
    }
    return palette;
}

RGBQUAD QuadOf(const PALETTEENTRY& e) {
    return RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
}

class Palettes : public GdiTest {
protected:
    // A 256 x 1 window showing a section whose pixel x has index x and whose colour table
    // equals the palette, copied through the palette realised in the foreground.
    HWND ShowEveryIndex(HPALETTE palette, const LogPalette256& entries, Section& strip) {
        HWND window = MakeWindow(0, 0, 256, 1);
        for (int i = 0; i < 256; ++i) {
            strip.info.colours[i] = QuadOf(entries.entries[i]);
            strip.At(i, 0) = BYTE(i);
        }
        SetDIBColorTable(strip.dc, 0, 256, strip.info.colours);
        HDC dc = GetDC(window);
        HPALETTE previous = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
        BitBlt(dc, 0, 0, 256, 1, strip.dc, 0, 0, SRCCOPY);
        SelectPalette(dc, previous, FALSE);
        ReleaseDC(window, dc);
        return window;
    }
};

TEST_F(Palettes, LogicalPaletteCallsCheckTheirArguments) {
    LogPalette256 description;
    description.entries[3] = {10, 20, 30, PC_RESERVED};
    description.entries[9] = {10, 20, 30, 0};
    description.version = 0x200;
    EXPECT_EQ(CreatePalette(description.Get()), nullptr);
    description.version = 0x300;
    HPALETTE palette = CreatePalette(description.Get());
    ASSERT_NE(palette, nullptr);

    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
    PALETTEENTRY read[4];
    EXPECT_EQ(GetPaletteEntries(palette, 254, 4, read), 2u);
    EXPECT_EQ(GetPaletteEntries(palette, 256, 1, read), 0u);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(11, 20, 30)), 3u); // the lower of two
    WORD count = 0;
    EXPECT_EQ(GetObjectA(palette, sizeof count, &count), int(sizeof count));
    EXPECT_EQ(count, 256);

    // Only PC_RESERVED entries take part in animation.
    PALETTEENTRY white[7];
    for (auto& e : white)
        e = {255, 255, 255, PC_RESERVED};
    EXPECT_TRUE(AnimatePalette(palette, 3, 7, white));
    GetPaletteEntries(palette, 3, 7, white);
    EXPECT_EQ(white[0].peRed, 255);
    EXPECT_EQ(white[6].peRed, 10);
    EXPECT_EQ(white[1].peRed, 0);

    EXPECT_TRUE(DeleteObject(palette));
    EXPECT_FALSE(AnimatePalette(palette, 0, 1, white));
    EXPECT_EQ(GetNearestPaletteIndex(palette, 0), CLR_INVALID);
}

TEST_F(Palettes, DeviceCapsTellTheDisplayClass) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 0);
    EXPECT_EQ(SetSystemPaletteUse(screen, SYSPAL_NOSTATIC), UINT(SYSPAL_ERROR));
    platform::testing::SetDesktopSize(640, 480);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 640);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 480);

    platform::testing::SetDisplayClass(DisplayClass::Palette);
    EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, RC_PALETTE);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 8);
    EXPECT_EQ(GetDeviceCaps(screen, NUMCOLORS), 20);
    EXPECT_EQ(GetDeviceCaps(screen, SIZEPALETTE), 256);
    EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
    std::vector<PALETTEENTRY> system = SystemPalette();
    EXPECT_EQ(RGB(system[0].peRed, system[0].peGreen, system[0].peBlue), RGB(0, 0, 0));
    EXPECT_EQ(RGB(system[255].peRed, system[255].peGreen, system[255].peBlue), RGB(255, 255, 255));
    EXPECT_EQ(GetSystemPaletteUse(screen), UINT(SYSPAL_STATIC));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 0); // released DC
}

TEST_F(Palettes, IdentityPaletteMapsIndexToSlotEvenWithRepeatedColours) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    LogPalette256 entries = IdentityPalette(10);
    HPALETTE palette = CreatePalette(entries.Get());
    Section strip(256, 1);
    HWND window = ShowEveryIndex(palette, entries, strip);

    std::vector<PALETTEENTRY> system = SystemPalette();
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& e = entries.entries[i];
        EXPECT_EQ(system[i].peRed, e.peRed) << i;
        EXPECT_EQ(Shown(window, i, 0), RGB(e.peRed, e.peGreen, e.peBlue)) << i;
    }
    // Repainting the middle through the palette lights up each slot on its own.
    PALETTEENTRY ramp[236];
    for (int i = 0; i < 236; ++i)
        ramp[i] = {BYTE(i), 0, BYTE(255 - i), PC_RESERVED};
    platform::testing::ResetPresentCounts();
    EXPECT_TRUE(AnimatePalette(palette, 10, 236, ramp));
    for (int i = 10; i < 246; ++i)
        EXPECT_EQ(Shown(window, i, 0), RGB(i - 10, 0, 265 - i)) << i;
    EXPECT_EQ(Shown(window, 5, 0),
              RGB(entries.entries[5].peRed, entries.entries[5].peGreen, entries.entries[5].peBlue));
    // No copy was made: the change reached the screen as one whole-window present.
    auto presents = platform::testing::Presents();
    ASSERT_EQ(presents.size(), 1u);
    EXPECT_EQ(presents[0].area.right, 256);

    // Statics are not PC_RESERVED, so animating them changes nothing.
    PALETTEENTRY red{255, 0, 0, PC_RESERVED};
    AnimatePalette(palette, 0, 1, &red);
    EXPECT_EQ(Shown(window, 0, 0), RGB(0, 0, 0));
    EXPECT_TRUE(DeleteObject(palette));
}

TEST_F(Palettes, BackgroundAndExplicitEntriesTakeNoSlots) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    LogPalette256 stageEntries = IdentityPalette(10);
    HPALETTE stage = CreatePalette(stageEntries.Get());
    Section strip(256, 1);
    ShowEveryIndex(stage, stageEntries, strip);
    std::vector<PALETTEENTRY> before = SystemPalette();

    // A second window's palette realised in the background maps onto what is there.
    LogPalette256 otherEntries;
    for (auto& e : otherEntries.entries)
        e = PALETTEENTRY{250, 5, 5, PC_RESERVED};
    otherEntries.entries[1] = PALETTEENTRY{7, 0, 0, PC_EXPLICIT}; // system slot 7
    HPALETTE other = CreatePalette(otherEntries.Get());
    HWND window = MakeWindow(0, 10, 2, 1);
    HDC dc = GetDC(window);
    SelectPalette(dc, other, TRUE);
    EXPECT_EQ(RealizePalette(dc), 0u);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(250, 5, 5)), RGB(255, 0, 0)); // the static red
    EXPECT_EQ(SetPixel(dc, 1, 0, PALETTEINDEX(1)), RGB(0xC0, 0xC0, 0xC0));
    SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    ReleaseDC(window, dc);
    std::vector<PALETTEENTRY> after = SystemPalette();
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(after[i].peRed, before[i].peRed) << i;
    DeleteObject(other);
    DeleteObject(stage);
}

TEST_F(Palettes, NoStaticUseLeavesOnlyBlackAndWhiteToTheSystem) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(SetSystemPaletteUse(screen, SYSPAL_NOSTATIC), UINT(SYSPAL_STATIC));
    EXPECT_EQ(GetSystemPaletteUse(screen), UINT(SYSPAL_NOSTATIC));
    LogPalette256 entries = IdentityPalette(1);
    HPALETTE palette = CreatePalette(entries.Get());
    Section strip(256, 1);
    HWND window = ShowEveryIndex(palette, entries, strip);
    for (int i : {0, 1, 9, 128, 246, 254}) {
        const PALETTEENTRY& e = entries.entries[i];
        EXPECT_EQ(Shown(window, i, 0), RGB(e.peRed, e.peGreen, e.peBlue)) << i;
    }
    PALETTEENTRY green{0, 255, 0, PC_RESERVED};
    AnimatePalette(palette, 3, 1, &green);
    EXPECT_EQ(Shown(window, 3, 0), RGB(0, 255, 0));

    // Back to static use: the statics return and the picture's slots 1..9 show them.
    EXPECT_EQ(SetSystemPaletteUse(screen, SYSPAL_STATIC), UINT(SYSPAL_NOSTATIC));
    EXPECT_EQ(Shown(window, 3, 0), RGB(0x80, 0x80, 0));
    ReleaseDC(nullptr, screen);
    DeleteObject(palette);
}

TEST_F(Palettes, TrueColourShowsTheTableAndIgnoresPaletteAnimation) {
    LogPalette256 entries = IdentityPalette(10);
    HPALETTE palette = CreatePalette(entries.Get());
    Section strip(256, 1);
    HWND window = ShowEveryIndex(palette, entries, strip);
    std::vector<PALETTEENTRY> before = SystemPalette();
    PALETTEENTRY red{255, 0, 0, PC_RESERVED};
    EXPECT_TRUE(AnimatePalette(palette, 100, 1, &red));
    EXPECT_EQ(Shown(window, 100, 0), RGB(128, 128, 128));
    EXPECT_EQ(SystemPalette()[100].peRed, before[100].peRed);
    DeleteObject(palette);
}

TEST_F(Palettes, SelectedPaletteCannotBeDeletedAndDefaultPaletteComesBack) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    HWND window = MakeWindow(0, 0, 2, 2);
    LogPalette256 entries = IdentityPalette(10);
    HPALETTE palette = CreatePalette(entries.Get());
    HDC dc = GetDC(window);
    HPALETTE previous = SelectPalette(dc, palette, FALSE);
    EXPECT_EQ(previous, GetStockObject(DEFAULT_PALETTE));
    EXPECT_FALSE(DeleteObject(palette));
    EXPECT_EQ(SelectPalette(dc, previous, FALSE), palette);
    EXPECT_TRUE(DeleteObject(palette));
    // Without a palette of its own a window DC shows the nearest static colour.
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(250, 10, 10)), RGB(255, 0, 0));
    ReleaseDC(window, dc);
    EXPECT_EQ(RealizePalette(dc), UINT(GDI_ERROR));
}

} // namespace
