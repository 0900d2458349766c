#include "BitmapTestSupport.h"

#include "platform/testing/display.h"

#include <vector>

namespace {

std::vector<RGBQUAD> GreyRamp() {
    std::vector<RGBQUAD> greys(256);
    for (int i = 0; i < 256; ++i)
        greys[i] = Rgb(BYTE(i), BYTE(i), BYTE(i));
    return greys;
}

class SectionTest : public BitmapTest {
protected:
    void SetUp() override {
        BitmapTest::SetUp();
        platform::testing::ResetDisplay();
    }
    void TearDown() override {
        platform::testing::ResetDisplay();
        BitmapTest::TearDown();
    }
    // A section whose pixels are all 0 and whose colours are the grey ramp, to paint into.
    void MakeScreen(LONG width, LONG height) {
        ASSERT_TRUE(screen.CreateSection(width, height));
        screen.SetColours(greys.data(), 0, 256);
    }
    // picture's pixels inside rect at the same place, 0 elsewhere.
    void ExpectPainted(mBitmap& picture, const RECT& rect) {
        for (LONG y = 0; y < screen.info->height; ++y)
            for (LONG x = 0; x < screen.info->width; ++x) {
                const bool inside =
                    x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                EXPECT_EQ(PixelAt(screen, x, y), inside ? PixelAt(picture, x, y) : 0)
                    << x << "," << y;
            }
    }
    const std::vector<RGBQUAD> greys = GreyRamp();
    mBitmap screen;
};

TEST_F(SectionTest, SectionIsBottomUpAndMirrorsColoursIntoItsDC) {
    mBitmap stage;
    ASSERT_TRUE(stage.CreateSection(130, -20));
    EXPECT_EQ(stage.info->height, 20);
    EXPECT_EQ(stage.info->topDown, 0);
    EXPECT_EQ(stage.info->pitch, -132);
    EXPECT_EQ(stage.info->topRow, stage.info->bits + 19 * 132);
    EXPECT_EQ(stage.info->header, nullptr);
    ASSERT_NE(stage.info->memoryDC, nullptr);
    EXPECT_TRUE(SameRgb(stage.info->colours[10], Rgb(2, 2, 2)));

    const RGBQUAD grey = Rgb(0x33, 0x33, 0x33);
    stage.SetColours(&grey, 5, 1);
    RGBQUAD inDC[256];
    ASSERT_EQ(GetDIBColorTable(stage.info->memoryDC, 0, 256, inDC), 256u);
    EXPECT_TRUE(SameRgb(inDC[5], grey));
}

TEST_F(SectionTest, AbsurdSectionSizeFails) {
    mBitmap stage;
    EXPECT_FALSE(stage.CreateSection(0, 10));
    EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Out of memory"});
    EXPECT_EQ(stage.info->memoryDC, nullptr);
}

// Rows of a plain bitmap go through StretchDIBits, which counts bottom-up rows from the
// bottom; either row order must land where PixelAt says.
TEST_F(SectionTest, PaintToCopiesTheRequestedRectangleInEitherRowOrder) {
    const RECT rect = {2, 1, 6, 4};
    for (const LONG height : {6, -6}) {
        MakeScreen(8, 6);
        mBitmap picture(8, height, 8);
        picture.SetColours(greys.data(), 0, 256);
        for (LONG y = 0; y < 6; ++y)
            for (LONG x = 0; x < 8; ++x)
                PixelAt(picture, x, y) = BYTE(1 + y * 8 + x);
        picture.PaintTo(screen.info->memoryDC, &rect, rect.left, rect.top);
        ExpectPainted(picture, rect);
    }
}

TEST_F(SectionTest, PaintToFromASectionUsesItsMemoryDC) {
    const RECT rect = {1, 2, 7, 5};
    MakeScreen(8, 6);
    mBitmap picture;
    ASSERT_TRUE(picture.CreateSection(8, 6));
    picture.SetColours(greys.data(), 0, 256);
    for (LONG y = 0; y < 6; ++y)
        for (LONG x = 0; x < 8; ++x)
            PixelAt(picture, x, y) = BYTE(100 + y * 8 + x);
    picture.PaintTo(screen.info->memoryDC, &rect, rect.left, rect.top);
    ExpectPainted(picture, rect);
}

} // namespace
