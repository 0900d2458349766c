// The program's own FLIC artwork decodes through every frame and the ring frame, from
// memory and from a file read through a small buffer, with identical pictures.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"
#include "tests/support/source_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A FLIC image with a top-down target of its size, showing each frame drawn.
struct Player {
    explicit Player(mImageFlic& flic) : image(flic) {
        if (image.ReadHeader() &&
            screen.Create(image.formatInfo->width, -image.formatInfo->height, 8))
            image.SetTarget(&screen);
    }
    ~Player() { image.SetTarget(nullptr); }
    std::vector<BYTE> Show(LONG frame) {
        image.SeekFrame(frame, 0);
        image.Draw(0, 0, nullptr);
        const mBitmapInfo* info = screen.info;
        return std::vector<BYTE>(info->bits, info->bits + size_t(info->stride) * info->height);
    }
    mImageFlic& image;
    mBitmap screen;
};

class FlicArtwork : public ::testing::TestWithParam<const char*> {};

TEST_P(FlicArtwork, DecodesEveryFrameAndTheRingFromMemoryAndFile) {
    std::string path = SourceTreePath("resources/flic/" + std::string(GetParam()));
    std::ifstream in(path, std::ios::binary);
    if (!in) GTEST_SKIP() << "no artwork at " << path;
    std::vector<BYTE> bytes{std::istreambuf_iterator<char>(in), {}};
    platform::testing::ClearMessageBoxes();

    mImageFlic fromMemory, fromFile;
    fromMemory.OpenMemory(bytes.data(), LONG(bytes.size()));
    fromFile.SetBufferSizes(1024, 1024);
    ASSERT_TRUE(fromFile.Open(path.c_str(), 0));
    Player memory(fromMemory), file(fromFile);
    LONG frames = fromMemory.formatInfo->frameCount;
    ASSERT_GT(frames, 0);
    EXPECT_EQ(fromMemory.formatInfo->kind, 4);

    // Laps after the first come back to frame 0 through the ring frame.
    std::vector<BYTE> first = memory.Show(0);
    for (int lap = 0; lap < 3; ++lap) {
        ASSERT_EQ(memory.Show(0), first) << "lap " << lap;
        ASSERT_EQ(file.Show(0), first) << "lap " << lap;
        for (LONG i = 1; i < frames; ++i)
            ASSERT_EQ(memory.Show(i), file.Show(i)) << "lap " << lap << " frame " << i;
    }
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
    fromMemory.Close();
    fromFile.Close();
}

INSTANTIATE_TEST_SUITE_P(Resources, FlicArtwork,
                         ::testing::Values("big.flc", "small.flc", "big_still.flc",
                                           "small_still.flc"));

} // namespace
