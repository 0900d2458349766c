#include "BitmapTestSupport.h"

#include <vector>

namespace {

std::vector<RGBQUAD> Greys(int count, BYTE level) {
    return std::vector<RGBQUAD>(count, Rgb(level, level, level));
}

TEST_F(BitmapTest, SetColoursStaysInsideTheTable) {
    mBitmap bitmap(4, 4, 8);
    const RGBQUAD before9 = bitmap.info->colours[9];
    const RGBQUAD before246 = bitmap.info->colours[246];
    const RGBQUAD before249 = bitmap.info->colours[249];
    const auto greys = Greys(236, 0x55);
    EXPECT_EQ(bitmap.SetColours(greys.data(), 10, 236), 236);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[9], before9));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[10], greys[0]));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[245], greys[0]));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[246], before246));
    EXPECT_EQ(bitmap.info->colourVersion, 1u);

    // Cut at the end of the table, never past it.
    const auto many = Greys(20, 0x66);
    EXPECT_EQ(bitmap.SetColours(many.data(), 250, 20), 6);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[249], before249));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], many[0]));
    EXPECT_EQ(bitmap.info->colourVersion, 2u);
}

TEST_F(BitmapTest, RejectedSetColoursChangesNothing) {
    mBitmap bitmap(4, 4, 8);
    const auto greys = Greys(4, 0x77);
    EXPECT_EQ(bitmap.SetColours(greys.data(), 257, 1), 0);
    EXPECT_EQ(bitmap.SetColours(greys.data(), -1, 4), 0);
    EXPECT_EQ(bitmap.SetColours(nullptr, 0, 4), 0);
    EXPECT_EQ(bitmap.info->colourVersion, 0u);
    mBitmap empty;
    EXPECT_EQ(empty.SetColours(greys.data(), 0, 4), 0);
}

TEST_F(BitmapTest, NearestColourPrefersLowestIndexAndStopsAtDistanceOne) {
    mBitmap bitmap(4, 4, 8);
    std::vector<RGBQUAD> table(256, Rgb(255, 255, 255));
    table[3] = table[9] = Rgb(10, 20, 30);
    table[7] = Rgb(100, 100, 100);
    table[200] = Rgb(100, 100, 101);
    bitmap.SetColours(table.data(), 0, 256);
    EXPECT_EQ(bitmap.NearestColour(Rgb(10, 20, 30)), 3);
    EXPECT_EQ(bitmap.NearestColour(Rgb(100, 100, 101)), 7);
    EXPECT_EQ(bitmap.NearestColour(Rgb(12, 20, 30)), 3);
}

class ColourMapTest : public BitmapTest {
protected:
    // Source pixels 0..15 in one row; the target is default-coloured unless a test changes it.
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
    mBitmap source{16, 1, 8};
    mBitmap target{16, 1, 8};
};

TEST_F(ColourMapTest, IdenticalTablesNeedNoMap) {
    EXPECT_FALSE(source.BuildColourMap(&target));
    Draw();
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(PixelAt(target, x, 0), x);
}

TEST_F(ColourMapTest, TargetColourChangeRebuildsTheMap) {
    Draw();
    const RGBQUAD sourceColour5 = source.info->colours[5];
    const RGBQUAD black = Rgb(0, 0, 0);
    target.SetColours(&sourceColour5, 200, 1);
    target.SetColours(&black, 5, 1);
    Draw();
    EXPECT_EQ(PixelAt(target, 5, 0), 200);
    EXPECT_EQ(PixelAt(target, 4, 0), 4);
}

TEST_F(ColourMapTest, SourceColourChangeRebuildsTheMap) {
    Draw();
    const RGBQUAD white = Rgb(255, 255, 255);
    source.SetColours(&white, 3, 1);
    Draw();
    EXPECT_EQ(PixelAt(target, 3, 0), 255);
    EXPECT_EQ(PixelAt(target, 2, 0), 2);
}

TEST_F(ColourMapTest, TransparentMappedSkipsKeyBeforeMapping) {
    const RGBQUAD white = Rgb(255, 255, 255);
    source.SetColours(&white, 3, 1);
    source.SetColours(&white, 15, 1);
    source.SetKeyColour(4);
    PixelAt(target, 4, 0) = 99;
    Draw();
    EXPECT_EQ(PixelAt(target, 3, 0), 255);
    EXPECT_EQ(PixelAt(target, 4, 0), 99);
    EXPECT_EQ(PixelAt(target, 15, 0), 255);
}

TEST_F(ColourMapTest, FreedMapFallsBackToPlainCopies) {
    const RGBQUAD white = Rgb(255, 255, 255);
    source.SetColours(&white, 3, 1);
    EXPECT_TRUE(source.BuildColourMap(&target));
    EXPECT_FALSE(source.BuildColourMap(nullptr));
    EXPECT_EQ(source.info->colourMap, nullptr);
    Draw(); // rebuilds towards the target
    EXPECT_EQ(PixelAt(target, 3, 0), 255);
}

} // namespace
