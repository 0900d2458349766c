#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "engine/media/mFile.h"
#include "platform/testing/message_boxes.h"
#include "stream_test_data.h"

namespace {

using namespace stream_test;

constexpr FOURCC Id(const char* text) {
    return mmioFOURCC(text[0], text[1], text[2], text[3]);
}

// Every case runs over a memory block of exactly the data's size and over a file.
class Riff : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
    void TearDown() override {
        stream.Close();
        EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
    }

    void Open(const std::vector<BYTE>& bytes) {
        if (GetParam()) {
            memory.reset(new BYTE[bytes.size()]);
            std::memcpy(memory.get(), bytes.data(), bytes.size());
            stream.OpenMemory(memory.get(), LONG(bytes.size()));
        } else {
            file.reset(); // removes the previous file before the new one is written
            file = std::make_unique<TempFile>("riff.bin", bytes);
            ASSERT_EQ(stream.Open(file->Name(), 0), 1);
        }
    }

    std::string Current(size_t length) {
        return std::string(reinterpret_cast<const char*>(stream.State()->current), length);
    }

    mFile stream;
    const StreamState* s = stream.State();
    std::unique_ptr<BYTE[]> memory;
    std::unique_ptr<TempFile> file;
};

TEST_P(Riff, FindChunkSkipsPaddedChunksToTheOneAskedFor) {
    Open(::stream_test::Riff("WAVE", {Chunk("fmt ", Pattern(17)), Chunk("data", Bytes("abcde"))}));
    EXPECT_EQ(stream.DescendRiff(Id("AVI ")), 0);
    stream.Seek(0, 0);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(s->chunkEnds[0], 12 + 26 + 14);
    ASSERT_EQ(stream.FindChunk(Id("data")), 1);
    EXPECT_EQ(Current(5), "abcde");
    EXPECT_EQ(Offset(stream), 12 + 26 + 8);
    EXPECT_EQ(s->lastChunkSize, 5);
    EXPECT_EQ(s->lastChunkEnd, 12 + 26 + 14);
    EXPECT_EQ(stream.SkipToChunkEnd(), 52);
}

TEST_P(Riff, ChunkRunningPastItsListStopsTheSearchAtTheListEnd) {
    std::vector<BYTE> hdrl =
        List("hdrl", {Chunk("avih", Pattern(4)), Chunk("strh", Pattern(4), 100)});
    Open(::stream_test::Riff("AVI ", {hdrl, Chunk("idx1", Bytes("ix"))}));
    ASSERT_EQ(stream.DescendRiff(Id("AVI ")), 1);
    ASSERT_EQ(stream.DescendList(Id("hdrl")), 1);
    EXPECT_EQ(s->chunkDepth, 1);
    EXPECT_EQ(stream.FindChunk(Id("strl")), 0);
    EXPECT_EQ(Offset(stream), LONG(12 + hdrl.size()));
    EXPECT_EQ(stream.Ascend(), LONG(12 + hdrl.size()));
    EXPECT_EQ(s->chunkDepth, 0);
    ASSERT_EQ(stream.FindChunk(Id("idx1")), 1);
    EXPECT_EQ(Current(2), "ix");
}

TEST_P(Riff, DescendListSkipsListsOfOtherTypesWhole) {
    std::vector<BYTE> decoy = List("INFO", {List("movi", {Chunk("fake", Bytes("no"))})});
    Open(::stream_test::Riff("AVI ", {decoy, List("movi", {Chunk("00dc", Bytes("yes!"))})}));
    ASSERT_EQ(stream.DescendRiff(Id("AVI ")), 1);
    ASSERT_EQ(stream.DescendList(Id("movi")), 1);
    ASSERT_EQ(stream.FindChunk(Id("00dc")), 1);
    EXPECT_EQ(Current(4), "yes!");
    EXPECT_EQ(stream.DescendList(Id("none")), 0);
}

TEST_P(Riff, DescentNeedingAnEleventhLevelChangesNothing) {
    std::vector<BYTE> nested = Chunk("leaf", Bytes("x"));
    for (int level = 0; level < 10; ++level)
        nested = List("nest", {nested});
    Open(::stream_test::Riff("DEEP", {nested}));
    ASSERT_EQ(stream.DescendRiff(Id("DEEP")), 1);
    for (int level = 1; level < kMaxChunkLevels; ++level)
        ASSERT_EQ(stream.DescendList(Id("nest")), 1) << level;
    LONG offset = Offset(stream);
    EXPECT_EQ(stream.DescendList(Id("nest")), 0);
    EXPECT_EQ(s->chunkDepth, kMaxChunkLevels - 1);
    EXPECT_EQ(Offset(stream), offset);
}

TEST_P(Riff, NavigationStopsCleanlyAtTheEndOfTruncatedData) {
    std::vector<BYTE> whole = ::stream_test::Riff("WAVE", {Chunk("fmt ", Pattern(16), 1000)});
    Open(whole);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(stream.FindChunk(Id("data")), 0);
    EXPECT_EQ(Offset(stream), LONG(whole.size()));
    EXPECT_EQ(stream.SkipChunk(), 0);
    EXPECT_EQ(stream.DescendList(Id("movi")), 0);
    stream.Close();

    Open({'R', 'I', 'F', 'F', 9, 0});
    EXPECT_EQ(stream.DescendRiff(Id("WAVE")), 0);
    stream.Close();

    // A half header after the form type.
    whole = ::stream_test::Riff("WAVE", {});
    whole.insert(whole.end(), {'d', 'a', 't'});
    Open(whole);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(stream.FindChunk(Id("data")), 0);
}

TEST_P(Riff, SizeFieldsNearFourGigabytesDoNotWrapOntoTheChunk) {
    std::vector<BYTE> riff = ::stream_test::Riff(
        "WAVE", {Chunk("junk", Pattern(8), 0xFFFFFFF8), Chunk("data", Pattern(4))});
    riff[4] = riff[5] = riff[6] = riff[7] = 0xFF;
    Open(riff);
    ASSERT_EQ(stream.DescendRiff(Id("WAVE")), 1);
    EXPECT_EQ(stream.FindChunk(Id("data")), 0);
    EXPECT_EQ(stream.Ascend(), LONG(riff.size()));
}

INSTANTIATE_TEST_SUITE_P(Sources, Riff, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Memory" : "File"; });

} // namespace
