#include "BitmapTestSupport.h"

#include "platform/testing/memory.h"

#include <cstdint>

namespace {

TEST_F(BitmapTest, BottomUpGeometryAndHeader) {
    mBitmap bitmap(130, 130, 8);
    const mBitmapInfo& info = *bitmap.info;
    EXPECT_EQ(info.stride, 132);
    EXPECT_EQ(info.pitch, -132);
    EXPECT_EQ(info.topDown, 0);
    EXPECT_EQ(info.topRow, info.bits + 129 * 132);
    // Header, then 256 colours, then the pixels, in one block.
    EXPECT_EQ(reinterpret_cast<BYTE*>(info.colours), reinterpret_cast<BYTE*>(info.header) + 40);
    EXPECT_EQ(info.bits, reinterpret_cast<BYTE*>(info.colours) + 1024);
    const BITMAPINFOHEADER& header = info.header->bmiHeader;
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 130);
    EXPECT_EQ(header.biHeight, 130);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biClrUsed, 256u);
    for (LONG i = 0; i < 132 * 130; ++i)
        ASSERT_EQ(info.bits[i], 0) << i;
}

TEST_F(BitmapTest, NegativeHeightGivesTopDownRowsWithPositiveHeader) {
    mBitmap bitmap(70, -3, 8);
    EXPECT_EQ(bitmap.info->height, 3);
    EXPECT_EQ(bitmap.info->topDown, 1);
    EXPECT_EQ(bitmap.info->pitch, 72);
    EXPECT_EQ(bitmap.info->topRow, bitmap.info->bits);
    EXPECT_EQ(bitmap.info->header->bmiHeader.biHeight, 3);
}

TEST_F(BitmapTest, ResetReturnsToEmptyStateButKeepsKeyAndFlags) {
    mBitmap bitmap(8, 8, 8);
    mBitmapInfo* const info = bitmap.info;
    bitmap.SetKeyColour(7);
    bitmap.SetMapColours(TRUE);
    bitmap.Reset();
    EXPECT_EQ(bitmap.info, info);
    EXPECT_EQ(info->width, 1);
    EXPECT_EQ(info->stride, 1);
    EXPECT_EQ(info->colours, nullptr);
    EXPECT_EQ(info->header, nullptr);
    EXPECT_EQ(info->keyColour, 7u);
    EXPECT_EQ(info->flags, DWORD(mBitmap::Transparent | mBitmap::MapColours));
}

TEST_F(BitmapTest, FirstCreationGetsDefaultsAndRecreationKeepsColours) {
    mBitmap bitmap(4, 4, 8);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[0], Rgb(0, 0, 0)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[10], Rgb(2, 2, 2)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[231], Rgb(0, 0, 1)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], Rgb(255, 255, 255)));

    const RGBQUAD red = Rgb(200, 0, 0);
    bitmap.SetColours(&red, 0, 1);
    ASSERT_TRUE(bitmap.Create(16, 16, 8));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[0], red));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], Rgb(255, 255, 255)));
    EXPECT_EQ(bitmap.info->colourVersion, 0u);
}

// Sizes whose byte count does not fit, or that make no sense, must fail cleanly instead of
// allocating a short block that later writes run past.
TEST_F(BitmapTest, AbsurdSizesFailAsOutOfMemory) {
    const LONG sizes[][3] = {{65536, 65536, 8}, {0x7FFFFFFF, 2, 8}, {2, INT32_MIN, 8},
                             {-4, 4, 8},        {0, 4, 8},          {4, 0, 8},
                             {4, 4, 0},         {4, 4, 33},         {46341, 46341, 8}};
    const size_t blocksBefore = platform::testing::LiveGlobalBlocks();
    for (const auto& size : sizes) {
        mBitmap bitmap;
        EXPECT_FALSE(bitmap.Create(size[0], size[1], size[2])) << size[0] << " x " << size[1];
        EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Out of memory"});
        EXPECT_EQ(bitmap.info->width, 1);
        EXPECT_EQ(bitmap.info->height, 1);
        EXPECT_EQ(bitmap.info->stride, 1);
        EXPECT_EQ(bitmap.info->bits, bitmap.info->topRow);
    }
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore);
}

TEST_F(BitmapTest, FailedAllocationReportsAndLeavesEmptyBitmap) {
    mBitmap bitmap(8, 8, 8);
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_FALSE(bitmap.Create(16, 16, 8));
    EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Out of memory"});
    EXPECT_EQ(bitmap.info->width, 1);
    EXPECT_EQ(bitmap.info->colours, nullptr);
}

TEST_F(BitmapTest, DeletingAHeldBitmapWarnsOnceUnderItsOwnName) {
    auto* bitmap = new mBitmap(4, 4, 8);
    bitmap->useCount = 2;
    delete bitmap;
    EXPECT_EQ(TakeBoxes(), Boxes{"mBitmap/Still in use"});
}

} // namespace
