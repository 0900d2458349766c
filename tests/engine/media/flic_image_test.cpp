// mImageFlic on hand-made files: header, frame stepping, the ring frame, replays, the
// deferred decode, sub-chunk handling, target checks, clipped drawing and its reports.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/FlicBytes.h"

#include <gtest/gtest.h>

#include <string>

using namespace flictest;
using platform::testing::TakeMessageBoxes;

namespace {

constexpr unsigned countingChunk = 0x63; // unknown type: one warning per decoded frame
constexpr BYTE ringMark = 0xEE;

BYTE Marker(int frame) {
    return BYTE(frame == 0 ? 3 : 10 + frame);
}

// Frame i sets pixel (0, 0) to Marker(i); the ring frame also puts ringMark at (1, 0).
Bytes MarkedFrame(int frame, bool ring = false) {
    Bytes lines{0, 0, 1, 0, BYTE(ring ? 2 : 1), 0, 1, Marker(frame)};
    if (ring) lines.insert(lines.end(), {0, 1, ringMark});
    return Frame({SubChunk(12, lines), SubChunk(countingChunk, {})});
}

Bytes MarkedAnimation(int frames, unsigned magic) {
    FileFields fields;
    fields.magic = magic;
    fields.frames = unsigned(frames);
    Bytes file = File(fields, {});
    for (int i = 0; i < frames; ++i)
        Append(file, MarkedFrame(i));
    Append(file, MarkedFrame(0, true));
    if (magic == 0xAF12) { // FLC carries the second frame's offset; FLI leaves it zero
        uint32_t second = uint32_t(128 + MarkedFrame(0).size());
        for (int i = 0; i < 4; ++i)
            file[84 + i] = BYTE(second >> (8 * i));
    }
    return file;
}

int Count(const std::string& text) {
    int count = 0;
    for (const auto& box : TakeMessageBoxes())
        count += box.text.rfind(text, 0) == 0;
    return count;
}

class FlicImage : public ::testing::Test {
protected:
    void Open(const Bytes& bytes) {
        file = bytes;
        image.OpenMemory(file.data(), LONG(file.size()));
    }
    void OpenAndAttach(const Bytes& bytes) {
        Open(bytes);
        ASSERT_TRUE(image.ReadHeader());
        ASSERT_TRUE(screen.Create(image.formatInfo->width, -image.formatInfo->height, 8));
        ASSERT_TRUE(image.SetTarget(&screen));
        TakeMessageBoxes();
    }
    BYTE Shown(int x = 0, int y = 0) {
        image.Draw(0, 0, nullptr);
        return screen.info->topRow[y * screen.info->pitch + x];
    }
    void TearDown() override {
        image.SetTarget(nullptr);
        image.Close();
        TakeMessageBoxes();
    }

    Bytes file;
    mImageFlic image;
    mBitmap screen;
};

TEST_F(FlicImage, ReadsTheHeaderAndTakesTheKeyColourFromFrameZero) {
    EXPECT_EQ(image.Draw(0, 0, nullptr), -1) << "no stream";
    Open(MarkedAnimation(3, 0xAF12));
    ASSERT_TRUE(image.ReadHeader());
    EXPECT_FALSE(image.ReadHeader()) << "already open";
    EXPECT_EQ(image.formatInfo->typeTag, ImageTag('F', 'L', 'C'));
    EXPECT_EQ(image.playbackInfo->frameTime, 30);
    EXPECT_EQ(image.playbackInfo->keyColour, Marker(0));
    EXPECT_FALSE(image.playbackInfo->transparent);
    image.Close();

    Bytes fli = MarkedAnimation(3, 0xAF11);
    fli[16] = 7;
    Open(fli);
    ASSERT_TRUE(image.ReadHeader());
    EXPECT_EQ(image.formatInfo->typeTag, ImageTag('F', 'L', 'I'));
    EXPECT_EQ(image.playbackInfo->frameTime, 100);
}

TEST_F(FlicImage, RejectsAWrongMagicOrAShortFile) {
    for (Bytes bad : {File(FileFields{0x1234}, {}), Bytes(50, 0)}) {
        Open(bad);
        EXPECT_FALSE(image.ReadHeader());
        auto boxes = TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption + "/" + boxes[0].text, "mImageFlic/File type error");
        EXPECT_FALSE(image.State()->open);
    }
}

