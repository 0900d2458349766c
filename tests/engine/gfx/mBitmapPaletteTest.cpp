#include "BitmapTestSupport.h"
#include "platform/testing/display.h"

#include <utility>
#include <vector>

namespace {

using platform::testing::DisplayClass;

bool SameEntry(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue &&
           a.peFlags == b.peFlags;
}

// An all-grey stage turned into an identity palette; the stage's table must equal it.
class PaletteTest : public BitmapTest {
protected:
    void TearDown() override {
        platform::testing::ResetDisplay();
        BitmapTest::TearDown();
    }
    std::vector<PALETTEENTRY> Make(DisplayClass display) {
        platform::testing::SetDisplayClass(display);
        HDC screen = GetDC(nullptr);
        GetSystemPaletteEntries(screen, 0, 256, system.data());
        ReleaseDC(nullptr, screen);
        const std::vector<RGBQUAD> greys(256, Rgb(0x80, 0x80, 0x80));
        stage.SetColours(greys.data(), 0, 256);
        HPALETTE palette = stage.MakeIdentityPalette(FALSE);
        EXPECT_NE(palette, nullptr);
        std::vector<PALETTEENTRY> entries(256);
        GetPaletteEntries(palette, 0, 256, entries.data());
        DeleteObject(palette);
        for (int i = 0; i < 256; ++i)
            EXPECT_TRUE(SameRgb(stage.info->colours[i],
                                Rgb(entries[i].peRed, entries[i].peGreen, entries[i].peBlue)));
        return entries;
    }
    const PALETTEENTRY grey = {0x80, 0x80, 0x80, PC_RESERVED};
    std::vector<PALETTEENTRY> system = std::vector<PALETTEENTRY>(256);
    mBitmap stage{8, 8, 8};
};

TEST_F(PaletteTest, PaletteDisplayKeepsTheStaticColoursAtBothEnds) {
    const auto entries = Make(DisplayClass::Palette);
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& systemColour = {system[i].peRed, system[i].peGreen, system[i].peBlue,
                                            0};
        EXPECT_TRUE(SameEntry(entries[i], i < 10 || i >= 246 ? systemColour : grey)) << i;
    }
}

TEST_F(PaletteTest, TrueColourDisplayPinsOnlyBlackAndWhite) {
    const auto entries = Make(DisplayClass::TrueColour);
    EXPECT_TRUE(SameEntry(entries[0], PALETTEENTRY{0, 0, 0, 0}));
    EXPECT_TRUE(SameEntry(entries[255], PALETTEENTRY{255, 255, 255, 0}));
    for (int i = 1; i < 255; ++i)
        EXPECT_TRUE(SameEntry(entries[i], grey)) << i;
}

TEST_F(BitmapTest, RemapMovesPixelsAndKeyWithTheirColours) {
    mBitmap stage(4, 1, 8);
    std::vector<RGBQUAD> table(stage.info->colours, stage.info->colours + 256);
    PixelAt(stage, 0, 0) = 1;
    PixelAt(stage, 1, 0) = 2;
    PixelAt(stage, 2, 0) = 3;
    stage.SetKeyColour(2);
    stage.SetColoursAndRemap(table.data(), 0, 256); // the same colours: nothing moves
    EXPECT_EQ(PixelAt(stage, 0, 0), 1);

    std::swap(table[1], table[2]);
    stage.SetColoursAndRemap(table.data(), 0, 256);
    EXPECT_EQ(PixelAt(stage, 0, 0), 2);
    EXPECT_EQ(PixelAt(stage, 1, 0), 1);
    EXPECT_EQ(PixelAt(stage, 2, 0), 3);
    EXPECT_EQ(stage.info->keyColour, 1u);
}

} // namespace
