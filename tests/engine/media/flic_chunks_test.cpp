// The FLIC chunk decoders on hand-made chunks: pixels written, the changed rectangle, and
// malformed data stopping inside the frame.
#include "engine/media/FlicDecoders.h"
#include "engine/media/mFile.h"
#include "tests/engine/media/FlicBytes.h"

#include <gtest/gtest.h>

#include <vector>

using flictest::Bytes;

namespace {

constexpr BYTE unwritten = 0xEE;

class FlicChunk : public ::testing::Test {
protected:
    // A top-down frame of width x height with a guard column after every row.
    void MakeFrame(LONG width, LONG height, bool bottomUp = false) {
        stride = width + 1;
        pixels.assign(size_t(stride * height), unwritten);
        BYTE* top = bottomUp ? &pixels[size_t(stride * (height - 1))] : pixels.data();
        frame = FlicCanvas{top, bottomUp ? -stride : stride, width, height};
        changed = RECT{width, height, 0, 0};
    }
    void Feed(const Bytes& bytes) {
        data = bytes;
        stream.OpenMemory(data.data(), LONG(data.size()));
    }
    // Decodes bytes as one chunk from a fresh stream.
    template <typename Decoder> void Run(const Bytes& bytes, Decoder decode) {
        stream.Close();
        Feed(bytes);
        FlicReader in(stream);
        decode(in);
    }
    void Run(void (*decoder)(FlicReader&, const FlicCanvas&, RECT&), const Bytes& bytes) {
        Run(bytes, [&](FlicReader& in) { decoder(in, frame, changed); });
    }
    void TearDown() override {
        for (LONG row = 0; row < frame.height; ++row)
            EXPECT_EQ(frame.Row(row)[frame.width], unwritten) << "guard of row " << row;
        stream.Close();
    }
    BYTE At(LONG x, LONG y) const { return frame.Row(y)[x]; }
    std::vector<BYTE> Row(LONG y) const {
        return std::vector<BYTE>(frame.Row(y), frame.Row(y) + frame.width);
    }
    LONG Consumed() { return LONG(stream.State()->current - data.data()); }
    void ExpectChanged(LONG left, LONG top, LONG right, LONG bottom) {
        EXPECT_EQ(changed.left, left);
        EXPECT_EQ(changed.top, top);
        EXPECT_EQ(changed.right, right);
        EXPECT_EQ(changed.bottom, bottom);
    }

