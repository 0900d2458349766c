#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32.h"
#include "tools/embed_resources/RcParser.h"
#include "tools/embed_resources/ResourceBuilder.h"

namespace {

embed::Bytes SampleFile(const char* name) {
    std::ifstream in(std::string(EMBED_SAMPLE_DIR) + "/" + name, std::ios::binary);
    return embed::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

embed::Bytes Resource(LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceA(nullptr, name, type);
    if (!found) return {};
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    return embed::Bytes(bytes, bytes + SizeofResource(nullptr, found));
}

std::string ParseError(const std::string& script) {
    embed::RcScript parsed;
    std::string error;
    return embed::ParseRcScript(script, parsed, error) ? "" : error;
}

std::string BuildError(const std::string& script) {
    embed::RcScript parsed;
    embed::EmbeddedResources built;
    std::string error;
    if (!embed::ParseRcScript(script, parsed, error)) return "parse: " + error;
    return embed::BuildResources(parsed, EMBED_SAMPLE_DIR, built, error) ? "" : error;
}

// The sample script is embedded into this program at build time.
TEST(EmbeddedSample, RawResourcesHoldTheFilesBytes) {
    embed::Bytes sample = SampleFile("sample.bin");
    ASSERT_EQ(sample.size(), 12u);
    EXPECT_EQ(Resource("SAMPLE", MAKEINTRESOURCEA(9500)), sample);
    EXPECT_EQ(Resource(RT_RCDATA, MAKEINTRESOURCEA(9501)), sample);
    EXPECT_NE(FindResourceA(nullptr, "NAMED", "sample"), nullptr);
    EXPECT_TRUE(Resource("sample", "named").empty());
}

TEST(EmbeddedSample, BitmapLosesItsFileHeader) {
    embed::Bytes file = SampleFile("tiny.bmp");
    EXPECT_EQ(Resource(RT_BITMAP, MAKEINTRESOURCEA(9503)),
              embed::Bytes(file.begin() + 14, file.end()));
}

TEST(EmbeddedSample, IconBecomesImagesAndGroupDirectory) {
    embed::Bytes group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(9500));
    ASSERT_EQ(group.size(), 6u + 2 * 14);
    EXPECT_EQ(group[4], 2); // image count
    embed::Bytes file = SampleFile("tiny.ico");
    const char* images[] = {"IMG-A", "IMB"};
    for (int i = 0; i < 2; ++i) {
        const BYTE* entry = group.data() + 6 + 14 * i;
        EXPECT_TRUE(std::equal(entry, entry + 12, file.data() + 6 + 16 * i)); // size, depth, bytes
        WORD id = static_cast<WORD>(entry[12] | entry[13] << 8);
        embed::Bytes image = Resource(RT_ICON, MAKEINTRESOURCEA(id));
        EXPECT_EQ(std::string(image.begin(), image.end()), images[i]);
    }
}

TEST(EmbeddedSample, StringTableKeepsEscapesAndQuotes) {
    char text[64];
    ASSERT_GT(LoadStringA(nullptr, 9500, text, sizeof text), 0);
    EXPECT_STREQ(text, "Say \"hi\" or \"hi\" ?? tab\there");
    EXPECT_EQ(LoadStringA(nullptr, 9501, text, sizeof text), 6);
}

TEST(RcParser, ReadsNamesTypesAndOptions) {
    embed::RcScript script;
    std::string error;
    ASSERT_TRUE(embed::ParseRcScript("0x10L flic PRELOAD dir\\a.flc\n"
                                     "default Palette \"p.pal\"\n"
                                     "7 256 \"x.bin\"\n",
                                     script, error))
        << error;
    ASSERT_EQ(script.files.size(), 3u);
    EXPECT_TRUE(script.files[0].name == embed::ResourceName::Number(16));
    EXPECT_TRUE(script.files[0].type == embed::ResourceName::Text("FLIC"));
    EXPECT_EQ(script.files[0].path, "dir\\a.flc");
    EXPECT_TRUE(script.files[1].name == embed::ResourceName::Text("DEFAULT"));
    EXPECT_EQ(script.files[1].line, 2);
    EXPECT_TRUE(script.files[2].type == embed::ResourceName::Number(256));
}

TEST(RcParser, RefusesWhatItCannotBuildWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"1 flic \"a.flc\"\n100 DIALOGEX 0, 0, 10, 10\n",
         "line 2: unsupported resource type 'DIALOGEX'"},
        {"LANGUAGE 9, 1\n", "line 1: unknown statement 'LANGUAGE'"},
        {"hello world\n", "line 1: expected a file name"},
        {"hello world\n2 flic \"b.flc\"\n", "line 1: expected a file name"},
        {"#define IDI_ICON 100\n", "unsupported directive #define"},
        {"\n1 flic \"a.flc\n", "line 2: unterminated string"},
        {"/* open\n", "unterminated comment"},
        {"STRINGTABLE\n1, \"x\"\nEND\n", "STRINGTABLE without BEGIN"},
        {"STRINGTABLE BEGIN 1, \"x\" 1, \"y\" END\n", "string 1 is defined twice"},
        {"STRINGTABLE BEGIN 1, \"x\"\n", "expected a string id or END"},
        {"1 flic \"a.flc\"\n1 FLIC \"b.flc\"\n", "repeats a type and name"},
    };
    for (const auto& [script, expected] : cases)
        EXPECT_NE(ParseError(script).find(expected), std::string::npos)
            << script << " gave: " << ParseError(script);
    std::string cutShort = "1 flic \"a.flc\"\n";
    cutShort += '\0';
    cutShort += "1 FLIC \"a.flc\"\n"; // would be refused if it were read
    EXPECT_NE(ParseError(cutShort).find("line 2: NUL byte"), std::string::npos)
        << ParseError(cutShort);
}

TEST(ResourceBuilder, RefusesMissingAndMalformedFiles) {
    EXPECT_NE(BuildError("1 flic \"absent.flc\"").find("line 1: cannot read"), std::string::npos);
    EXPECT_NE(BuildError("1 BITMAP \"sample.bin\"").find("not a BMP file"), std::string::npos);
    EXPECT_NE(BuildError("1 ICON \"tiny.bmp\"").find("not an icon file"), std::string::npos);
}

TEST(EmbedderProgram, FailsWithoutWritingOutput) {
    // Names of their own: test processes run side by side, from several build trees.
    std::string script = ::testing::TempDir() + "embed_bad_XXXXXX";
    int descriptor = mkstemp(script.data());
    ASSERT_GE(descriptor, 0);
    close(descriptor);
    std::string output = script + ".cpp";
    std::ofstream(script) << "1 flic \"nowhere.flc\"\n";
    std::string command =
        std::string(EMBED_RESOURCES_EXE) + " " + script + " " + output + " 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_FALSE(std::ifstream(output).good());
    std::remove(script.c_str());
    std::remove(output.c_str());
}

} // namespace
