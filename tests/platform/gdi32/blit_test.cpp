#include <vector>

#include "tests/platform/gdi_test_support.h"

namespace {

using gdi_test::ColourOf;
using gdi_test::GdiTest;
using gdi_test::Section;
using platform::testing::DisplayClass;

// Every copy must show the source's colours on both kinds of display (on the palette display
// through the default palette's nearest static colours, so the pictures use those).
class Blits : public GdiTest, public ::testing::WithParamInterface<DisplayClass> {
protected:
    void SetUp() override {
        GdiTest::SetUp();
        platform::testing::SetDisplayClass(GetParam());
    }
};

// A source whose colour i is a static colour of the palette display, so both classes show
// it exactly.
void UseStaticColours(gdi_test::BitmapInfo256& info) {
    HDC screen = GetDC(nullptr);
    PALETTEENTRY system[256];
    GetSystemPaletteEntries(screen, 0, 256, system);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < 256; ++i) {
        int k = i % 20;
        const PALETTEENTRY& e = system[k < 10 ? k : 236 + k];
        info.colours[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
}

// Neighbouring pixels differ along both axes, so dropped rows and columns can be told apart.
BYTE IndexAt(LONG x, LONG y) {
    return BYTE((x + 3 * y) % 20);
}

TEST_P(Blits, BitBltCopiesClippedToSourceAndWindow) {
    HWND window = MakeWindow(10, 20, 8, 6);
    Section source(6, 4);
    UseStaticColours(source.info);
    SetDIBColorTable(source.dc, 0, 256, source.info.colours);
    for (LONG y = 0; y < 4; ++y)
        for (LONG x = 0; x < 6; ++x)
            source.At(x, y) = IndexAt(x, y);

    HDC dc = GetDC(window);
    // Asks for more than the source holds and runs past the window's right edge.
    EXPECT_TRUE(BitBlt(dc, 4, 1, 10, 10, source.dc, 1, 2, SRCCOPY));
    ReleaseDC(window, dc);

    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            bool copied = x >= 4 && y >= 1 && y < 3; // two source rows, four columns fit
            COLORREF expected = copied ? ColourOf(source.info, IndexAt(x - 3, y + 1)) : 0;
            EXPECT_EQ(Shown(window, x, y), expected) << x << "," << y;
        }
    }
    auto presents = platform::testing::Presents();
    ASSERT_EQ(presents.size(), 1u);
    EXPECT_EQ(presents[0].topLevel, window);
    EXPECT_EQ(presents[0].area.left, 4);
    EXPECT_EQ(presents[0].area.right, 8);
    EXPECT_EQ(presents[0].area.bottom, 3);
}

TEST_P(Blits, ChildWindowsDrawIntoTheirTopLevelClippedByEveryParent) {
    HWND top = MakeWindow(0, 0, 20, 20);
    HWND parent = MakeWindow(2, 2, 10, 10, top);
    HWND child = MakeWindow(6, 6, 10, 10, parent); // reaches 6 pixels beyond its parent
    HWND hidden = MakeWindow(0, 0, 5, 5, top, 0);
    Section source(10, 10);
    UseStaticColours(source.info);
    SetDIBColorTable(source.dc, 0, 256, source.info.colours);
    for (LONG y = 0; y < 10; ++y)
        for (LONG x = 0; x < 10; ++x)
            source.At(x, y) = 12;

    for (HWND window : {child, hidden}) {
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, 10, 10, source.dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    }
    COLORREF painted = ColourOf(source.info, 12);
    EXPECT_EQ(Shown(top, 8, 8), painted);   // child (0, 0)
    EXPECT_EQ(Shown(top, 11, 11), painted); // last pixel inside the parent
    EXPECT_EQ(Shown(top, 12, 12), 0u);
    EXPECT_EQ(Shown(top, 7, 7), 0u);
    EXPECT_EQ(Shown(top, 0, 0), 0u); // the hidden window drew nothing
    EXPECT_EQ(Shown(child, 3, 3), painted);
    EXPECT_EQ(Shown(child, 4, 4), CLR_INVALID); // outside what the parent lets it show
}

