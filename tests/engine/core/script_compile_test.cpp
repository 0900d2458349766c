// Compiling sprite scripts: argument forms, keyword matching, label resolution, every report,
// the store's bound and memory, and what a second load does.
#include "engine/core/mScript.h"
#include "engine/core/mSprite.h"
#include "engine/media/mMedia.h"
#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "tests/support/reports.h"
#include "tests/support/source_tree.h"
#include "tests/support/text_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using platform::testing::TakeMessageBoxes;

namespace {

struct Op {
    WORD op;
    WORD label;
    LONG arg;
};

bool operator==(const Op& a, const Op& b) {
    return a.op == b.op && a.label == b.label && a.arg == b.arg;
}

std::ostream& operator<<(std::ostream& out, const Op& o) {
    return out << "{" << kScriptKeywords[o.op] << ", " << o.label << ", " << o.arg << "}";
}

int LoadInto(mSprite& sprite, const std::string& text) {
    TextStream stream(text);
    return sprite.LoadScript(stream.get());
}

std::vector<Op> ProgramOf(const mSprite& sprite) {
    std::vector<Op> ops;
    for (LONG i = 0; sprite.program && i < sprite.program->count; ++i) {
        const mInstruction& in = sprite.program->instructions[i];
        ops.push_back({in.op, in.label, in.arg});
    }
    return ops;
}

class ScriptCompile : public ::testing::Test {
protected:
    void SetUp() override { TakeMessageBoxes(); }
    int Load(const std::string& text) { return LoadInto(sprite, text); }
    std::vector<Op> Program() const { return ProgramOf(sprite); }

