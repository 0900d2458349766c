// The composite image: cells cut and clipped by AddCell, the circular walk of SeekFrame, what
// the records say about the current cell, drawing with transparency, and holds on bitmaps.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBitmap.h"
#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "tests/support/rects.h"
#include "tests/support/reports.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::testing::TakeMessageBoxes;

namespace {

// A 16 x 8 bitmap whose pixel (x, y) is 10 * y + x, for telling cut rectangles apart.
mBitmap* Numbered() {
    auto* bitmap = new mBitmap(16, 8, 8);
    for (LONG y = 0; y < 8; ++y)
        for (LONG x = 0; x < 16; ++x)
            bitmap->info->topRow[y * bitmap->info->pitch + x] = BYTE(10 * y + x);
    return bitmap;
}

class CompositeImage : public ::testing::Test {
protected:
    void SetUp() override { TakeMessageBoxes(); }
    BYTE Pixel(const mBitmap& bitmap, LONG x, LONG y) const {
        return bitmap.info->topRow[y * bitmap.info->pitch + x];
    }

    std::unique_ptr<mImageBitmap> composite = std::make_unique<mImageBitmap>();
};

TEST_F(CompositeImage, IsOpenAsBmapFromTheStartAndEmpty) {
    EXPECT_EQ(composite->formatInfo->typeTag, kCompositeTag);
    EXPECT_EQ(composite->formatInfo->frameCount, 0);
    EXPECT_FALSE(composite->ReadHeader());
    EXPECT_EQ(composite->SeekFrame(0, 0), -1);
    EXPECT_EQ(composite->Draw(0, 0, nullptr), -1);
}

// Rectangles are clipped to the bitmap (the changed one to the cell); what is left empty is
// refused as a bad rectangle and leaves no hold.
TEST_F(CompositeImage, CellsAreClippedAndEmptyOnesRefused) {
    struct Case {
        RECT source;
        const RECT* changed;
        RECT cutSource;
        RECT cutChanged;
    };
    const RECT inside = {2, 1, 5, 3}, beyond = {-3, -3, 40, 40}, none = {4, 4, 4, 6};
    const Case cases[] = {
        {{-5, -5, 10, 10}, nullptr, {0, 0, 10, 8}, {0, 0, 10, 8}},
        {{4, 2, 20, 6}, &inside, {4, 2, 16, 6}, {2, 1, 5, 3}},
        {{4, 2, 8, 6}, &beyond, {4, 2, 8, 6}, {0, 0, 4, 4}},
    };
    mBitmap* bitmap = Numbered();
    bitmap->useCount = 1; // the test's own hold
    for (const Case& c : cases) {
        ASSERT_TRUE(composite->AddCell(bitmap, &c.source, 0, 0, 0, c.changed));
        const mBitmapCell* cell = composite->FirstCell()->previous;
        EXPECT_TRUE(cell->source == c.cutSource);
        EXPECT_TRUE(cell->changed == c.cutChanged);
    }
    EXPECT_EQ(4, bitmap->useCount);
    const RECT emptySource = {10, 10, 10, 20};
    EXPECT_FALSE(composite->AddCell(bitmap, &emptySource, 0, 0, 0, nullptr));
    const RECT source = {0, 0, 8, 8};
    EXPECT_FALSE(composite->AddCell(bitmap, &source, 0, 0, 0, &none));
    EXPECT_EQ(
        (std::vector<std::string>{"mImageBitmap/Bad rectangle", "mImageBitmap/Bad rectangle"}),
        ShownReports());
    EXPECT_EQ(4, bitmap->useCount);
    EXPECT_EQ(3, composite->formatInfo->frameCount);
    EXPECT_EQ(12, composite->formatInfo->width);
    EXPECT_EQ(8, composite->formatInfo->height);
    composite.reset();
    EXPECT_EQ(1, bitmap->useCount);
    bitmap->useCount = 0;
    delete bitmap;
}

TEST_F(CompositeImage, OnlyEightBitBitmapsAndMemoryMakeCells) {
    auto* deep = new mBitmap(4, 4, 24);
    EXPECT_FALSE(composite->AddCell(deep, nullptr, 0, 0, 0, nullptr));
    delete deep;
    mBitmap* bitmap = Numbered();
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_FALSE(composite->AddCell(bitmap, nullptr, 0, 0, 0, nullptr));
    platform::testing::FailNextGlobalAllocs(0);
    EXPECT_EQ((std::vector<std::string>{"mImageBitmap/Bitmap error:Bitmap wrong format",
                                        "mImageBitmap/Out of memory"}),
              ShownReports());
    EXPECT_EQ(0, bitmap->useCount);
    delete bitmap;
}

class ThreeCells : public CompositeImage {
protected:
    void SetUp() override {
        CompositeImage::SetUp();
        const size_t before = platform::testing::LiveGlobalBlocks();
        bitmap = Numbered();
        const RECT first = {0, 0, 4, 4}, second = {4, 0, 12, 2}, third = {0, 4, 16, 8};
        const RECT changed = {1, 0, 3, 1};
        composite->AddCell(bitmap, &first, 2, 2, 40, nullptr);
        composite->AddCell(bitmap, &second, 0, 1, 50, &changed);
        composite->AddCell(bitmap, &third, 8, 0, 60, nullptr);
        blocksWithBitmap = platform::testing::LiveGlobalBlocks() - before - 3;
    }
    mBitmap* bitmap = nullptr;
    size_t blocksWithBitmap = 0;
};

// Each added cell is stepped onto, so the last one added is current.
TEST_F(ThreeCells, TheRecordsDescribeTheCurrentCell) {
    const PlaybackInfo& playback = *composite->playbackInfo;
    EXPECT_EQ(2, playback.currentFrame);
    EXPECT_EQ(composite->SeekFrame(1, 0), 1);
    EXPECT_EQ(8, playback.width);
    EXPECT_EQ(2, playback.height);
    EXPECT_EQ(0, playback.originX);
    EXPECT_EQ(1, playback.originY);
    EXPECT_EQ(50, playback.frameTime);
    EXPECT_TRUE(playback.changed == (RECT{1, 0, 3, 1}));
    EXPECT_EQ(bitmap->info->colours, playback.palette);
}

TEST_F(ThreeCells, SeekingWalksRoundTheCircle) {
    struct Case {
        LONG from, n, whence, result;
    };
    const Case cases[] = {
        {0, 2, 0, 2},
        {0, 3, 0, 0},
        {1, -1, 0, 1},
        {0, 1, 1, 1},
        {2, 1, 1, 0},
        {0, -1, 1, 2},
        {1, 7, 1, 2},
        {1, 1, 2, 2},
        {1, 3, 2, 0},
        {1, 0, 2, 1},
        {2, -2147483647 - 1, 1, 0},
    };
    for (const Case& c : cases) {
        composite->SeekFrame(c.from, 0);
        EXPECT_EQ(c.result, composite->SeekFrame(c.n, c.whence)) << c.from << " " << c.n;
        EXPECT_EQ(c.result, composite->playbackInfo->currentFrame);
        EXPECT_EQ(c.result == 1 ? 50 : c.result == 2 ? 60 : 40, composite->playbackInfo->frameTime);
    }
}

// The cell's rectangle lands with its top-left corner at (x, y), clipped to the clip
// rectangle and the target; the key colour shows the target through.
TEST_F(ThreeCells, DrawCopiesTheCellsRectangleClippedAndTransparent) {
    mBitmap stage(20, 10, 8);
    RECT all = {0, 0, 20, 10};
    stage.Fill(200, &all, 1);
    ASSERT_TRUE(composite->SetTarget(&stage));
    composite->SeekFrame(1, 0); // pixels 4..11 of rows 0 and 1
    const RECT clip = {0, 0, 20, 9};
    EXPECT_EQ(1, composite->Draw(15, 8, &clip));
    EXPECT_EQ(4, Pixel(stage, 15, 8));
    EXPECT_EQ(8, Pixel(stage, 19, 8));
    EXPECT_EQ(200, Pixel(stage, 15, 9)) << "below the clip";
    composite->Draw(-2, -1, nullptr);
    EXPECT_EQ(16, Pixel(stage, 0, 0));
    EXPECT_EQ(200, Pixel(stage, 6, 0));
    composite->SetKeyColour(16);
    stage.Fill(200, &all, 1);
    composite->Draw(-2, -1, nullptr);
    EXPECT_EQ(200, Pixel(stage, 0, 0)) << "the key colour is skipped";
    EXPECT_EQ(17, Pixel(stage, 1, 0));
    EXPECT_EQ(1, composite->Draw(2147483647, 0, nullptr));
    composite->SetTarget(nullptr);
}

TEST_F(ThreeCells, TargetsMustBeEightBit) {
    mBitmap deep(4, 4, 24);
    EXPECT_FALSE(composite->SetTarget(&deep));
    EXPECT_EQ(std::vector<std::string>{"mImageBitmap/Bitmap error:Bitmap wrong format"},
              ShownReports());
    composite->SetTarget(nullptr);
    EXPECT_EQ(0, deep.useCount);
}

TEST_F(ThreeCells, ThePaletteChangesWithTheCellsColoursUnlessRemapped) {
    mBitmap other(4, 4, 8);
    other.useCount = 1; // the test's own hold
    const RECT square = {0, 0, 4, 4};
    composite->Draw(0, 0, nullptr);
    EXPECT_FALSE(composite->playbackInfo->paletteChanged);
    composite->AddCell(&other, &square, 0, 0, 0, nullptr);
    EXPECT_TRUE(composite->playbackInfo->paletteChanged);
    composite->SetRemap(TRUE);
    EXPECT_FALSE(composite->playbackInfo->paletteChanged);
    composite->SeekFrame(0, 0);
    EXPECT_FALSE(composite->playbackInfo->paletteChanged);
    EXPECT_TRUE(other.info->flags & mBitmap::MapColours);
    composite.reset();
    EXPECT_EQ(1, other.useCount);
    other.useCount = 0;
}

TEST_F(ThreeCells, TheLastHoldOnABitmapGoesWithTheImage) {
    EXPECT_EQ(3, bitmap->useCount);
    const size_t live = platform::testing::LiveGlobalBlocks();
    composite.reset();
    EXPECT_EQ(live - 3 - blocksWithBitmap, platform::testing::LiveGlobalBlocks());
    EXPECT_TRUE(ShownReports().empty());
}

} // namespace
