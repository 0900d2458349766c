#include <gtest/gtest.h>

#include "stream_test_data.h"

namespace {

using namespace stream_test;

const char* const kFiles[] = {"FILE", "END", ""};
const char* const kScript[] = {"NOP", "LABEL", ":", "IF", "IFNOT", "GOTO", "LOOP", "END", ""};

class Keywords : public ::testing::Test {
protected:
    void TearDown() override { stream.Close(); }
    void OpenText(const std::string& text) {
        stream.Close();
        source.Open(stream, Text(text), false);
    }
    std::string Value() { return reinterpret_cast<const char*>(stream.State()->current); }
    void SkipValue() { stream.Seek(LONG(Value().size()), 1); } // as the script parser does

    mFile stream;
    Source source;
};

TEST_F(Keywords, FoundPastBlanksCommentsAndOtherWordsAndThroughValues) {
    OpenText("  \r\n// FILE in a comment\r\nthe file = pic.flc\r\nEND\r\n");
    ASSERT_EQ(stream.NextKeyword(kFiles), 0);
    EXPECT_EQ(Value(), "pic.flc");
    ASSERT_EQ(stream.NextKeyword(kFiles), 1); // the value is scanned again as a word
    EXPECT_EQ(stream.NextKeyword(kFiles), -1);

    OpenText("GOTO LOOP\r\nNOP\r\n");
    ASSERT_EQ(stream.NextKeyword(kScript), 5);
    EXPECT_EQ(Value(), "LOOP");
    ASSERT_EQ(stream.NextKeyword(kScript), 6);
    EXPECT_EQ(Value(), "");
    stream.Seek(0, 0);
    stream.NextKeyword(kScript);
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kScript), 0);
}

TEST_F(Keywords, KeywordEndsAtASeparatorAndItsValueAtEightyCharacters) {
    OpenText("FILEX a\nfile=" + std::string(100, 'v') + "\n:12\nifnot 3,4\n");
    ASSERT_EQ(stream.NextKeyword(kFiles), 0);
    EXPECT_EQ(Value(), std::string(80, 'v'));
    stream.Seek(100, 1);
    ASSERT_EQ(stream.NextKeyword(kScript), 2);
    EXPECT_EQ(Value(), "12");
    SkipValue();
    ASSERT_EQ(stream.NextKeyword(kScript), 4);
    EXPECT_EQ(Value(), "3,4");
}

TEST_F(Keywords, UnterminatedLastValueOfAMemoryBlockIsNotWrittenPastIt) {
    for (const char* text : {"FILE a.flc", "x FI", "END", "// note", "FILE   "}) {
        OpenText(text);
        EXPECT_EQ(stream.NextKeyword(kFiles), -1) << text;
        EXPECT_EQ(std::memcmp(source.Block(), text, strlen(text)), 0) << text;
    }
}

TEST_F(Keywords, FileSourceScansAcrossBuffersUpToItsLastValue) {
    std::string text;
    for (int line = 0; line < 100; ++line)
        text += "// line\r\nFILE = name" + std::to_string(line) + "\r\n";
    stream.SetBufferSizes(256, 256);
    source.Open(stream, Text(text + "FILE last"), true);
    for (int line = 0; line < 100; ++line) {
        ASSERT_EQ(stream.NextKeyword(kFiles), 0);
        ASSERT_EQ(Value(), "name" + std::to_string(line));
        SkipValue();
    }
    ASSERT_EQ(stream.NextKeyword(kFiles), 0);
    EXPECT_EQ(Value(), "last");
}

} // namespace