TEST_P(Blits, StretchDIBitsTakesBottomUpRowsFromTheLowerLeftCorner) {
    HWND window = MakeWindow(0, 0, 4, 4);
    auto info = gdi_test::Header(4, 4);
    UseStaticColours(info);
    for (int direction : {1, -1}) {
        info.header.biHeight = 4 * direction;
        // Stored rows hold 1, 2, 3, 4 in storage order.
        std::vector<BYTE> bits(16);
        for (int row = 0; row < 4; ++row)
            for (int x = 0; x < 4; ++x)
                bits[row * 4 + x] = BYTE(row + 1);
        HDC dc = GetDC(window);
        EXPECT_EQ(StretchDIBits(dc, 0, 0, 4, 1, 0, 0, 4, 1, bits.data(), info.Info(),
                                DIB_RGB_COLORS, SRCCOPY),
                  1);
        ReleaseDC(window, dc);
        // Source row 0 is the first stored row either way: the bottom row of a bottom-up DIB,
        // the top row of a top-down one.
        EXPECT_EQ(Shown(window, 0, 0), ColourOf(info, 1)) << direction;
    }
}

TEST_P(Blits, ScaledCopiesDropOrRepeatWholeRowsAndColumns) {
    HWND window = MakeWindow(0, 0, 8, 8);
    auto info = gdi_test::Header(8, -8);
    UseStaticColours(info);
    std::vector<BYTE> bits(64);
    for (LONG y = 0; y < 8; ++y)
        for (LONG x = 0; x < 8; ++x)
            bits[y * 8 + x] = IndexAt(x, y);

    HDC dc = GetDC(window);
    SetStretchBltMode(dc, COLORONCOLOR);
    EXPECT_EQ(GetStretchBltMode(dc), COLORONCOLOR);
    StretchDIBits(dc, 0, 0, 4, 4, 0, 0, 8, 8, bits.data(), info.Info(), DIB_RGB_COLORS, SRCCOPY);
    StretchDIBits(dc, 4, 4, 4, 4, 0, 0, 2, 2, bits.data(), info.Info(), DIB_RGB_COLORS, SRCCOPY);
    StretchDIBits(dc, 4, 0, 4, 1, 4, 0, -4, 1, bits.data(), info.Info(), DIB_RGB_COLORS, SRCCOPY);
    ReleaseDC(window, dc);

    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Shown(window, x, y), ColourOf(info, IndexAt(2 * x, 2 * y)));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Shown(window, 4 + x, 4 + y), ColourOf(info, IndexAt(x / 2, y / 2)));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Shown(window, 4 + x, 0), ColourOf(info, IndexAt(3 - x, 0)));
}

TEST_P(Blits, FillsAndSinglePixelsUseTheNearestShownColour) {
    HWND window = MakeWindow(0, 0, 4, 4);
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    RECT area{1, 1, 3, 9};
    EXPECT_NE(FillRect(dc, &area, brush), 0);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(255, 255, 255)), RGB(255, 255, 255));
    EXPECT_EQ(SetPixel(dc, 4, 0, RGB(255, 255, 255)), CLR_INVALID);
    ReleaseDC(window, dc);
    EXPECT_EQ(Shown(window, 1, 3), RGB(255, 0, 0));
    EXPECT_EQ(Shown(window, 3, 3), 0u);
    EXPECT_EQ(Shown(window, 0, 0), RGB(255, 255, 255));
    EXPECT_TRUE(DeleteObject(brush));
}

INSTANTIATE_TEST_SUITE_P(BothDisplays, Blits,
                         ::testing::Values(DisplayClass::TrueColour, DisplayClass::Palette),
                         [](const auto& info) {
                             return info.param == DisplayClass::Palette ? "Palette" : "TrueColour";
                         });

using MemoryBlits = GdiTest;

TEST_F(MemoryBlits, CopiesBetweenSectionsMatchColoursAndSurviveOverlap) {
    Section a(4, 4), b(4, 4);
    // b's table is a's shifted by one, so index i of a is index i + 1 of b.
    for (int i = 0; i < 255; ++i)
        b.info.colours[i + 1] = a.info.colours[i];
    SetDIBColorTable(b.dc, 0, 256, b.info.colours);
    for (LONG y = 0; y < 4; ++y)
        for (LONG x = 0; x < 4; ++x)
            a.At(x, y) = BYTE(10 * y + x);

    EXPECT_TRUE(BitBlt(b.dc, 0, 0, 4, 4, a.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(b.At(3, 2), 24);
    // Moving a's picture down by one row inside itself reads the original rows.
    EXPECT_TRUE(BitBlt(a.dc, 0, 1, 4, 3, a.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(a.At(2, 1), 2);
    EXPECT_EQ(a.At(2, 3), 22);
    EXPECT_FALSE(BitBlt(a.dc, 0, 0, 1, 1, b.dc, 0, 0, 0x00EE0086 /* SRCPAINT */));
}

} // namespace
