#include <gtest/gtest.h>

#include "platform/testing/message_boxes.h"
#include "stream_test_data.h"

namespace {

using namespace stream_test;

constexpr FOURCC Id(const char* text) {
    return mmioFOURCC(text[0], text[1], text[2], text[3]);
}

// Each case runs over a memory block and over a file.
class Riff : public ::testing::TestWithParam<bool> {
protected:
    void Open(const Bytes& bytes) {
        platform::testing::ClearMessageBoxes();
        source.Open(stream, bytes, GetParam());
    }
    void TearDown() override {
        stream.Close();
        EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty()); // navigation never reports
    }
    std::string Current(size_t n) { return std::string((const char*)stream.State()->current, n); }

    mFile stream;
    Source source;
};

TEST_P(Riff, FindChunkSkipsPaddedChunksAndListsOfOtherTypes) {
    Bytes info = Form("LIST", "INFO", {Form("LIST", "movi", {Chunk("fake", Text("no"))})});
    Open(Form(
        "RIFF", "AVI ",
        {Chunk("fmt ", Pattern(17)), info, Form("LIST", "movi", {Chunk("00dc", Text("yes"))})}));
    EXPECT_EQ(stream.DescendRiff(Id("WAVE")), 0);
    stream.Seek(0, 0);
    ASSERT_EQ(stream.DescendRiff(Id("AVI ")), 1);
    ASSERT_EQ(stream.DescendList(Id("movi")), 1);
    ASSERT_EQ(stream.FindChunk(Id("00dc")), 1);
    EXPECT_EQ(Current(3), "yes");
    EXPECT_EQ(stream.State()->lastChunkSize, 3);
    EXPECT_EQ(stream.SkipToChunkEnd(), Offset(stream) + 4);
}

TEST_P(Riff, ChunkRunningPastItsListEndsTheSearchThere) {
    Bytes hdrl = Form("LIST", "hdrl", {Chunk("avih", Pattern(4)), Chunk("strh", Pattern(4), 100)});
    Open(Form("RIFF", "AVI ", {hdrl, Chunk("idx1", Text("ix"))}));
    ASSERT_EQ(stream.DescendRiff(Id("AVI ")), 1);
    ASSERT_EQ(stream.DescendList(Id("hdrl")), 1);
    EXPECT_EQ(stream.FindChunk(Id("strl")), 0);
    EXPECT_EQ(Offset(stream), LONG(12 + hdrl.size()));
    EXPECT_EQ(stream.Ascend(), LONG(12 + hdrl.size()));
    EXPECT_EQ(stream.State()->chunkDepth, 0);
    ASSERT_EQ(stream.FindChunk(Id("idx1")), 1);
}

TEST_P(Riff, NavigationStopsAtTheEndOfTruncatedOrOversizedData) {
    Bytes riff = Form("RIFF", "WAVE", {Chunk("fmt ", Pattern(16), 1000)});
    Open(riff);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(stream.FindChunk(Id("data")), 0);
    EXPECT_EQ(Offset(stream), LONG(riff.size()));
    EXPECT_EQ(stream.DescendList(Id("movi")), 0);

    // A size that wraps to the chunk's own offset in 32 bits, then half a header.
    riff = Form("RIFF", "WAVE", {Chunk("junk", Pattern(8), 0xFFFFFFF8), Text("dat")});
    riff[4] = riff[5] = riff[6] = riff[7] = 0xFF;
    Open(riff);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(stream.FindChunk(Id("data")), 0);
    EXPECT_EQ(stream.Ascend(), LONG(riff.size()));
}

INSTANTIATE_TEST_SUITE_P(Sources, Riff, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "File" : "Memory"; });

} // namespace
