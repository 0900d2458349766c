#include <gtest/gtest.h>

#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "stream_test_data.h"

namespace {

using namespace stream_test;
using platform::testing::TakeMessageBoxes;

class Stream : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
    void TearDown() override { stream.Close(); }

    bool CurrentHolds(const Bytes& data, size_t offset, size_t length) {
        return std::memcmp(s->current, data.data() + offset, length) == 0;
    }
    void Skip(size_t count) {
        Bytes sink(count);
        stream.Read(sink.data(), LONG(count));
    }

    mFile stream;
    const StreamState* s = stream.State();
    Source source;
};

TEST_F(Stream, MemoryReadsToItsEndAndRefusesSeeksOutsideIt) {
    Bytes data = Pattern(10), out(10);
    source.Open(stream, data, false);
    EXPECT_EQ(stream.Read(out.data(), 4), 4);
    EXPECT_EQ(s->position, 4);
    EXPECT_EQ(stream.Read(out.data(), 10), 6);
    EXPECT_EQ(s->position, 10);
    EXPECT_EQ(stream.Read(out.data(), 1), -1);
    EXPECT_EQ(stream.Seek(11, 0), -1);
    EXPECT_EQ(s->current, s->dataEnd);
    EXPECT_EQ(stream.Seek(-4, 2), 6);
    EXPECT_EQ(stream.Require(8), 4);
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption + "/" + boxes[0].text, "mFile/File seek error");
}

TEST_F(Stream, FileReadInPiecesKeepsContentAndPositionToTheEnd) {
    for (size_t size : {2 * 8192 + 700, 2 * 8192}) { // the second ends on a buffer boundary
        Bytes data = Pattern(size), out(1000);
        source.Open(stream, data, true);
        for (size_t done = 0; done < size; done += 1000) {
            size_t expected = std::min<size_t>(1000, size - done);
            ASSERT_EQ(stream.Read(out.data(), 1000), LONG(expected));
            ASSERT_EQ(std::memcmp(out.data(), data.data() + done, expected), 0);
            ASSERT_EQ(s->position, LONG(done + expected));
        }
        EXPECT_EQ(stream.Read(out.data(), 1), -1) << size;
        stream.Close();
    }
}

TEST_F(Stream, SeeksInsideTheBufferKeepItAndOthersRereadAtTheTarget) {
    Bytes data = Pattern(30000);
    source.Open(stream, data, true);
    stream.Require(1);
    const BYTE* end = s->dataEnd;
    EXPECT_EQ(stream.Seek(5000, 0), 5000);
    EXPECT_EQ(stream.Seek(0, 1), 5000);
    EXPECT_EQ(s->dataEnd, end);
    EXPECT_TRUE(CurrentHolds(data, 5000, 16));
    EXPECT_EQ(stream.Seek(-4, 2), 30000 - 4);
    EXPECT_TRUE(s->current == s->dataEnd && s->dataEnd == s->bufferEnd);
    EXPECT_EQ(stream.Require(8), 4);
    EXPECT_TRUE(CurrentHolds(data, 30000 - 4, 4));
}

TEST_F(Stream, RequireCarriesAStraddlingRecordOrRefusesOneTooLong) {
    Bytes data = Pattern(20000);
    source.Open(stream, data, true);
    Skip(8192 - 5);
    EXPECT_GE(stream.Require(12), 12);
    EXPECT_TRUE(CurrentHolds(data, 8187, 12));
    EXPECT_EQ(Offset(stream), 8187);
    EXPECT_TRUE(TakeMessageBoxes().empty());

    Skip(16384 - 2500 - 8187);
    EXPECT_EQ(stream.Require(3000), 0);
    EXPECT_EQ(Offset(stream), 16384); // goes on after the bytes it could not carry
    EXPECT_TRUE(CurrentHolds(data, 16384, 16));
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Value out of range:Wrap Block");
}

TEST_F(Stream, CarryAtTheEndOfTheFileKeepsOffsetsExact) {
    const size_t size = 8192 + 8190; // the last buffer is two bytes short of full
    Bytes data = Pattern(size);
    source.Open(stream, data, true);
    Skip(size - 5);
    EXPECT_EQ(stream.Require(8), 5);
    EXPECT_EQ(Offset(stream), LONG(size - 5));
    EXPECT_TRUE(CurrentHolds(data, size - 5, 5));
}

TEST_F(Stream, FailuresReportOnceAndLeakNothing) {
    size_t blocks = platform::testing::LiveGlobalBlocks();
    BYTE out[4];
    EXPECT_EQ(stream.Read(out, 4), 0);
    EXPECT_EQ(stream.Seek(0, 0), -1);
    EXPECT_EQ(stream.Write(out, 4), 0);
    EXPECT_EQ(stream.Open("/nonexistent/x.flc", 0), 0);
    source.Open(stream, Pattern(10), true);
    stream.OpenMemory(out, 4); // closes the file first
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocks);
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_EQ(stream.Open(source.Path(), 0), 0);
    platform::testing::FailNextGlobalLocks(1);
    EXPECT_EQ(stream.Open(source.Path(), 0), 0);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocks);
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 6u);
    const char* texts[] = {"File read error",  "File seek error",
                           "File write error", "File open error:/nonexistent/x.flc",
                           "Out of memory:",   "Mem lock error:"};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(boxes[i].text.rfind(texts[i], 0), 0u) << boxes[i].text;
    EXPECT_EQ(boxes[0].caption, "mFile");
}

TEST_F(Stream, BufferSizesTooLargeForOneBlockAreRefusedNotWrapped) {
    source.Open(stream, Pattern(10), true);
    stream.Close();
    size_t blocks = platform::testing::LiveGlobalBlocks();
    stream.SetBufferSizes(INT32_MAX, INT32_MAX);
    EXPECT_GT(s->bufferSize, 0) << "rounding up wrapped";
    EXPECT_EQ(stream.Open(source.Path(), 0), 0);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocks);
    auto boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.rfind("Out of memory:", 0), 0u) << boxes[0].text;
}

TEST_F(Stream, ReadsGoOnThroughSmallAndCallerBuffers) {
    Bytes data = Pattern(12000), out(1000);
    stream.SetBufferSizes(62, 14); // rounded up to 64 and 16
    source.Open(stream, data, true);
    EXPECT_EQ(s->bufferEnd - s->areaBase, 64 + 16);
    EXPECT_EQ(stream.Read(out.data(), 1000), 1000);
    Bytes area(64 + 256);
    stream.SetBuffer(area.data(), 256, 64);
    EXPECT_EQ(stream.Read(out.data(), 1000), 1000);
    EXPECT_EQ(std::memcmp(out.data(), data.data() + 1000, 1000), 0);
    stream.SetBuffer(nullptr, 0, 0);
    EXPECT_EQ(s->bufferEnd - s->bufferBegin, 64);
    EXPECT_EQ(stream.Read(out.data(), 1000), 1000);
    EXPECT_EQ(std::memcmp(out.data(), data.data() + 2000, 1000), 0);
    stream.Close();
    EXPECT_EQ(s->bufferSize, 8192);
}

} // namespace
