#include "BitmapTestSupport.h"

#include <cstring>
#include <vector>

namespace {

constexpr BYTE key = 0xAB;

// A source row of key runs of every length up to 9 between single and paired opaque pixels.
void PaintKeyRuns(mBitmap& bitmap) {
    const LONG width = bitmap.info->width;
    for (LONG y = 0; y < bitmap.info->height; ++y)
        for (LONG x = 0; x < width; ++x)
            PixelAt(bitmap, x, y) = (x * 7 + y) % 11 < 9 - (x / 13) % 9 ? key : BYTE(x + y);
}

// Every column width and start parity, both row orders on either side, against a per-pixel
// reference.
TEST_F(BitmapTest, TransparentCopyMatchesPerPixelReference) {
    for (const LONG sourceHeight : {-5, 5}) {
        mBitmap source(64, sourceHeight, 8);
        PaintKeyRuns(source);
        source.SetKeyColour(key);
        for (const LONG targetHeight : {-6, 6}) {
            mBitmap target(64, targetHeight, 8);
            for (LONG width = 1; width <= 33; ++width) {
                for (const LONG left : {2, 3}) {
                    std::memset(target.info->bits, 0x11, target.info->stride * 6);
                    const RECT rect = {left, 1, left + width, 6};
                    source.BlitTo(&target, &rect, left + 1, 0);
                    for (LONG y = 0; y < 6; ++y)
                        for (LONG x = 0; x < 64; ++x) {
                            const bool inside = x >= left && x < left + width && y >= 1;
                            const BYTE from = inside ? PixelAt(source, x + 1, y - 1) : key;
                            ASSERT_EQ(PixelAt(target, x, y), from == key ? 0x11 : from)
                                << "width " << width << " at " << x << "," << y;
                        }
                }
            }
        }
    }
}

TEST_F(BitmapTest, KeyOnlyRowsLeaveTheDestinationUntouched) {
    for (const LONG width : {1, 2, 7, 8, 9, 16, 17}) {
        mBitmap source(width, 1, 8), target(width, 1, 8);
        std::memset(source.info->bits, key, width);
        std::memset(target.info->bits, 0x22, width);
        source.SetKeyColour(key);
        const RECT rect = {0, 0, width, 1};
        source.CopyTransparent(&target, &rect, 0, 0);
        for (LONG x = 0; x < width; ++x)
            ASSERT_EQ(PixelAt(target, x, 0), 0x22) << width;
    }
}

TEST_F(BitmapTest, OpaqueCopyBetweenRowOrders) {
    mBitmap source(9, 4, 8), target(9, -4, 8);
    for (LONG y = 0; y < 4; ++y)
        for (LONG x = 0; x < 9; ++x)
            PixelAt(source, x, y) = BYTE(y * 16 + x);
    const RECT rect = {1, 1, 8, 3};
    source.CopyOpaque(&target, &rect, 2, 0);
    EXPECT_EQ(PixelAt(target, 1, 1), 0x02);
    EXPECT_EQ(PixelAt(target, 7, 2), 0x18);
    EXPECT_EQ(PixelAt(target, 0, 1), 0);
    EXPECT_EQ(PixelAt(target, 8, 2), 0);
    EXPECT_EQ(PixelAt(target, 1, 3), 0);
}

TEST_F(BitmapTest, SetOrientationFlipsRowsAndBack) {
    mBitmap bitmap(4, 3, 8);
    for (LONG y = 0; y < 3; ++y)
        PixelAt(bitmap, 0, y) = BYTE(10 + y);
    const std::vector<BYTE> stored(bitmap.info->bits, bitmap.info->bits + 12);
    bitmap.SetOrientation(TRUE);
    EXPECT_EQ(bitmap.info->pitch, 4);
    EXPECT_EQ(bitmap.info->topRow, bitmap.info->bits);
    EXPECT_EQ(bitmap.info->header->bmiHeader.biHeight, 3);
    for (LONG y = 0; y < 3; ++y)
        EXPECT_EQ(PixelAt(bitmap, 0, y), 10 + y); // the picture is unchanged
    bitmap.SetOrientation(TRUE);
    bitmap.SetOrientation(FALSE);
    EXPECT_EQ(std::vector<BYTE>(bitmap.info->bits, bitmap.info->bits + 12), stored);

    mBitmap oneRow(5, 1, 8);
    PixelAt(oneRow, 1, 0) = 9;
    oneRow.SetOrientation(TRUE);
    EXPECT_EQ(oneRow.info->pitch, 8);
    EXPECT_EQ(oneRow.info->bits[1], 9);
}

// Fill addresses rows from bits: both orders must touch exactly the rectangle.
TEST_F(BitmapTest, FillSetsExactlyTheRectangle) {
    for (const LONG height : {-9, 9}) {
        mBitmap bitmap(13, height, 8);
        const RECT rects[] = {{3, 0, 8, 9}, {10, 4, 10, 6}};
        bitmap.Fill(0x5A, rects, 2);
        int set = 0;
        for (LONG y = 0; y < 9; ++y)
            for (LONG x = 0; x < 16; ++x) {
                const BYTE pixel = PixelAt(bitmap, x, y);
                set += pixel == 0x5A;
                EXPECT_EQ(pixel == 0x5A, x >= 3 && x < 8) << x << "," << y;
            }
        EXPECT_EQ(set, 45);
    }
}

} // namespace
