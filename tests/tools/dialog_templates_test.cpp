// The embedder's DIALOG statements: the program's templates byte for byte as windres builds
// them, the default styles of the control keywords, and what it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "tools/embed_resources/RcParser.h"
#include "tools/embed_resources/ResourceBuilder.h"

namespace {

using embed::Bytes;

uint32_t Read32(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}

uint16_t Read16(const Bytes& bytes, size_t at) {
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

// Numbered resources of one type in a .res file: a header (sizes, type, name, ...) before
// each resource's data, every part aligned to 4 bytes.
std::map<uint16_t, Bytes> NumberedResources(const Bytes& res, uint16_t type) {
    std::map<uint16_t, Bytes> found;
    size_t at = 0;
    while (at + 8 <= res.size()) {
        const uint32_t dataSize = Read32(res, at);
        const uint32_t headerSize = Read32(res, at + 4);
        const bool numbered = Read16(res, at + 8) == 0xFFFF && Read16(res, at + 12) == 0xFFFF;
        if (numbered && Read16(res, at + 10) == type)
            found[Read16(res, at + 14)] =
                Bytes(res.begin() + at + headerSize, res.begin() + at + headerSize + dataSize);
        at = (at + headerSize + dataSize + 3) & ~size_t(3);
    }
    return found;
}

Bytes FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    const Bytes bytes = FileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// The dialog templates the embedder builds from script, by number.
std::map<uint16_t, Bytes> EmbeddedDialogs(const std::string& script, std::string& error) {
    embed::RcScript parsed;
    embed::EmbeddedResources built;
    std::map<uint16_t, Bytes> dialogs;
    if (!embed::ParseRcScript(script, parsed, error) ||
        !embed::BuildResources(parsed, std::string(LUMARIS_SOURCE_DIR) + "/resources", built,
                               error))
        return dialogs;
    for (const embed::EmbeddedResource& resource : built.resources)
        if (resource.type == embed::ResourceName::Number(5) && resource.name.isNumber)
            dialogs[resource.name.number] = resource.bytes;
    return dialogs;
}

// Where two templates first differ, for the failure message.
size_t FirstDifference(const Bytes& a, const Bytes& b) {
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    return at;
}

std::string DialogError(const std::string& body) {
    std::string error;
    EmbeddedDialogs("1 DIALOG 0, 0, 10, 10\nBEGIN\n" + body + "\nEND\n", error);
    return error;
}

TEST(DialogTemplates, ProgramTemplatesMatchWindres) {
#ifndef WINDRES_RES
    GTEST_SKIP() << "no windres to compare with";
#else
    const std::map<uint16_t, Bytes> reference = NumberedResources(FileBytes(WINDRES_RES), 5);
    std::string error;
    const std::map<uint16_t, Bytes> ours =
        EmbeddedDialogs(ReadText(std::string(LUMARIS_SOURCE_DIR) + "/resources/lumaris.rc"), error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(reference.size(), 2u);
    for (uint16_t name : {100, 2003}) {
        ASSERT_TRUE(ours.count(name)) << name;
        EXPECT_EQ(ours.at(name), reference.at(name))
            << "dialog " << name << " differs from byte "
            << FirstDifference(ours.at(name), reference.at(name));
    }
#endif
}

// One control per keyword: WS_CHILD | WS_VISIBLE and the keyword's own styles, with NOT
// taking bits away from those defaults.
TEST(DialogTemplates, KeywordsGiveTheirDefaultStyles) {
    std::string error;
    const auto dialogs = EmbeddedDialogs("7 DIALOG 1, 2, 30, 40\n"
                                         "STYLE WS_POPUP\nCAPTION \"T\"\nFONT 8, \"F\"\nBEGIN\n"
                                         "  EDITTEXT 9, 0, 0, 1, 1, ES_NUMBER | NOT WS_BORDER\n"
                                         "  ICON 113, -1, 0, 0\n"
                                         "END\n",
                                         error);
    ASSERT_EQ(error, "");
    const Bytes& dialog = dialogs.at(7);
    EXPECT_EQ(Read32(dialog, 0), 0x80C00040u); // popup, caption bar, font
    EXPECT_EQ(Read16(dialog, 8), 2);           // controls
    // Header 18 bytes, no menu, no class, "T", 8 and "F": the first item starts at 32.
    EXPECT_EQ(Read32(dialog, 32), 0x50012000u);
    EXPECT_EQ(Read16(dialog, 32 + 20), 0x81); // the edit class atom
    // The icon's item: 32 + 18 + 4 (class) + 2 (empty text) + 2 (data) = 58, aligned to 60.
    EXPECT_EQ(Read32(dialog, 60), 0x50000003u);
    EXPECT_EQ(Read16(dialog, 60 + 16), 0xFFFF); // id -1
    EXPECT_EQ(Read16(dialog, 60 + 22), 0xFFFF); // text by number...
    EXPECT_EQ(Read16(dialog, 60 + 24), 113);    // ...the icon's
    EXPECT_EQ(dialog.size(), 60u + 18 + 4 + 4 + 2);
}

TEST(DialogTemplates, RefusesWhatItCannotBuild) {
    EXPECT_NE(DialogError("LTEXT \"a\", 1, 0, 0, 1, 1, SS_NOSUCHSTYLE").find("line 3"),
              std::string::npos);
    EXPECT_NE(DialogError("LISTBOX 1, 0, 0, 1, 1").find("unknown control"), std::string::npos);
    EXPECT_NE(DialogError("PUSHBUTTON \"a\", 1, 0, 0, 1").find("expected a comma"),
              std::string::npos);
    std::string error;
    EmbeddedDialogs("1 DIALOG 0, 0, 1, 1\nBEGIN\n", error);
    EXPECT_NE(error.find("without END"), std::string::npos);
    EmbeddedDialogs("1 DIALOG 0,0,1,1\nBEGIN\nEND\n1 DIALOG 0,0,1,1\nBEGIN\nEND\n", error);
    EXPECT_NE(error.find("repeats"), std::string::npos);
}

} // namespace