    mSprite sprite;
};

TEST_F(ScriptCompile, NothingToCompileLeavesNoProgram) {
    for (const char* text : {"", "// only a comment\r\n", "END\nFRAME 3\n", "words and more\n"}) {
        EXPECT_EQ(0, Load(text)) << text;
        EXPECT_EQ(nullptr, sprite.program) << text;
    }
    mFile closed;
    EXPECT_EQ(0, sprite.LoadScript(&closed));
    EXPECT_EQ(0, sprite.LoadScript(nullptr));
    EXPECT_TRUE(ShownReports().empty());
}

TEST_F(ScriptCompile, ArgumentsAreReadByTheKeywordsForm) {
    struct Case {
        const char* text;
        Op compiled;
    };
    const Case cases[] = {
        {"ADVANCEFRAME\n", {opAdvanceFrame, 0, 1}},
        {"advanceframe 0\n", {opAdvanceFrame, 0, 1}},
        {"AdvanceFrame -2\n", {opAdvanceFrame, 0, -2}},
        {"FRAME=  +12xyz\n", {opFrame, 0, 12}},
        {"DELAY\tabc\n", {opDelay, 0, 0}},
        {"SET 4294967295\n", {opSet, 0, -1}},
        {"CLEAR 99999999999\n", {opClear, 0, LONG(99999999999ull & 0xFFFFFFFF)}},
        {"POSX -7 // from the left\n", {opPosX, 0, -7}},
        {"PAUSE 12\n", {opPause, 0, 0}},
        {"WAVEFILE\n", {opWaveFile, 0, 0}},
    };
    for (const Case& c : cases) {
        mSprite fresh;
        ASSERT_EQ(1, LoadInto(fresh, c.text)) << c.text;
        EXPECT_EQ(std::vector<Op>{c.compiled}, ProgramOf(fresh)) << c.text;
    }
    TakeMessageBoxes();
}

// A keyword needs a separator after it (":" excepted), so "ifnot" is not IF followed by
// text, and words that are no keyword are passed over, also the label after a comma.
TEST_F(ScriptCompile, KeywordsAreMatchedWholeAnywhereOnALine) {
    ASSERT_EQ(1, Load("ifnot 3,7\nFRAMES 4 then ENDCYCLE\n:7\nIFFRAME 2,7\n"));
    EXPECT_EQ(
        (std::vector<Op>{{opIfNot, 2, 3}, {opEndCycle, 0, 0}, {opColon, 0, 7}, {opIfFrame, 2, 2}}),
        Program());
    EXPECT_TRUE(ShownReports().empty());
}

TEST_F(ScriptCompile, LabelsResolveToTheirFirstDefinitionBeforeOrAfterUse) {
    ASSERT_EQ(1, Load("GOTO 5\nLABEL 5\n:5\nIFHIT 5\nLOOP 6\nLABEL 6\n"));
    EXPECT_EQ((std::vector<Op>{{opGoto, 1, 0},
                               {opLabel, 0, 5},
                               {opColon, 0, 5},
                               {opIfHit, 1, 0},
                               {opLoop, 5, 0},
                               {opLabel, 0, 6}}),
              Program());
}

// Each report names the keyword or the label; loading goes on and the faulty instruction is
// kept as a NOP (a sound that cannot be opened keeps its WAVEFILE, which does nothing).
TEST_F(ScriptCompile, FaultsAreReportedAndBecomeNops) {
    struct Case {
        const char* text;
        std::vector<std::string> reports;
        WORD op;
    };
    const Case cases[] = {
        {"IF 4\n", {"mSprite/Missing parameter:IF"}, opNop},
        {"IFHITMASK\n", {"mSprite/Missing parameter:IFHITMASK"}, opNop},
        {"GOTO 0\n", {"mSprite/Missing parameter:GOTO"}, opNop},
        {"LOOP 65536\n", {"mSprite/Missing parameter:LOOP"}, opNop},
        {"IFNOT 1,0\n", {"mSprite/Missing parameter:IFNOT"}, opNop},
        {"GOTO 9\n", {"mSprite/Label doesn't exist:9"}, opNop},
        {"IFHITID 3,70000\nLABEL 70000\n", {"mSprite/Label doesn't exist:4464"}, opNop},
        {"WAVEFILE no such.wav\n",
         {"mFile/File open error:no such.wav", "mSprite/File open error:no such.wav"},
         opWaveFile},
    };
    for (const Case& c : cases) {
        mSprite fresh;
        ASSERT_EQ(1, LoadInto(fresh, c.text)) << c.text;
        EXPECT_EQ(c.reports, ShownReports()) << c.text;
        EXPECT_EQ(c.op, ProgramOf(fresh)[0].op) << c.text;
    }
}

// Sounds load when the script does, numbered in WAVEFILE order; one that cannot be opened
// takes no number.
TEST_F(ScriptCompile, WaveFilesBecomeTheSpritesSoundsInOrder) {
    const auto bytes = SourceTreeBytes("tests/engine/media/data/wave/s16_11025_mono.wav");
    std::ofstream("script_tone.wav", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ASSERT_EQ(1, Load("WAVEFILE script_tone.wav\nWAVEFILE gone.wav\nWAVEFILE = script_tone.wav\n"));
    std::remove("script_tone.wav");
    int sounds = 0;
    for (const mSprite::SoundNode* node = sprite.sounds; node; node = node->next)
        ++sounds;
    EXPECT_EQ(2, sounds);
    EXPECT_EQ(1, sprite.sounds->sound->useCount);
    EXPECT_EQ(2u, ShownReports().size());
}

TEST_F(ScriptCompile, TheStoreKeeps255InstructionsAndDropsTheRestSilently) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "FRAME " + std::to_string(i) + "\n";
    ASSERT_EQ(1, Load(text));
    ASSERT_EQ(255, sprite.program->count);
    EXPECT_EQ(254, sprite.program->instructions[254].arg);
    EXPECT_TRUE(ShownReports().empty());
}

// The jumps of the first load hold instruction indices; looked up again as label numbers
// they would go astray. A second load appends and resolves only its own instructions,
// which may use the labels of the first.
TEST_F(ScriptCompile, ASecondLoadAppendsAndKeepsTheFirstLoadsJumps) {
    ASSERT_EQ(1, Load("NOP\nLABEL 1\nGOTO 1\n"));
    mScript* first = sprite.program;
    ASSERT_EQ(1, Load("LABEL 2\nGOTO 2\nGOTO 1\n"));
    EXPECT_EQ(first, sprite.program);
    EXPECT_EQ((std::vector<Op>{{opNop, 0, 0},
                               {opLabel, 0, 1},
                               {opGoto, 1, 0},
                               {opLabel, 0, 2},
                               {opGoto, 3, 0},
                               {opGoto, 1, 0}}),
              Program());
    EXPECT_EQ(1, Load("// nothing more\n")) << "the program is not empty";
    EXPECT_TRUE(ShownReports().empty());
}

TEST_F(ScriptCompile, WithoutMemoryForTheStoreNothingIsRead) {
    TextStream stream("FRAME 3\n");
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_EQ(0, sprite.LoadScript(stream.get()));
    platform::testing::FailNextGlobalAllocs(0);
    EXPECT_EQ(std::vector<std::string>{"mSprite/Out of memory"}, ShownReports());
    EXPECT_EQ(nullptr, sprite.program);
    EXPECT_EQ(0, stream.Offset());
}

TEST_F(ScriptCompile, AProgramIsHeldByItsSpriteAndWarnsWhenDestroyedStillHeld) {
    const size_t before = platform::testing::LiveGlobalBlocks();
    {
        mSprite scripted;
        TextStream stream("FRAME 1\n");
        ASSERT_EQ(1, scripted.LoadScript(stream.get()));
        EXPECT_EQ(1, scripted.program->useCount);
    }
    EXPECT_EQ(before, platform::testing::LiveGlobalBlocks());
    EXPECT_TRUE(ShownReports().empty());

    auto* held = new mScript;
    held->useCount = 1;
    delete held;
    EXPECT_EQ((std::vector<std::string>{"mScript/Still in use", "mObject/Still in use"}),
              ShownReports());
}

} // namespace
