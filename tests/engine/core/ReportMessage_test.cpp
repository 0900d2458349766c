#include "engine/core/ReportMessage.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/core/mErrors.h"
#include "platform/testing/resources.h"

namespace {

ReportMessage Build(LONG severity, LONG classId, LONG code, LPCSTR detail = nullptr,
                    HINSTANCE strings = nullptr) {
    return BuildReportMessage(severity, classId, code, detail, strings);
}

TEST(ReportMessage, CaptionNamesTheClassAndTextJoinsTheDetailWithAColon) {
    ReportMessage message = Build(severityError, classSprite, errFileOpen, "bell.wav");
    EXPECT_STREQ(message.caption, "mSprite");
    EXPECT_STREQ(message.text, "File open error:bell.wav");
    EXPECT_EQ(message.type, UINT(MB_OK | MB_ICONHAND));

    message = Build(severityWarning, classScript, errStillInUse);
    EXPECT_STREQ(message.caption, "mScript");
    EXPECT_STREQ(message.text, "Still in use");
}

TEST(ReportMessage, EmptyTextShowsTheDetailAlone) {
    EXPECT_STREQ(Build(severityError, classFile, errNone, "x").text, "x");
}

TEST(ReportMessage, IdsOutsideTheTablesAreUnknown) {
    for (LONG classId : {20, -1})
        EXPECT_STREQ(Build(severityError, classId, errNone).caption, "Unknown Object");
    for (LONG code : {22, -1})
        EXPECT_STREQ(Build(severityError, classObject, code).text, "Unknown Error");
    EXPECT_STREQ(Build(severityError, classSpriteGroup, errBadProgInst).caption, "mSpriteGroup");
    EXPECT_STREQ(Build(severityError, classSpriteGroup, errBadProgInst).text, "Bad ProgInst Value");
}

TEST(ReportMessage, LongDetailContributesItsFirstFortyCharacters) {
    std::string detail(100, 'd');
    ReportMessage message = Build(severityError, classFile, errFileRead, detail.c_str());
    EXPECT_EQ(std::string(message.text), "File read error:" + std::string(40, 'd'));
}

TEST(ReportMessage, SeverityChoosesTheIcon) {
    EXPECT_EQ(Build(0, 0, 0).type, UINT(MB_ICONHAND));
    EXPECT_EQ(Build(1, 0, 0).type, UINT(MB_ICONQUESTION));
    EXPECT_EQ(Build(2, 0, 0).type, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(Build(7, 0, 0).type, UINT(MB_ICONASTERISK));
    EXPECT_EQ(Build(-1, 0, 0).type, UINT(MB_ICONASTERISK));
}

class ReportStrings : public ::testing::Test {
protected:
    void TearDown() override {
        for (UINT id : {4400u + classSprite, 4400u + errFileOpen, 4400u + 30})
            platform::testing::RemoveString(id);
    }
    HINSTANCE module = GetModuleHandleA(nullptr);
};

TEST_F(ReportStrings, ResourcesReplaceBuiltInTextsFromOneBase) {
    platform::testing::AddString(4400 + classSprite, "Lutin");
    // Class id 5 and error code 5 share string 4405.
    platform::testing::AddString(4400 + errFileOpen, "Cannot open");
    ReportMessage message = Build(severityError, classSprite, errFileOpen, "a.wav", module);
    EXPECT_STREQ(message.caption, "Lutin");
    EXPECT_STREQ(message.text, "Cannot open:a.wav");
    EXPECT_STREQ(Build(0, classImageBitmap, 0, nullptr, module).caption, "Cannot open");
}

TEST_F(ReportStrings, MissingStringsAndUnsetModuleFallBackToTheTables) {
    platform::testing::AddString(4400 + classSprite, "Lutin");
    EXPECT_STREQ(Build(0, classSprite, errFileOpen, nullptr, module).text, "File open error");
    EXPECT_STREQ(Build(0, classSprite, errFileOpen).caption, "mSprite");
}

TEST_F(ReportStrings, LoadedStringsAreCutAtThirtyNineCharacters) {
    platform::testing::AddString(4400 + 30, std::string(60, 'u').c_str());
    ReportMessage message = Build(0, 30, 30, std::string(60, 'd').c_str(), module);
    EXPECT_EQ(std::string(message.caption), std::string(39, 'u'));
    EXPECT_EQ(std::string(message.text), std::string(39, 'u') + ":" + std::string(40, 'd'));
}

} // namespace
