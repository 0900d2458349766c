// Animations made by the encoder decode back exactly through mImageFlic, in both variants,
// stepping forward, through the ring frame and by random access.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"
#include "tests/tools/FlicTestAnimation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

struct Case {
    flic::Format format;
    int width, height, frames;
    unsigned seed;
};

class FlicRoundTrip : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        const Case& c = GetParam();
        animation = flictest::EncodeScene(c.format, c.width, c.height, c.frames, c.seed);
        image.OpenMemory(animation.file.data(), LONG(animation.file.size()));
        ASSERT_TRUE(image.ReadHeader());
        ASSERT_TRUE(screen.Create(c.width, -c.height, 8));
        ASSERT_TRUE(image.SetTarget(&screen));
    }
    void TearDown() override {
        image.SetTarget(nullptr);
        image.Close();
        platform::testing::ClearMessageBoxes();
    }

    // Draws the current frame and compares pixels and palette with the one encoded.
    void ExpectShows(int frame) {
        ASSERT_EQ(image.Draw(0, 0, nullptr), frame);
        const mBitmapInfo* bits = screen.info;
        for (int y = 0; y < bits->height; ++y)
            ASSERT_EQ(0, std::memcmp(bits->topRow + y * bits->pitch,
                                     &animation.frames[frame][size_t(y) * bits->width],
                                     size_t(bits->width)))
                << "frame " << frame << " row " << y;
        BYTE mask = GetParam().format == flic::Format::Fli ? 0xFC : 0xFF;
        for (int i = 0; i < 256; ++i) {
            const flic::Rgb& want = animation.palettes[frame][i];
            const RGBQUAD& got = image.playbackInfo->palette[i];
            ASSERT_EQ(got.rgbRed, want.r & mask) << "frame " << frame << " entry " << i;
            ASSERT_EQ(got.rgbGreen, want.g & mask);
            ASSERT_EQ(got.rgbBlue, want.b & mask);
        }
    }

    flictest::EncodedAnimation animation;
    mImageFlic image;
    mBitmap screen;
};

TEST_P(FlicRoundTrip, StepsThroughEveryFrameAndTheRingTwice) {
    int frames = GetParam().frames;
    EXPECT_EQ(image.formatInfo->frameCount, frames);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < frames; ++i) {
            ASSERT_EQ(image.SeekFrame(i, 0), i == 0 && pass == 0 ? 0 : i);
            ExpectShows(i);
        }
}

TEST_P(FlicRoundTrip, RandomAccessMatchesSequentialDecode) {
    std::mt19937 random(GetParam().seed);
    for (int step = 0; step < 40; ++step) {
        int frame = int(random() % unsigned(GetParam().frames));
        image.SeekFrame(frame, 0);
        ExpectShows(frame);
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, FlicRoundTrip,
                         ::testing::Values(Case{flic::Format::Flc, 64, 48, 30, 1},
                                           Case{flic::Format::Fli, 64, 48, 30, 2},
                                           Case{flic::Format::Flc, 61, 37, 25, 3},
                                           Case{flic::Format::Fli, 61, 37, 25, 4},
                                           Case{flic::Format::Flc, 130, 130, 12, 5},
                                           Case{flic::Format::Flc, 1, 1, 3, 6},
                                           Case{flic::Format::Fli, 320, 200, 8, 7}));

} // namespace