    Bytes data;
    mFile stream;
    LONG stride = 0;
    std::vector<BYTE> pixels;
    FlicCanvas frame{};
    RECT changed{};
};

TEST_F(FlicChunk, ColourPacketsSkipShiftAndStopAtTheTable) {
    RGBQUAD palette[256] = {};
    Bytes all{1, 0, 0, 0};
    for (int i = 0; i < 256; ++i)
        all.insert(all.end(), {BYTE(i % 2 ? 63 : 0), 1, 2});
    Run(all, [&](FlicReader& in) { DecodeFlicColours(in, palette, 2); });
    EXPECT_EQ(palette[1].rgbRed, 252);
    EXPECT_EQ(palette[0].rgbRed, 0);
    EXPECT_EQ(palette[255].rgbGreen, 4);
    EXPECT_EQ(palette[255].rgbBlue, 8);

    RGBQUAD colours[256] = {};
    // Entries 2 and 6; then a packet whose index runs past 255 and one cut short.
    Run({4, 0, 2, 1, 10, 20, 30, 3, 1, 40, 50, 60, 248, 2, 1, 1, 1, 9, 9, 9, 0, 2, 7, 7, 7},
        [&](FlicReader& in) { DecodeFlicColours(in, colours, 0); });
    EXPECT_EQ(colours[2].rgbRed, 10);
    EXPECT_EQ(colours[2].rgbBlue, 30);
    EXPECT_EQ(colours[6].rgbGreen, 50);
    EXPECT_EQ(colours[255].rgbRed, 1);
    EXPECT_EQ(Consumed(), LONG(data.size()) - 3);
}

TEST_F(FlicChunk, DeltaFlcSkipsLinesAndSetsTheLastPixel) {
    MakeFrame(9, 8);
    // 2 lines: skip 5 rows, last pixel 7, one literal pair at column 1; then a line with a
    // run of three pairs at column 2 (odd alignment of the pattern is the caller's column).
    Run(DecodeFlicDeltaFlc, {2, 0, 0xFB, 0xFF, 7, 0x80, 1, 0, 1, 1, 4, 5, 1, 0, 2, 0xFD, 1, 2});
    EXPECT_EQ(At(8, 5), 7);
    EXPECT_EQ(At(1, 5), 4);
    EXPECT_EQ(At(2, 5), 5);
    EXPECT_EQ(Row(6), (std::vector<BYTE>{unwritten, unwritten, 1, 2, 1, 2, 1, 2, unwritten}));
    EXPECT_EQ(At(0, 4), unwritten);
    ExpectChanged(1, 5, 9, 7);
}

TEST_F(FlicChunk, DeltaFlcRunsAtOddAndEvenColumns) {
    MakeFrame(10, 2);
    Run(DecodeFlicDeltaFlc, {2, 0, 1, 0, 1, 0xFD, 1, 2, 1, 0, 4, 0xFD, 1, 2});
    EXPECT_EQ(Row(0),
              (std::vector<BYTE>{unwritten, 1, 2, 1, 2, 1, 2, unwritten, unwritten, unwritten}));
    EXPECT_EQ(Row(1),
              (std::vector<BYTE>{unwritten, unwritten, unwritten, unwritten, 1, 2, 1, 2, 1, 2}));
    ExpectChanged(1, 0, 10, 2);
}

TEST_F(FlicChunk, DeltaFlcStopsAtARunPastTheRowOrARowPastTheFrame) {
    MakeFrame(6, 2);
    // Line 0: pair at 0, then a run of 3 pairs from column 2 (would end at 8).
    Run(DecodeFlicDeltaFlc, {3, 0, 2, 0, 0, 1, 9, 9, 0, 0xFD, 1, 2});
    EXPECT_EQ(Row(0), (std::vector<BYTE>{9, 9, unwritten, unwritten, unwritten, unwritten}));
    // Skip 2 rows (the whole frame), then a packet.
    Run(DecodeFlicDeltaFlc, {1, 0, 0xFE, 0xFF, 1, 0, 0, 1, 3, 3});
    EXPECT_EQ(Row(1), std::vector<BYTE>(6, unwritten));
}

TEST_F(FlicChunk, DeltaFliLiteralsRunsAndZeroCounts) {
    MakeFrame(8, 6);
    // From row 2, 2 lines: (skip 3, literal 2) (skip 0, count 0 takes a byte) (run of 2);
    // then a line without packets.
    Run(DecodeFlicDeltaFli, {2, 0, 2, 0, 3, 3, 2, 7, 8, 0, 0, 0xAA, 0, 0xFE, 5, 0});
    EXPECT_EQ(Row(2), (std::vector<BYTE>{unwritten, unwritten, unwritten, 7, 8, 5, 5, unwritten}));
    EXPECT_EQ(Consumed(), LONG(data.size()));
    ExpectChanged(3, 2, 7, 4);
}

TEST_F(FlicChunk, DeltaFliIgnoresNegativeCountsAndStopsOutsideTheFrame) {
    MakeFrame(4, 3);
    Run(DecodeFlicDeltaFli, {0, 0, 0xFF, 0xFF, 1, 0, 1, 9});
    EXPECT_EQ(Consumed(), 4);
    ExpectChanged(4, 3, 0, 0);
    // A line below the frame; a literal past the width.
    Run(DecodeFlicDeltaFli, {2, 0, 2, 0, 0, 1, 0, 1, 6});
    Run(DecodeFlicDeltaFli, {2, 0, 1, 0, 1, 3, 2, 1, 1});
    EXPECT_EQ(Row(2), std::vector<BYTE>(4, unwritten));
    EXPECT_EQ(changed.bottom, 3);
}

TEST_F(FlicChunk, ByteRunFillsRowsExactlyInEitherRowOrder) {
    for (bool bottomUp : {false, true}) {
        MakeFrame(130, 2, bottomUp);
        Bytes rows;
        for (int row = 0; row < 2; ++row) {
            rows.insert(rows.end(), {2, 100, BYTE(5 + row), BYTE(-30)});
            for (int i = 0; i < 30; ++i)
                rows.push_back(BYTE(i));
        }
        Run(DecodeFlicByteRun, rows);
        EXPECT_EQ(At(99, 1), 6);
        EXPECT_EQ(At(129, 0), 29);
        EXPECT_EQ(Consumed(), LONG(rows.size()));
        ExpectChanged(0, 0, 130, 2);
    }
}

TEST_F(FlicChunk, ByteRunStopsAtARunPastTheRow) {
    MakeFrame(4, 2);
    Run(DecodeFlicByteRun, {1, 3, 1, 2, 9, 1, 4, 8});
    EXPECT_EQ(Row(0), (std::vector<BYTE>{1, 1, 1, unwritten}));
    EXPECT_EQ(Row(1), std::vector<BYTE>(4, unwritten));
}

TEST_F(FlicChunk, BlackAndCopyCoverTheWholeFrame) {
    MakeFrame(3, 3, true);
    DecodeFlicBlack(frame, changed);
    for (LONG y = 0; y < 3; ++y)
        EXPECT_EQ(Row(y), std::vector<BYTE>(3, 0));
    ExpectChanged(0, 0, 3, 3);
    // Two rows and a third: the copy ends with the data.
    Run(DecodeFlicCopy, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(Row(1), (std::vector<BYTE>{4, 5, 6}));
    EXPECT_EQ(Row(2), (std::vector<BYTE>{7, 0, 0}));
}

} // namespace
