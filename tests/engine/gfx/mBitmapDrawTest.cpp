#include "BitmapTestSupport.h"

#include <cstring>
#include <vector>

namespace {

constexpr BYTE key = 0xAB;

// Key runs of many lengths between single and paired opaque pixels, and a key-only row.
void PaintKeyRuns(mBitmap& bitmap) {
    for (LONG y = 0; y < bitmap.info->height; ++y)
        for (LONG x = 0; x < bitmap.info->width; ++x)
            PixelAt(bitmap, x, y) =
                y == 2 || (x * 7 + y) % 11 < 9 - (x / 13) % 9 ? key : BYTE(x + y);
}

// Every column width at odd and even starts, both row orders on either side, against a
// per-pixel reference.
TEST_F(BitmapTest, TransparentCopyMatchesPerPixelReference) {
    for (const LONG sourceHeight : {-5, 5}) {
        mBitmap source(64, sourceHeight, 8);
        PaintKeyRuns(source);
        source.SetKeyColour(key);
        for (const LONG targetHeight : {-6, 6}) {
            mBitmap target(64, targetHeight, 8);
            for (LONG width = 1; width <= 40; ++width)
                for (const LONG left : {2, 3}) {
                    std::memset(target.info->bits, 0x11, 64 * 6);
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

TEST_F(BitmapTest, SetOrientationFlipsRowsAndBack) {
    mBitmap bitmap(4, 3, 8);
    for (LONG y = 0; y < 3; ++y)
        PixelAt(bitmap, 0, y) = BYTE(10 + y);
    const std::vector<BYTE> stored(bitmap.info->bits, bitmap.info->bits + 12);
    bitmap.SetOrientation(TRUE);
    EXPECT_EQ(bitmap.info->pitch, 4);
    for (LONG y = 0; y < 3; ++y)
        EXPECT_EQ(PixelAt(bitmap, 0, y), 10 + y); // the picture is unchanged
    bitmap.SetOrientation(TRUE);
    bitmap.SetOrientation(FALSE);
    EXPECT_EQ(std::vector<BYTE>(bitmap.info->bits, bitmap.info->bits + 12), stored);
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
                set += PixelAt(bitmap, x, y) == 0x5A;
                EXPECT_EQ(PixelAt(bitmap, x, y) == 0x5A, x >= 3 && x < 8) << x << "," << y;
            }
        EXPECT_EQ(set, 45);
    }
}

// StretchDIBits counts a bottom-up DIB's rows from the bottom; plain bitmaps of either row
// order, and sections, must land where PixelAt says.
TEST_F(BitmapTest, PaintToCopiesTheRectangleInPlace) {
    std::vector<RGBQUAD> greys(256);
    for (int i = 0; i < 256; ++i)
        greys[i] = Rgb(BYTE(i), BYTE(i), BYTE(i));
    const RECT rect = {2, 1, 6, 4};
    for (const LONG height : {6, -6, 0}) {
        mBitmap screen, picture;
        ASSERT_TRUE(screen.CreateSection(8, 6));
        ASSERT_TRUE(height ? picture.Create(8, height, 8) : picture.CreateSection(8, 6));
        screen.SetColours(greys.data(), 0, 256);
        picture.SetColours(greys.data(), 0, 256);
        for (LONG y = 0; y < 6; ++y)
            for (LONG x = 0; x < 8; ++x)
                PixelAt(picture, x, y) = BYTE(1 + y * 8 + x);
        picture.PaintTo(screen.info->memoryDC, &rect, rect.left, rect.top);
        for (LONG y = 0; y < 6; ++y)
            for (LONG x = 0; x < 8; ++x) {
                const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
                EXPECT_EQ(PixelAt(screen, x, y), inside ? PixelAt(picture, x, y) : 0)
                    << "height " << height << " at " << x << "," << y;
            }
    }
}

} // namespace
