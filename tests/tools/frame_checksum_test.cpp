// The decode checksum must tell apart the frames a faulty decoder could produce: words in
// another order, a wrong pixel in a row's short tail, and it must not depend on row order.
#include "engine/gfx/mBitmap.h"
#include "tools/media/FrameChecksum.h"

#include <gtest/gtest.h>

namespace {

// width 70: whole 64-byte steps and a tail of 6 in each row.
constexpr LONG kWidth = 70, kHeight = 5;

void Fill(mBitmap& bitmap) {
    for (LONG y = 0; y < kHeight; ++y)
        for (LONG x = 0; x < kWidth; ++x)
            bitmap.info->topRow[y * bitmap.info->pitch + x] = BYTE(x * 7 + y * 13);
}

BYTE& Pixel(mBitmap& bitmap, LONG x, LONG y) {
    return bitmap.info->topRow[y * bitmap.info->pitch + x];
}

uint64_t Checksum(const mBitmap& bitmap) {
    FrameChecksum checksum;
    checksum.AddPicture(*bitmap.info);
    return checksum.Value();
}

TEST(FrameChecksumTest, SamePixelsGiveTheSameValueInEitherRowOrder) {
    mBitmap bottomUp, topDown;
    ASSERT_TRUE(bottomUp.Create(kWidth, kHeight, 8));
    ASSERT_TRUE(topDown.Create(kWidth, -kHeight, 8));
    Fill(bottomUp);
    Fill(topDown);
    EXPECT_EQ(Checksum(bottomUp), Checksum(topDown));
}

TEST(FrameChecksumTest, SwappedWordsAndAChangedTailPixelChangeTheValue) {
    mBitmap frame;
    ASSERT_TRUE(frame.Create(kWidth, kHeight, 8));
    Fill(frame);
    const uint64_t original = Checksum(frame);

    // Pixels 64 bytes apart fall into the same lane of the sums.
    std::swap(Pixel(frame, 1, 2), Pixel(frame, 65, 2));
    EXPECT_NE(Checksum(frame), original);
    std::swap(Pixel(frame, 1, 2), Pixel(frame, 65, 2));
    // Rows swapped whole.
    for (LONG x = 0; x < kWidth; ++x) std::swap(Pixel(frame, x, 0), Pixel(frame, x, 3));
    EXPECT_NE(Checksum(frame), original);
    for (LONG x = 0; x < kWidth; ++x) std::swap(Pixel(frame, x, 0), Pixel(frame, x, 3));
    ASSERT_EQ(Checksum(frame), original);

    Pixel(frame, kWidth - 1, kHeight - 1) ^= 1;
    EXPECT_NE(Checksum(frame), original);
}

} // namespace