// A header claiming frames the program cannot hold is refused with what it claims, before
// any frame bitmap is attempted.
TEST_F(FlicImage, RefusesFramesItCannotHoldAndSaysWhy) {
    struct Case {
        unsigned width, height, depth;
        const char* text;
    };
    const Case cases[] = {
        {46000, 46000, 8, "46000 x 46000, not 1 to 16384 a side"},
        {16385, 2, 8, "16385 x 2, not 1 to 16384 a side"},
        {0, 8, 8, "0 x 8, not 1 to 16384 a side"},
        {8, 8, 0, "depth 0, not 8"},
        {8, 8, 24, "depth 24, not 8"},
    };
    for (const Case& claim : cases) {
        FileFields fields;
        fields.width = claim.width;
        fields.height = claim.height;
        fields.depth = claim.depth;
        Open(File(fields, {}));
        EXPECT_FALSE(image.ReadHeader());
        auto boxes = TakeMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption + "/" + boxes[0].text,
                  std::string("mImageFlic/Value out of range:") + claim.text);
        EXPECT_FALSE(image.State()->open);
    }
}

TEST_F(FlicImage, StepsForwardThroughTheRingFrameInBothVariants) {
    for (unsigned magic : {0xAF12u, 0xAF11u}) {
        OpenAndAttach(MarkedAnimation(20, magic));
        for (int i = 1; i < 20; ++i) {
            ASSERT_EQ(image.SeekFrame(i, 0), i);
            ASSERT_EQ(Shown(), Marker(i));
        }
        EXPECT_EQ(Count("Bad chunk type"), 19) << "each frame decoded once";
        EXPECT_EQ(image.SeekFrame(0, 0), 0);
        EXPECT_EQ(Shown(), Marker(0));
        EXPECT_EQ(Shown(1), ringMark) << "frame 0 came from the ring frame";
        EXPECT_EQ(image.SeekFrame(1, 0), 1);
        EXPECT_EQ(Shown(), Marker(1)) << "resumed at the second frame";
        EXPECT_EQ(Count("Bad chunk type"), 2);
        TearDown();
    }
}

TEST_F(FlicImage, LongJumpsReplayAndLeaveTheTargetToTheNextDraw) {
    OpenAndAttach(MarkedAnimation(60, 0xAF12));
    for (int i = 1; i <= 10; ++i)
        image.SeekFrame(i, 0);
    TakeMessageBoxes();
    EXPECT_EQ(image.SeekFrame(50, 0), 0);
    EXPECT_EQ(Count("Bad chunk type"), 39) << "frames 11 to 49";
    EXPECT_EQ(image.playbackInfo->currentFrame, 50);
    RECT whole = image.playbackInfo->changed;
    EXPECT_EQ(whole.right, 8);
    EXPECT_EQ(whole.bottom, 4);
    EXPECT_EQ(Shown(), Marker(50));
    EXPECT_EQ(Count("Bad chunk type"), 1);

    EXPECT_EQ(image.SeekFrame(5, 0), 0);
    EXPECT_EQ(Count("Bad chunk type"), 5) << "rewound: frames 0 to 4";
    EXPECT_EQ(Shown(), Marker(5));
    EXPECT_EQ(image.SeekFrame(-7, 0), 0);
    EXPECT_EQ(Shown(), Marker(0));
}

TEST_F(FlicImage, SeeksPastTheEndOrFromTheEnd) {
    OpenAndAttach(MarkedAnimation(6, 0xAF12));
    EXPECT_EQ(image.SeekFrame(6, 0), 0);
    EXPECT_EQ(Count(""), 0);
    image.SeekFrame(1, 2);
    EXPECT_EQ(Shown(), Marker(5));
    EXPECT_EQ(image.SeekFrame(-2, 1), 0);
    EXPECT_EQ(Shown(), Marker(3));

    TearDown();
    OpenAndAttach(MarkedAnimation(1, 0xAF12));
    EXPECT_EQ(image.SeekFrame(0, 0), 0);
    EXPECT_EQ(Count(""), 0) << "a one-frame image stays put";
}

TEST_F(FlicImage, BadFrameHeaderFailsEveryDraw) {
    Bytes bytes = File(FileFields{0xAF12, 2}, {MarkedFrame(0)});
    Append(bytes, Frame({}, 0x1234));
    OpenAndAttach(bytes);
    image.SeekFrame(1, 0);
    EXPECT_EQ(Count("Bad frame header"), 1);
    EXPECT_EQ(image.Draw(0, 0, nullptr), -1);
    EXPECT_EQ(Count("Bad frame header"), 1);
}

