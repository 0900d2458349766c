#include "BitmapTestSupport.h"

#include "platform/testing/memory.h"

#include <cstdint>

namespace {

TEST_F(BitmapTest, PlainBitmapLayout) {
    mBitmap bitmap(130, 130, 8);
    const mBitmapInfo& info = *bitmap.info;
    EXPECT_EQ(info.stride, 132);
    EXPECT_EQ(info.pitch, -132);
    EXPECT_EQ(info.topRow, info.bits + 129 * 132);
    // One block: header, 256 colours, pixels.
    EXPECT_EQ(reinterpret_cast<BYTE*>(info.colours), reinterpret_cast<BYTE*>(info.header) + 40);
    EXPECT_EQ(info.bits, reinterpret_cast<BYTE*>(info.colours) + 1024);
    EXPECT_EQ(info.header->bmiHeader.biHeight, 130);
    EXPECT_EQ(info.header->bmiHeader.biClrUsed, 256u);

    ASSERT_TRUE(bitmap.Create(70, -3, 8));
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.pitch, 72);
    EXPECT_EQ(info.topRow, info.bits);
    EXPECT_EQ(info.header->bmiHeader.biHeight, 3); // positive even for top-down rows
}

TEST_F(BitmapTest, SectionIsBottomUpAndMirrorsColoursIntoItsDC) {
    mBitmap stage;
    ASSERT_TRUE(stage.CreateSection(130, -20));
    EXPECT_EQ(stage.info->topDown, 0);
    EXPECT_EQ(stage.info->topRow, stage.info->bits + 19 * 132);
    EXPECT_EQ(stage.info->header, nullptr);
    const RGBQUAD grey = Rgb(0x33, 0x33, 0x33);
    stage.SetColours(&grey, 5, 1);
    RGBQUAD inDC[256];
    ASSERT_EQ(GetDIBColorTable(stage.info->memoryDC, 0, 256, inDC), 256u);
    EXPECT_TRUE(SameRgb(inDC[5], grey));
}

TEST_F(BitmapTest, FirstCreationGetsDefaultsAndRecreationKeepsColours) {
    mBitmap bitmap(4, 4, 8);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[0], Rgb(0, 0, 0)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[10], Rgb(2, 2, 2)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], Rgb(255, 255, 255)));
    const RGBQUAD red = Rgb(200, 0, 0);
    bitmap.SetColours(&red, 0, 1);
    bitmap.SetKeyColour(7);
    ASSERT_TRUE(bitmap.Create(16, 16, 8));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[0], red));
    EXPECT_EQ(bitmap.info->colourVersion, 0u);
    EXPECT_EQ(bitmap.info->flags, DWORD(mBitmap::Transparent)); // kept across re-creation
}

// Sizes whose byte count does not fit, or that make no sense, must fail cleanly instead of
// allocating a short block that later writes run past.
TEST_F(BitmapTest, AbsurdSizesAndFailedAllocationsLeaveAnEmptyBitmap) {
    const LONG sizes[][3] = {{65536, 65536, 8}, {0x7FFFFFFF, 2, 8}, {2, INT32_MIN, 8},
                             {46341, 46341, 8}, {-4, 4, 8},         {0, 4, 8},
                             {4, 4, 0},         {4, 4, 33},         {8, 8, 8}};
    const size_t blocksBefore = platform::testing::LiveGlobalBlocks();
    for (const auto& size : sizes) {
        mBitmap bitmap;
        platform::testing::FailNextGlobalAllocs(1); // only the plain 8 x 8 gets this far
        EXPECT_FALSE(bitmap.Create(size[0], size[1], size[2])) << size[0] << " x " << size[1];
        platform::testing::FailNextGlobalAllocs(0);
        EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Out of memory"});
        EXPECT_EQ(bitmap.info->width, 1);
        EXPECT_EQ(bitmap.info->stride, 1);
        EXPECT_EQ(bitmap.info->colours, nullptr);
    }
    mBitmap section;
    EXPECT_FALSE(section.CreateSection(0, 10));
    EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Out of memory"});
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore);
}

TEST_F(BitmapTest, DeletingAHeldBitmapWarnsOnceUnderItsOwnName) {
    auto* bitmap = new mBitmap(4, 4, 8);
    bitmap->useCount = 2;
    delete bitmap;
    EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Still in use"});
}

} // namespace
