#include "BitmapTestSupport.h"

#include "platform/testing/display.h"

#include <vector>

namespace {

using platform::testing::DisplayClass;

class PaletteTest : public BitmapTest {
protected:
    void SetUp() override {
        BitmapTest::SetUp();
        platform::testing::ResetDisplay();
        const std::vector<RGBQUAD> greys(256, Rgb(0x80, 0x80, 0x80));
        stage.SetColours(greys.data(), 0, 256);
    }
    void TearDown() override {
        if (palette) DeleteObject(palette);
        platform::testing::ResetDisplay();
        BitmapTest::TearDown();
    }
    std::vector<PALETTEENTRY> SystemPalette() {
        std::vector<PALETTEENTRY> entries(256);
        HDC screen = GetDC(nullptr);
        GetSystemPaletteEntries(screen, 0, 256, entries.data());
        ReleaseDC(nullptr, screen);
        return entries;
    }
    std::vector<PALETTEENTRY> Made() {
        palette = stage.MakeIdentityPalette(FALSE);
        EXPECT_NE(palette, nullptr);
        std::vector<PALETTEENTRY> entries(256);
        GetPaletteEntries(palette, 0, 256, entries.data());
        return entries;
    }
    void ExpectTableMatches(const std::vector<PALETTEENTRY>& entries) {
        for (int i = 0; i < 256; ++i) {
            const PALETTEENTRY& entry = entries[i];
            EXPECT_TRUE(
                SameRgb(stage.info->colours[i], Rgb(entry.peRed, entry.peGreen, entry.peBlue)))
                << i;
        }
    }
    mBitmap stage{8, 8, 8};
    HPALETTE palette = nullptr;
};

bool SameEntry(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

TEST_F(PaletteTest, PaletteDisplayKeepsStaticColoursAtBothEnds) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    const auto system = SystemPalette();
    const auto entries = Made();
    for (int i = 0; i < 256; ++i) {
        const bool isStatic = i < 10 || i >= 246;
        EXPECT_EQ(entries[i].peFlags, isStatic ? 0 : PC_RESERVED) << i;
        if (isStatic)
            EXPECT_TRUE(SameEntry(entries[i], system[i])) << i;
        else
            EXPECT_TRUE(SameEntry(entries[i], PALETTEENTRY{0x80, 0x80, 0x80, 0})) << i;
    }
    ExpectTableMatches(entries);
}

TEST_F(PaletteTest, TrueColourDisplayPinsOnlyBlackAndWhite) {
    platform::testing::SetDisplayClass(DisplayClass::TrueColour);
    const auto entries = Made();
    EXPECT_TRUE(SameEntry(entries[0], PALETTEENTRY{0, 0, 0, 0}));
    EXPECT_TRUE(SameEntry(entries[255], PALETTEENTRY{255, 255, 255, 0}));
    EXPECT_EQ(entries[0].peFlags, 0);
    EXPECT_EQ(entries[255].peFlags, 0);
    for (int i = 1; i < 255; ++i) {
        EXPECT_EQ(entries[i].peFlags, PC_RESERVED) << i;
        EXPECT_TRUE(SameEntry(entries[i], PALETTEENTRY{0x80, 0x80, 0x80, 0})) << i;
    }
    ExpectTableMatches(entries);
}

TEST_F(PaletteTest, RemapFollowsSwappedColoursWithPixelsAndKey) {
    std::vector<RGBQUAD> table(stage.info->colours, stage.info->colours + 256);
    table[1] = Rgb(10, 0, 0);
    table[2] = Rgb(0, 10, 0);
    stage.SetColours(table.data(), 0, 256);
    PixelAt(stage, 0, 0) = 1;
    PixelAt(stage, 1, 0) = 2;
    PixelAt(stage, 2, 0) = 3;
    stage.SetKeyColour(2);

    stage.SetColoursAndRemap(table.data(), 0, 256); // the same colours: nothing moves
    EXPECT_EQ(PixelAt(stage, 0, 0), 1);
    EXPECT_EQ(stage.info->keyColour, 2u);

    std::swap(table[1], table[2]);
    stage.SetColoursAndRemap(table.data(), 0, 256);
    EXPECT_EQ(PixelAt(stage, 0, 0), 2);
    EXPECT_EQ(PixelAt(stage, 1, 0), 1);
    EXPECT_EQ(PixelAt(stage, 2, 0), 3);
    EXPECT_EQ(stage.info->keyColour, 1u);
}

} // namespace
