#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/media/mFile.h"
#include "stream_test_data.h"

namespace {

using namespace stream_test;

const char* const kFileTable[] = {"FILE", "END", ""};
const char* const kScriptTable[] = {"NOP", "LABEL", ":", "IF", "IFNOT", "GOTO", "LOOP", "END", ""};

class Keywords : public ::testing::Test {
protected:
    void TearDown() override { stream.Close(); }

    // A memory source of exactly the text's length, so any access past it shows.
    void OpenText(const std::string& text) {
        block.reset(new BYTE[text.size()]);
        std::memcpy(block.get(), text.data(), text.size());
        stream.OpenMemory(block.get(), LONG(text.size()));
    }

    std::string Value() { return reinterpret_cast<const char*>(stream.State()->current); }

    // Moves past the value, as the script parser does.
    void SkipValue() { stream.Seek(LONG(Value().size()), 1); }

    mFile stream;
    std::unique_ptr<BYTE[]> block;
};

TEST_F(Keywords, FindsTheKeywordPastBlanksCommentsAndOtherWords) {
    OpenText("  \r\n// FILE in a comment\r\nthe file = pic.flc\r\nEND\r\n");
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), "pic.flc");
    // Not moved past the value: it is scanned as a word that is no keyword.
    ASSERT_EQ(stream.NextKeyword(kFileTable), 1);
    EXPECT_EQ(Value(), "");
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kFileTable), -1);
}

TEST_F(Keywords, KeywordEndsAtASeparatorExceptTheLabelColon) {
    OpenText("FILEX a\nFILE\tb\nfile=c\n:12\nifnot 3,4\nIFX\n");
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), "b");
    SkipValue();
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), "c");
    SkipValue();
    ASSERT_EQ(stream.NextKeyword(kScriptTable), 2);
    EXPECT_EQ(Value(), "12");
    SkipValue();
    ASSERT_EQ(stream.NextKeyword(kScriptTable), 4);
    EXPECT_EQ(Value(), "3,4");
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kScriptTable), -1);
}

TEST_F(Keywords, ValueIsCutAtEightyCharacters) {
    OpenText("FILE " + std::string(100, 'a') + "\n");
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), std::string(80, 'a'));
}

TEST_F(Keywords, ValueWordThatIsAKeywordIsFoundUnlessSkipped) {
    OpenText("GOTO LOOP\r\nNOP\r\n");
    ASSERT_EQ(stream.NextKeyword(kScriptTable), 5);
    EXPECT_EQ(Value(), "LOOP");
    ASSERT_EQ(stream.NextKeyword(kScriptTable), 6);
    EXPECT_EQ(Value(), "");

    stream.Seek(0, 0);
    ASSERT_EQ(stream.NextKeyword(kScriptTable), 5);
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kScriptTable), 0);
}

TEST_F(Keywords, ScannerStopsAtTheEndOfAMemoryBlock) {
    OpenText("FILE a.flc\n");
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), "a.flc");
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kFileTable), -1);

    // No byte is left for the terminator of an unterminated last value.
    for (const char* text : {"FILE a.flc", "x FI", "END", "// note", "FILE   "}) {
        stream.Close();
        OpenText(text);
        EXPECT_EQ(stream.NextKeyword(kFileTable), -1) << text;
        EXPECT_EQ(std::memcmp(block.get(), text, strlen(text)), 0) << text;
    }
}

TEST_F(Keywords, FileSourceScansAcrossBuffersAndEndsAtItsLastValue) {
    std::string text;
    for (int line = 0; line < 200; ++line)
        text += "  // line " + std::to_string(line) + "\r\nFILE = name" + std::to_string(line) +
                ".flc\r\n";
    text += "FILE last";
    TempFile file("keywords.txt", Bytes(text));
    stream.SetBufferSizes(256, 256);
    ASSERT_EQ(stream.Open(file.Name(), 0), 1);
    for (int line = 0; line < 200; ++line) {
        ASSERT_EQ(stream.NextKeyword(kFileTable), 0) << line;
        ASSERT_EQ(Value(), "name" + std::to_string(line) + ".flc");
        SkipValue();
    }
    ASSERT_EQ(stream.NextKeyword(kFileTable), 0);
    EXPECT_EQ(Value(), "last");
    SkipValue();
    EXPECT_EQ(stream.NextKeyword(kFileTable), -1);
}

} // namespace
