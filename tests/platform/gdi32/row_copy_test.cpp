// Copies whose rows are converted in blocks of sixteen and four pixels with a scalar tail, through
// a colour table that is kept between copies.
#include "tests/platform/gdi_test_support.h"

namespace {

using gdi_test::ColourOf;
using gdi_test::FillWindowArea;
using gdi_test::GdiTest;
using gdi_test::Section;

constexpr COLORREF kMarker = RGB(1, 2, 3);

class RowCopies : public GdiTest {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        platform::testing::SetDisplayClass(platform::testing::DisplayClass::TrueColour);
    }
};

TEST_F(RowCopies, EveryWidthAndOffsetShowsTheSourceAndNothingBeside) {
    HWND window = MakeWindow(0, 0, 40, 3);
    Section source(40, 3);
    for (LONG x = 0; x < 40; ++x)
        source.At(x, 1) = BYTE(7 * x + 1);
    for (int left = 0; left < 4; ++left) {
        for (int width = 1; width <= 35; ++width) {
            // Marks the window, so pixels a copy must not reach can be checked.
            FillWindowArea(window, RECT{0, 0, 40, 3}, kMarker);
            HDC dc = GetDC(window);
            EXPECT_TRUE(BitBlt(dc, left + 2, 1, width, 1, source.dc, left, 1, SRCCOPY));
            ReleaseDC(window, dc);
            for (int x = 0; x < 40; ++x) {
                bool copied = x >= left + 2 && x < left + 2 + width;
                COLORREF expected = copied ? ColourOf(source.info, BYTE(7 * (x - 2) + 1)) : kMarker;
                ASSERT_EQ(Shown(window, x, 1), expected) << left << "+" << width << " at " << x;
                ASSERT_EQ(Shown(window, x, 0), kMarker);
                ASSERT_EQ(Shown(window, x, 2), kMarker);
            }
        }
    }
}

TEST_F(RowCopies, ChangedOrDifferentColourTablesAreNeverShownStale) {
    HWND window = MakeWindow(0, 0, 8, 1);
    Section first(8, 1), second(8, 1);
    for (LONG x = 0; x < 8; ++x)
        first.At(x, 0) = second.At(x, 0) = BYTE(x);
    for (int i = 0; i < 256; ++i)
        second.info.colours[i] = RGBQUAD{0, 0, BYTE(255 - i), 0};
    SetDIBColorTable(second.dc, 0, 256, second.info.colours);

    HDC dc = GetDC(window);
    BitBlt(dc, 0, 0, 8, 1, first.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Shown(window, 5, 0), ColourOf(first.info, 5));
    BitBlt(dc, 0, 0, 8, 1, second.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Shown(window, 5, 0), RGB(250, 0, 0));
    BitBlt(dc, 0, 0, 8, 1, first.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Shown(window, 5, 0), ColourOf(first.info, 5));

    // One entry of the same section changes between two copies.
    RGBQUAD green{0, 200, 0, 0};
    SetDIBColorTable(first.dc, 5, 1, &green);
    BitBlt(dc, 0, 0, 8, 1, first.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Shown(window, 5, 0), RGB(0, 200, 0));
    EXPECT_EQ(Shown(window, 4, 0), ColourOf(first.info, 4));

    // A header with fewer colours shows the indices beyond them black.
    gdi_test::BitmapInfo256 header = first.info;
    header.header.biClrUsed = 4;
    StretchDIBits(dc, 0, 0, 8, 1, 0, 0, 8, 1, first.bits, header.Info(), DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(Shown(window, 3, 0), ColourOf(first.info, 3));
    EXPECT_EQ(Shown(window, 5, 0), RGB(0, 0, 0));
    ReleaseDC(window, dc);
}

TEST_F(RowCopies, AnimatedPaletteEntriesChangeTheSlotsLaterCopiesUse) {
    platform::testing::SetDisplayClass(platform::testing::DisplayClass::Palette);
    HWND window = MakeWindow(0, 0, 256, 1);
    Section strip(256, 1);
    struct {
        WORD version = 0x300, count = 256;
        PALETTEENTRY entries[256];
    } logical;
    HDC dc = GetDC(window);
    GetSystemPaletteEntries(dc, 0, 256, logical.entries);
    for (int i = 10; i < 246; ++i) {
        const RGBQUAD& c = strip.info.colours[i];
        logical.entries[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, PC_RESERVED};
    }
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& e = logical.entries[i];
        strip.info.colours[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
        strip.At(i, 0) = BYTE(i);
    }
    SetDIBColorTable(strip.dc, 0, 256, strip.info.colours);
    HPALETTE palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));
    SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    BitBlt(dc, 0, 0, 256, 1, strip.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(Shown(window, 50, 0), ColourOf(strip.info, 50));

    // Entry 50 no longer matches the source's colour 50, so the next copy shows that colour
    // through the nearest entry's slot, not through slot 50.
    const COLORREF moved = RGB(250, 0, 250);
    PALETTEENTRY far{250, 0, 250, PC_RESERVED};
    AnimatePalette(palette, 50, 1, &far);
    EXPECT_EQ(Shown(window, 50, 0), moved);
    BitBlt(dc, 0, 0, 256, 1, strip.dc, 0, 0, SRCCOPY);
    EXPECT_NE(Shown(window, 50, 0), moved);
    EXPECT_EQ(Shown(window, 49, 0), ColourOf(strip.info, 49));

    SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    ReleaseDC(window, dc);
    DeleteObject(palette);
}

TEST_F(RowCopies, ScreenSizedWindowsStartBlackAndTakeCopiesAnywhere) {
    platform::testing::SetDesktopSize(1920, 1080);
    HWND window = MakeWindow(0, 0, 1920, 1080);
    Section source(1920, 1080);
    source.At(1919, 1079) = 9;
    source.At(0, 0) = 3;
    HDC dc = GetDC(window);
    BitBlt(dc, 1916, 1076, 4, 4, source.dc, 1916, 1076, SRCCOPY);
    ReleaseDC(window, dc);
    EXPECT_EQ(Shown(window, 1919, 1079), ColourOf(source.info, 9));
    EXPECT_EQ(Shown(window, 1916, 1076), ColourOf(source.info, 0));
    EXPECT_EQ(Shown(window, 0, 0), RGB(0, 0, 0));
}

TEST_F(RowCopies, SelfCopiesReadOriginalPixelsOnlyWhereTheyOverlap) {
    Section bitmap(12, 3);
    for (LONG y = 0; y < 3; ++y)
        for (LONG x = 0; x < 12; ++x)
            bitmap.At(x, y) = BYTE(20 * y + x);
    // Right by one within a row: the row runs into its own source.
    EXPECT_TRUE(BitBlt(bitmap.dc, 1, 0, 9, 1, bitmap.dc, 0, 0, SRCCOPY));
    for (LONG x = 1; x < 10; ++x)
        EXPECT_EQ(bitmap.At(x, 0), x - 1);
    // Up and left into rows above: the snapshot covers only the source rows.
    EXPECT_TRUE(BitBlt(bitmap.dc, 0, 0, 8, 2, bitmap.dc, 2, 1, SRCCOPY));
    EXPECT_EQ(bitmap.At(0, 0), 22);
    EXPECT_EQ(bitmap.At(7, 1), 49);
    // Disjoint areas of one bitmap.
    EXPECT_TRUE(BitBlt(bitmap.dc, 8, 2, 4, 1, bitmap.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(bitmap.At(8, 2), 22);
    EXPECT_EQ(bitmap.At(11, 2), 25);
}

} // namespace