TEST_F(FlicImage, SubChunkSizesAndTypes) {
    Bytes pixel{0, 0, 1, 0, 1, 2, 1, 9}; // LC: pixel (2, 0) = 9
    // BLACK always counts as 6 bytes whatever its size says; PSTAMP is skipped quietly.
    Bytes frame0 = Frame({SubChunk(13, {}, 10), SubChunk(12, pixel), SubChunk(18, {1, 2, 3})});
    Bytes copy(32, 4);
    Bytes frame1 =
        Frame({SubChunk(16, copy), SubChunk(12, pixel, 2), SubChunk(12, {0, 0, 1, 0, 1, 0, 1, 5})});
    OpenAndAttach(File(FileFields{0xAF12, 2}, {frame0, frame1}));
    EXPECT_EQ(Shown(2), 9);
    EXPECT_EQ(Shown(0), 0);
    image.SeekFrame(1, 0);
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Not tested:LITERAL");
    EXPECT_EQ(Shown(2), 4) << "a size below its own header ends the frame";
    EXPECT_EQ(Shown(0), 4);
}

TEST_F(FlicImage, TargetsMustMatchTheHeaderDepth) {
    mBitmap deep, early;
    ASSERT_TRUE(deep.Create(8, 4, 24));
    ASSERT_TRUE(early.Create(8, 4, 8));
    Open(MarkedAnimation(2, 0xAF12));
    EXPECT_FALSE(image.SetTarget(&early)) << "depth still 0 before the header";
    EXPECT_EQ(early.useCount, 1) << "a refused target stays attached";
    ASSERT_TRUE(image.ReadHeader());
    EXPECT_FALSE(image.SetTarget(&deep));
    EXPECT_EQ(early.useCount, 0);
    EXPECT_EQ(Count("Bitmap error:Bitmap wrong format"), 2);
    EXPECT_TRUE(image.SetTarget(&early));
    EXPECT_TRUE(image.SetTarget(nullptr));
    EXPECT_EQ(early.useCount, 0);
    EXPECT_EQ(deep.useCount, 0);
}

TEST_F(FlicImage, DrawsClippedToThePlacementTheClipAndTheTarget) {
    Bytes picture(16 * 16);
    for (size_t i = 0; i < picture.size(); ++i)
        picture[i] = BYTE(i);
    Open(File(FileFields{0xAF12, 1, 16, 16}, {Frame({SubChunk(16, picture)})}));
    ASSERT_TRUE(image.ReadHeader());
    ASSERT_TRUE(screen.Create(40, 30, 8));
    ASSERT_TRUE(image.SetTarget(&screen));
    auto at = [&](int x, int y) { return screen.info->topRow[y * screen.info->pitch + x]; };
    EXPECT_EQ(image.Draw(-4, -4, nullptr), 0);
    EXPECT_EQ(at(0, 0), 4 * 16 + 4);
    EXPECT_EQ(at(11, 11), 255);
    EXPECT_EQ(at(12, 0), 0);
    image.Draw(40, 0, nullptr);
    RECT huge{-100, -100, 1000, 1000};
    image.Draw(30, 25, &huge);
    EXPECT_EQ(at(39, 29), 4 * 16 + 9);
    RECT corner{0, 0, 2, 2};
    image.Draw(20, 0, &corner);
    EXPECT_EQ(at(20, 0), 0);
}

TEST_F(FlicImage, FrameBitmapsAndTheKeyColour) {
    OpenAndAttach(MarkedAnimation(4, 0xAF12));
    image.SeekFrame(2, 0);
    mBitmap* copy = image.CreateFrameBitmap(FALSE);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->info->topRow[0], Marker(2));
    EXPECT_EQ(copy->info->keyColour, Marker(2));
    EXPECT_EQ(copy->useCount, 0);
    EXPECT_EQ(screen.useCount, 1);
    delete copy;

    image.SetKeyColour(77);
    image.SeekFrame(3, 0);
    EXPECT_EQ(image.playbackInfo->keyColour, 77) << "a key colour set by the owner stays";
    EXPECT_TRUE(image.playbackInfo->transparent);
}

TEST_F(FlicImage, DestroyedWhileHeldWarnsOnce) {
    auto* held = new mImageFlic;
    held->useCount = 2;
    delete held;
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "mImageFlic");
    EXPECT_EQ(boxes[0].text, "Still in use");
}

} // namespace
