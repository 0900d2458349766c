// The media timing conversions and the image base: holds on the target and the pixel
// conversion per depth, through the 12-bit colour table for deep pixels.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Timing : public mMedia {
public:
    void SetRates(DWORD rate, DWORD bits, DWORD channels) {
        rates = {rate, bits, channels, 0, 0, 0};
    }
    void SetLength(LONG length) { media.length = length; }
};

TEST(MediaTiming, ConvertsWithUnsignedTruncationAndRoundsUpWhereDesigned) {
    Timing media;
    EXPECT_EQ(media.TimeToUnits(1, 0, 0), 1u);
    EXPECT_EQ(media.ToBytes(1500), 2u);
    EXPECT_EQ(media.FromBytes(2), 2000u);
    media.SetRates(22050, 16, 2);
    EXPECT_EQ(media.TimeToBytes(1000, 0, 0), 88200u);
    EXPECT_EQ(media.TimeToUnits(0, 1, 1), 22050u * 61 * 2);
    EXPECT_EQ(media.UnitsToMs(44099), 999u);
    EXPECT_EQ(media.BytesToUnits(3), 2u);
    media.SetTimeFormat(timeUnits);
    EXPECT_EQ(media.ToBytes(5), 10u);
    media.SetTimeFormat(7);
    EXPECT_EQ(media.FromBytes(5), 5u);
    media.SetRates(1, 8, 1);
    EXPECT_EQ(media.UnitsToMs(4294968), DWORD(4294968u * 1000u)) << "wraps in 32 bits";
    // A zero rate read from a bad file must not divide by zero.
    media.SetRates(0, 0, 0);
    EXPECT_EQ(media.UnitsToMs(5), 0u);
    EXPECT_EQ(media.BytesToUnits(5), 0u);
}

TEST(MediaTiming, PlayPositionHasOnlyAnUpperBound) {
    Timing media;
    EXPECT_EQ(media.mediaInfo->position, -1);
    media.SetLength(5);
    EXPECT_EQ(media.SetPlayPosition(5), -1);
    EXPECT_EQ(media.SetPlayPosition(-3), -3);
    media.SetLength(6);
    EXPECT_EQ(media.SetPlayPosition(5), 5);
}

class PlainImage : public mImage {
public:
    BOOL ReadHeader() override { return FALSE; }
    LONG WriteHeader() override { return 0; }
    LONG Draw(LONG, LONG, const RECT*) override { return -1; }
    LONG WriteFrame(LONG, LONG, LONG) override { return -1; }
    LONG SeekFrame(LONG, LONG) override { return 0; }
    void RemapColours() override {}

    std::vector<BYTE> Convert(LONG bits, LONG planes, std::vector<BYTE> source, LONG count,
                              LONG planeStride = 0) {
        playback.bitsPerPixel = bits;
        playback.planes = planes;
        std::vector<BYTE> out(size_t(count), 0xEE);
        ConvertRow(source.data(), out.data(), count, planeStride);
        return out;
    }
};

using Indices = std::vector<BYTE>;

TEST(ImageBase, TargetHoldsMoveWithTheTarget) {
    PlainImage image;
    EXPECT_EQ(image.playbackInfo->currentFrame, -1);
    EXPECT_EQ(image.CreateFrameBitmap(FALSE), nullptr) << "no header";
    mBitmap a, b;
    image.SetTarget(&a);
    image.SetTarget(&b);
    EXPECT_EQ(a.useCount, 0);
    EXPECT_EQ(b.useCount, 1);
    image.SetTarget(nullptr);
    EXPECT_EQ(b.useCount, 0);
}

TEST(ImageBase, ConvertsRowsOfEveryDepth) {
    PlainImage image;
    EXPECT_EQ(image.Convert(4, 1, {0x12, 0x34}, 3), (Indices{1, 2, 3}));
    EXPECT_EQ(image.Convert(1, 1, {0xA0}, 3), (Indices{1, 0, 1}));
    // Four planes two bytes apart; pixel 8 reads the next byte of each plane.
    Indices planar = image.Convert(1, 4, {0x80, 0x00, 0x00, 0x80, 0x80, 0, 0x80, 0}, 9, 2);
    EXPECT_EQ(planar[0], 1 | 4 | 8);
    EXPECT_EQ(planar[8], 2);
    EXPECT_EQ(image.Convert(2, 1, {0xFF}, 2), Indices(2, 0xEE)) << "unknown depth: skipped";

    mBitmap target;
    ASSERT_TRUE(target.Create(4, 4, 8));
    std::vector<RGBQUAD> colours(256, RGBQUAD{0, 0, 0, 0});
    colours[1] = RGBQUAD{0, 0, 0xF0, 0};    // red
    colours[2] = RGBQUAD{0xF0, 0, 0, 0};    // blue
    colours[3] = RGBQUAD{0, 0x70, 0x20, 0}; // dark green
    target.SetColours(colours.data(), 0, 256);
    image.SetTarget(&target);
    image.Convert(24, 1, {}, 0); // sets the depth the table is built for
    image.BuildConversionTable();
    EXPECT_EQ(image.Convert(24, 1, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0x70, 0x20}, 3), (Indices{2, 1, 3}));
    EXPECT_EQ(image.Convert(16, 1, {0x00, 0x7C, 0x1F, 0x00}, 2), (Indices{1, 2}));
    EXPECT_EQ(image.Convert(8, 3, {0x20, 0x00, 0x70, 0x00, 0x00, 0xF0}, 2, 2), (Indices{3, 2}));
    EXPECT_EQ(image.Convert(8, 1, {7, 8}, 2), (Indices{7, 8}));
    image.SetTarget(nullptr);
}

} // namespace
