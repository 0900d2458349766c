#include "BitmapTestSupport.h"

#include <algorithm>
#include <vector>

namespace {

TEST_F(BitmapTest, SetColoursStaysInsideTheTable) {
    mBitmap bitmap(4, 4, 8);
    const std::vector<RGBQUAD> before(bitmap.info->colours, bitmap.info->colours + 256);
    const std::vector<RGBQUAD> greys(236, Rgb(0x55, 0x55, 0x55));
    EXPECT_EQ(bitmap.SetColours(greys.data(), 10, 236), 236);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[9], before[9]));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[245], greys[0]));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[246], before[246]));
    EXPECT_EQ(bitmap.SetColours(greys.data(), 250, 20), 6); // cut at the end
    EXPECT_TRUE(SameRgb(bitmap.info->colours[249], before[249]));
    EXPECT_EQ(bitmap.info->colourVersion, 2u);

    EXPECT_EQ(bitmap.SetColours(greys.data(), 257, 1), 0);
    EXPECT_EQ(bitmap.SetColours(greys.data(), -1, 4), 0);
    EXPECT_EQ(bitmap.SetColours(nullptr, 0, 4), 0);
    EXPECT_EQ(bitmap.info->colourVersion, 2u);
    EXPECT_EQ(mBitmap().SetColours(greys.data(), 0, 4), 0);
}

TEST_F(BitmapTest, NearestColourPrefersLowestIndexAndStopsAtDistanceOne) {
    mBitmap bitmap(4, 4, 8);
    std::vector<RGBQUAD> table(256, Rgb(255, 255, 255));
    table[3] = table[9] = Rgb(10, 20, 30);
    table[7] = Rgb(100, 100, 100);
    table[200] = Rgb(100, 100, 101);
    bitmap.SetColours(table.data(), 0, 256);
    EXPECT_EQ(bitmap.NearestColour(Rgb(10, 20, 30)), 3);
    EXPECT_EQ(bitmap.NearestColour(Rgb(12, 20, 30)), 3);
    EXPECT_EQ(bitmap.NearestColour(Rgb(100, 100, 101)), 7);
}

// Source pixels 0..15 in one row, drawn mapped onto a default-coloured target.
class ColourMapTest : public BitmapTest {
protected:
    void SetUp() override {
        BitmapTest::SetUp();
        for (int x = 0; x < 16; ++x)
            PixelAt(source, x, 0) = BYTE(x);
        source.SetMapColours(TRUE);
    }
    void Draw() {
        const RECT rect = {0, 0, 16, 1};
        source.BlitTo(&target, &rect, 0, 0);
    }
    const RGBQUAD white = Rgb(255, 255, 255);
    mBitmap source{16, 1, 8};
    mBitmap target{16, 1, 8};
};

TEST_F(ColourMapTest, IdenticalTablesCopyUnmapped) {
    EXPECT_FALSE(source.BuildColourMap(&target));
    Draw();
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(PixelAt(target, x, 0), x);
}

TEST_F(ColourMapTest, EitherSideChangingColoursRebuildsTheMap) {
    Draw();
    const RGBQUAD sourceColour5 = source.info->colours[5];
    target.SetColours(&sourceColour5, 200, 1);
    target.SetColours(&white, 5, 1);
    Draw();
    EXPECT_EQ(PixelAt(target, 5, 0), 200);
    source.SetColours(&white, 3, 1);
    Draw();
    EXPECT_EQ(PixelAt(target, 3, 0), 5); // the first white of the target
    EXPECT_EQ(PixelAt(target, 2, 0), 2);
}

TEST_F(ColourMapTest, TransparentMappedComparesTheKeyBeforeMapping) {
    source.SetColours(&white, 3, 1);
    source.SetColours(&white, 15, 1);
    source.SetKeyColour(4);
    PixelAt(target, 4, 0) = 99;
    Draw();
    EXPECT_EQ(PixelAt(target, 3, 0), 255);
    EXPECT_EQ(PixelAt(target, 4, 0), 99);
    EXPECT_EQ(PixelAt(target, 15, 0), 255);
}

// A freed map must not be used; the next mapped copy builds a new one.
TEST_F(ColourMapTest, FreedMapIsRebuiltOnTheNextCopy) {
    source.SetColours(&white, 3, 1);
    EXPECT_TRUE(source.BuildColourMap(&target));
    EXPECT_FALSE(source.BuildColourMap(nullptr));
    EXPECT_EQ(source.info->colourMap, nullptr);
    Draw();
    EXPECT_EQ(PixelAt(target, 3, 0), 255);
}

// The copies take a byte at a time; a shallower bitmap's map must still cover every byte
// (the sanitizer build reads past a short one).
TEST_F(BitmapTest, MappedCopyOfAShallowBitmapStaysInsideItsMap) {
    mBitmap shallow(16, 1, 4), deep(8, 1, 8);
    const RGBQUAD grey = Rgb(0x80, 0x80, 0x81);
    shallow.SetColours(&grey, 1, 1);
    shallow.SetMapColours(TRUE);
    std::fill(shallow.info->bits, shallow.info->bits + 8, BYTE(0xFF));
    const RECT rect = {0, 0, 8, 1};
    shallow.BlitTo(&deep, &rect, 0, 0);
    ASSERT_TRUE(shallow.info->mapNeeded);
    EXPECT_EQ(shallow.info->colourMap[1], deep.NearestColour(grey));
}

} // namespace
