// The media timing conversions and the image base: holds on the target, the pixel
// conversion per depth and the 12-bit colour table.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Timing : public mMedia {
public:
    void SetRates(DWORD rate, DWORD bits, DWORD channels) {
        rates.rate = rate;
        rates.bitsPerUnit = bits;
        rates.channels = channels;
    }
    void SetLength(LONG length) { media.length = length; }
};

TEST(MediaTiming, ConvertsWithTheDefaultRates) {
    Timing media;
    EXPECT_EQ(media.mediaInfo->position, -1);
    EXPECT_EQ(media.TimeToUnits(1, 0, 0), 1u) << "rounded up";
    EXPECT_EQ(media.UnitsToBytes(3), 3u);
    EXPECT_EQ(media.BytesToUnits(3), 3u);
    EXPECT_EQ(media.ToBytes(1500), 2u) << "ms: 1.5 s at one unit per second rounds up";
    EXPECT_EQ(media.FromBytes(2), 2000u);
}

TEST(MediaTiming, ConvertsAudioRatesWithUnsignedTruncation) {
    Timing media;
    media.SetRates(22050, 16, 2);
    EXPECT_EQ(media.TimeToBytes(1000, 0, 0), 88200u);
    EXPECT_EQ(media.TimeToUnits(0, 1, 1), 22050u * 61 * 2);
    EXPECT_EQ(media.UnitsToMs(44100), 1000u);
    EXPECT_EQ(media.UnitsToMs(44099), 999u);
    EXPECT_EQ(media.BytesToUnits(3), 2u) << "(24 + 15) / 16";
    media.SetTimeFormat(timeUnits);
    EXPECT_EQ(media.ToBytes(5), 10u);
    EXPECT_EQ(media.FromBytes(10), 5u);
    media.SetTimeFormat(7);
    EXPECT_EQ(media.ToBytes(5), 5u);
    // 4294967 * 1000 wraps in 32 bits.
    media.SetRates(1, 8, 1);
    EXPECT_EQ(media.UnitsToMs(4294968), DWORD(4294968u * 1000u));
    media.SetRates(0, 0, 0);
    EXPECT_EQ(media.UnitsToMs(5), 0u);
    EXPECT_EQ(media.BytesToUnits(5), 0u);
}

TEST(MediaTiming, PlayPositionHasOnlyAnUpperBound) {
    Timing media;
    media.SetLength(5);
    EXPECT_EQ(media.SetPlayPosition(5), -1);
    EXPECT_EQ(media.SetPlayPosition(-3), -3);
    media.SetLength(6);
    EXPECT_EQ(media.SetPlayPosition(5), 5);
    EXPECT_EQ(media.Play(0, 0), 0);
    EXPECT_EQ(media.WriteData(nullptr, 0), 1);
}

// A minimal image for the base's own operations.
class PlainImage : public mImage {
public:
    BOOL ReadHeader() override { return FALSE; }
    LONG WriteHeader() override { return 0; }
    LONG Draw(LONG, LONG, const RECT*) override { return -1; }
    LONG WriteFrame(LONG, LONG, LONG) override { return -1; }
    LONG SeekFrame(LONG, LONG) override { return 0; }
    void RemapColours() override {}
    void SetDepth(LONG bits, LONG planes) {
        playback.bitsPerPixel = bits;
        playback.planes = planes;
    }
    bool HasTable() const { return conversionTable != nullptr; }
};

std::vector<BYTE> Convert(PlainImage& image, std::vector<BYTE> source, LONG count,
                          LONG planeStride = 0) {
    std::vector<BYTE> out(size_t(count), 0xEE);
    image.ConvertRow(source.data(), out.data(), count, planeStride);
    return out;
}

TEST(ImageBase, FreshImageAndTargetHolds) {
    PlainImage image;
    EXPECT_EQ(image.playbackInfo->currentFrame, -1);
    EXPECT_EQ(image.formatInfo->frameCount, 0);
    EXPECT_EQ(image.formatInfo->typeTag, 0u);
    EXPECT_EQ(image.CreateFrameBitmap(FALSE), nullptr);
    mBitmap a, b;
    a.useCount = 1;
    EXPECT_TRUE(image.SetTarget(&a));
    EXPECT_TRUE(image.SetTarget(&b));
    EXPECT_EQ(a.useCount, 1);
    EXPECT_EQ(b.useCount, 1);
    EXPECT_TRUE(image.SetTarget(nullptr));
    EXPECT_EQ(b.useCount, 0);
    image.SetKeyColour(9);
    EXPECT_TRUE(image.playbackInfo->transparent);
    EXPECT_EQ(image.playbackInfo->keyColour, 9);
}

TEST(ImageBase, ConvertsPalettedDepths) {
    PlainImage image;
    image.SetDepth(4, 1);
    EXPECT_EQ(Convert(image, {0x12, 0x34}, 3), (std::vector<BYTE>{1, 2, 3}));
    image.SetDepth(8, 1);
    EXPECT_EQ(Convert(image, {7, 8}, 2), (std::vector<BYTE>{7, 8}));
    // Four planes, one byte each, two bytes apart; pixel 8 comes from the next bytes.
    image.SetDepth(1, 4);
    std::vector<BYTE> planes{0x80, 0x01, 0x00, 0x80, 0x80, 0x00, 0x80, 0x00};
    std::vector<BYTE> out = Convert(image, planes, 9, 2);
    EXPECT_EQ(out[0], 1 | 4 | 8);
    EXPECT_EQ(out[7], 0);
    EXPECT_EQ(out[8], 2);
    image.SetDepth(1, 1);
    EXPECT_EQ(Convert(image, {0xA0}, 3), (std::vector<BYTE>{1, 0, 1}));
    image.SetDepth(2, 1);
    EXPECT_EQ(Convert(image, {0xFF}, 2), (std::vector<BYTE>(2, 0xEE))) << "unknown depth";
}

TEST(ImageBase, ConvertsDeepPixelsThroughTheTwelveBitTable) {
    PlainImage image;
    mBitmap target;
    ASSERT_TRUE(target.Create(4, 4, 8));
    std::vector<RGBQUAD> colours(256, RGBQUAD{0, 0, 0, 0});
    colours[1] = RGBQUAD{0, 0, 0xF0, 0};    // red
    colours[2] = RGBQUAD{0xF0, 0, 0, 0};    // blue
    colours[3] = RGBQUAD{0, 0x70, 0x20, 0}; // dark green
    target.SetColours(colours.data(), 0, 256);
    image.SetTarget(&target);
    image.SetDepth(8, 1);
    image.BuildConversionTable();
    EXPECT_FALSE(image.HasTable()) << "8-bit sources need no table";
    image.SetDepth(24, 1);
    image.BuildConversionTable();
    ASSERT_TRUE(image.HasTable());
    EXPECT_EQ(Convert(image, {0xFF, 0, 0, 0, 0, 0xFF, 0, 0x70, 0x20}, 3),
              (std::vector<BYTE>{2, 1, 3}));
    image.SetDepth(16, 1);
    // Red 31 and blue 31 as 16-bit pixels, low byte first.
    EXPECT_EQ(Convert(image, {0x00, 0x7C, 0x1F, 0x00}, 2), (std::vector<BYTE>{1, 2}));
    image.SetDepth(8, 3);
    EXPECT_EQ(Convert(image, {0x20, 0x00, 0x70, 0x00, 0x00, 0xF0}, 2, 2),
              (std::vector<BYTE>{3, 2}));
    image.FreeConversionTable();
    image.SetTarget(nullptr);
}

} // namespace
