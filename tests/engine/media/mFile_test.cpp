#include "engine/media/mFile.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "stream_test_data.h"

namespace {

using namespace stream_test;
using platform::testing::RecordedMessageBox;
using platform::testing::TakeMessageBoxes;

class Stream : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
    void TearDown() override { stream.Close(); }

    bool BytesAtCurrentAre(const std::vector<BYTE>& source, size_t offset, size_t length) {
        return std::memcmp(stream.State()->current, source.data() + offset, length) == 0;
    }

    mFile stream;
    const StreamState* s = stream.State();
};

TEST_F(Stream, MemorySourceReadsUpToItsEndThenReportsEndOfData) {
    std::vector<BYTE> data = Pattern(10);
    ASSERT_EQ(stream.OpenMemory(data.data(), 10), 1);
    BYTE out[16] = {};
    EXPECT_EQ(stream.Read(out, 4), 4);
    EXPECT_EQ(s->position, 4);
    EXPECT_EQ(stream.Read(out, 10), 6);
    EXPECT_EQ(std::memcmp(out, data.data() + 4, 6), 0);
    EXPECT_EQ(s->position, 10);
    EXPECT_EQ(stream.Read(out, 1), -1);
    EXPECT_EQ(stream.Read(nullptr, 1), 0);
    EXPECT_EQ(stream.Read(out, 0), 0);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(Stream, FileReadInPiecesKeepsContentAndPositionAcrossBuffers) {
    const size_t size = 2 * 8192 + 700, piece = 1000;
    std::vector<BYTE> data = Pattern(size);
    TempFile file("pieces.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    EXPECT_EQ(s->size, LONG(size));
    std::vector<BYTE> out(piece);
    for (size_t done = 0; done < size; done += piece) {
        size_t expected = std::min(piece, size - done);
        ASSERT_EQ(stream.Read(out.data(), LONG(piece)), LONG(expected));
        ASSERT_EQ(std::memcmp(out.data(), data.data() + done, expected), 0) << done;
        ASSERT_EQ(s->position, LONG(done + expected));
    }
    EXPECT_EQ(stream.Read(out.data(), 1), -1);
}

TEST_F(Stream, FileEndingOnABufferBoundaryStillReportsEndOfData) {
    TempFile file("boundary.bin", Pattern(8192));
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    std::vector<BYTE> out(8192);
    EXPECT_EQ(stream.Read(out.data(), 8192), 8192);
    EXPECT_EQ(stream.Read(out.data(), 10), -1);
}

TEST_F(Stream, SeekCountsFromEachOrigin) {
    std::vector<BYTE> data = Pattern(20000);
    TempFile file("seek.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    EXPECT_EQ(stream.Seek(100, 0), 100);
    EXPECT_EQ(stream.Seek(0, 1), 100);
    EXPECT_EQ(stream.Seek(-4, 2), 20000 - 4);
    BYTE out[8];
    EXPECT_EQ(stream.Read(out, 8), 4);
    EXPECT_EQ(std::memcmp(out, data.data() + 20000 - 4, 4), 0);
    EXPECT_EQ(stream.Seek(7, 9), 7); // unknown origins count from the start
    EXPECT_EQ(stream.Seek(-1, 0), -1);
    EXPECT_EQ(TakeMessageBoxes().size(), 1u);
}

TEST_F(Stream, SeekInsideTheBufferKeepsItAndOutsideEmptiesIt) {
    std::vector<BYTE> data = Pattern(30000);
    TempFile file("buffered.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    ASSERT_GE(stream.Require(1), 1);
    const BYTE* start = s->bufferStart;
    const BYTE* end = s->dataEnd;
    EXPECT_EQ(stream.Seek(5000, 0), 5000);
    EXPECT_EQ(s->bufferStart, start);
    EXPECT_EQ(s->dataEnd, end);
    EXPECT_TRUE(BytesAtCurrentAre(data, 5000, 16));

    EXPECT_EQ(stream.Seek(20000, 0), 20000);
    EXPECT_TRUE(s->current == s->dataEnd && s->dataEnd == s->bufferEnd);
    ASSERT_GE(stream.Require(16), 16);
    EXPECT_TRUE(BytesAtCurrentAre(data, 20000, 16));
    EXPECT_EQ(Offset(stream), 20000);
}

TEST_F(Stream, MemorySeekOutsideTheBlockFailsAndLeavesTheState) {
    std::vector<BYTE> data = Pattern(10);
    stream.OpenMemory(data.data(), 10);
    stream.Seek(3, 0);
    EXPECT_EQ(stream.Seek(11, 0), -1);
    EXPECT_EQ(stream.Seek(-4, 1), -1);
    EXPECT_EQ(s->current, data.data() + 3);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "mFile");
    EXPECT_EQ(boxes[0].text, "File seek error");
    EXPECT_EQ(stream.Seek(-4, 2), 6);
    EXPECT_EQ(stream.Seek(10, 0), 10);
    EXPECT_EQ(s->current, s->dataEnd);
}

TEST_F(Stream, RequireCarriesARecordThatStraddlesTheBufferEnd) {
    std::vector<BYTE> data = Pattern(20000);
    TempFile file("carry.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    std::vector<BYTE> skip(8192 - 5);
    stream.Read(skip.data(), LONG(skip.size()));
    ASSERT_EQ(s->bufferEnd - s->current, 5);
    EXPECT_GE(stream.Require(12), 12);
    EXPECT_TRUE(BytesAtCurrentAre(data, 8187, 12));
    EXPECT_EQ(Offset(stream), 8187);
    EXPECT_EQ(stream.Seek(0, 1), 8187);
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(Stream, CarryLargerThanTheLookBehindIsRefusedAndTheStreamGoesOn) {
    std::vector<BYTE> data = Pattern(20000);
    TempFile file("wrap.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    std::vector<BYTE> skip(8192 - 2500);
    stream.Read(skip.data(), LONG(skip.size()));
    EXPECT_EQ(stream.Require(3000), 0);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "mFile");
    EXPECT_EQ(boxes[0].text, "Value out of range:Wrap Block");
    EXPECT_EQ(Offset(stream), 8192);
    EXPECT_TRUE(BytesAtCurrentAre(data, 8192, 16));
}

TEST_F(Stream, RequireTellsHowMuchIsLeftAtTheEndOfTheData) {
    std::vector<BYTE> memory = Pattern(10);
    stream.OpenMemory(memory.data(), 10);
    stream.Seek(6, 0);
    EXPECT_EQ(stream.Require(8), 4);
    EXPECT_EQ(s->current, memory.data() + 6);
    stream.Close();

    // The last buffer is two bytes short of full: only the five real bytes are carried.
    const size_t size = 8192 + 8190;
    std::vector<BYTE> data = Pattern(size);
    TempFile file("tail.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    std::vector<BYTE> skip(size - 5);
    stream.Read(skip.data(), LONG(skip.size()));
    EXPECT_EQ(stream.Require(8), 5);
    EXPECT_EQ(Offset(stream), LONG(size - 5));
    EXPECT_TRUE(BytesAtCurrentAre(data, size - 5, 5));
    EXPECT_EQ(stream.Require(8), 5);
    EXPECT_EQ(Offset(stream), LONG(size - 5));
}

TEST_F(Stream, OperationsOnAClosedStreamReportAndFail) {
    BYTE out[4];
    EXPECT_EQ(stream.Read(out, 4), 0);
    EXPECT_EQ(stream.Seek(0, 0), -1);
    EXPECT_EQ(stream.Write(out, 4), 0);
    EXPECT_EQ(stream.Refill(nullptr), nullptr);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "File read error");
    EXPECT_EQ(boxes[1].text, "File seek error");
    EXPECT_EQ(boxes[2].text, "File write error");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONHAND));
}

TEST_F(Stream, FailedOpensReportAndKeepNoMemory) {
    size_t blocks = platform::testing::LiveGlobalBlocks();
    EXPECT_EQ(stream.Open("/nonexistent/x.flc", 0), 0);
    TempFile file("present.bin", Pattern(10));
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_EQ(stream.Open(file.Name(), 0), 0);
    platform::testing::FailNextGlobalLocks(1);
    EXPECT_EQ(stream.Open(file.Name(), 0), 0);
    EXPECT_EQ(s->open, 0);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocks);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "File open error:/nonexistent/x.flc");
    EXPECT_EQ(boxes[1].text.rfind("Out of memory:", 0), 0u);
    EXPECT_EQ(boxes[2].text.rfind("Mem lock error:", 0), 0u);
}

TEST_F(Stream, DestroyingAnOpenStreamWarnsOnceAndReleasesIt) {
    size_t blocks = platform::testing::LiveGlobalBlocks();
    TempFile file("open.bin", Pattern(10));
    auto* open = new mFile;
    ASSERT_EQ(open->Open(file.Name(), 0), 1);
    delete open;
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocks);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "mFile");
    EXPECT_EQ(boxes[0].text.rfind("File not closed:", 0), 0u);
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(Stream, BufferSizesApplyWhileClosedAndCloseRestoresThem) {
    stream.SetBufferSizes(10, 0);
    EXPECT_EQ(s->bufferSize, 12);
    EXPECT_EQ(s->lookBehindSize, 2048);
    stream.SetBufferSizes(64, 16);
    std::vector<BYTE> data = Pattern(1000);
    TempFile file("small.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    stream.SetBufferSizes(4096, 4096);
    EXPECT_EQ(s->bufferEnd - s->bufferBegin, 64);
    std::vector<BYTE> out(1000);
    EXPECT_EQ(stream.Read(out.data(), 1000), 1000);
    EXPECT_EQ(out, data);
    stream.Close();
    EXPECT_EQ(s->bufferSize, 8192);
    EXPECT_EQ(s->lookBehindSize, 2048);
}

TEST_F(Stream, SetBufferReadsOnThroughTheCallersAreaAndBack) {
    std::vector<BYTE> data = Pattern(12000);
    TempFile file("area.bin", data);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    BYTE out[1000];
    stream.Read(out, 100);
    std::vector<BYTE> area(64 + 256);
    stream.SetBuffer(area.data(), 256, 64);
    EXPECT_EQ(s->bufferBegin, area.data() + 64);
    EXPECT_EQ(stream.Read(out, 1000), 1000);
    EXPECT_EQ(std::memcmp(out, data.data() + 100, 1000), 0);
    stream.SetBuffer(nullptr, 0, 0);
    EXPECT_EQ(s->bufferEnd - s->bufferBegin, 8192);
    EXPECT_EQ(stream.Read(out, 1000), 1000);
    EXPECT_EQ(std::memcmp(out, data.data() + 1100, 1000), 0);
}

TEST_F(Stream, WriteAdvancesAndGrowsTheFile) {
    TempFile file("written.bin", {});
    ASSERT_EQ(stream.Open(file.Name(), MMIO_READWRITE), 1);
    std::vector<BYTE> data = Pattern(300);
    EXPECT_EQ(stream.Write(data.data(), 300), 300);
    EXPECT_EQ(s->position, 300);
    EXPECT_EQ(s->size, 300);
    stream.Close();
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    std::vector<BYTE> out(300);
    EXPECT_EQ(stream.Read(out.data(), 300), 300);
    EXPECT_EQ(out, data);
}

} // namespace
