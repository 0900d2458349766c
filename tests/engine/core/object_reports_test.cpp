#include <string>

#include <gtest/gtest.h>

#include "engine/core/ReportMessage.h"
#include "engine/core/mErrors.h"
#include "engine/core/mObject.h"
#include "platform/testing/message_boxes.h"
#include "platform/testing/resources.h"

namespace {

struct Expected {
    LONG severity, classId, code;
    const char* detail;
    const char* caption;
    std::string text;
    UINT icon;
};

TEST(ReportMessage, CaptionTextAndIconFollowTheTablesAndLimits) {
    const std::string longDetail(100, 'd');
    const Expected cases[] = {
        {0, 13, 5, "bell.wav", "mSprite", "File open error:bell.wav", MB_ICONHAND},
        {2, 16, 17, nullptr, "mScript", "Still in use", MB_ICONEXCLAMATION},
        {1, 3, 0, "x", "mFile", "x", MB_ICONQUESTION},
        {7, 20, 22, nullptr, "Unknown Object", "Unknown Error", MB_ICONASTERISK},
        {-1, -1, -1, nullptr, "Unknown Object", "Unknown Error", MB_ICONASTERISK},
        {0, 19, 21, longDetail.c_str(), "mSpriteGroup",
         "Bad ProgInst Value:" + longDetail.substr(0, 40), MB_ICONHAND},
    };
    for (const Expected& c : cases) {
        ReportMessage message =
            BuildReportMessage(c.severity, c.classId, c.code, c.detail, nullptr);
        EXPECT_STREQ(message.caption, c.caption);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.type, UINT(MB_OK) | c.icon);
    }
}

TEST(ReportMessage, StringResourcesFromOneBaseReplaceCaptionAndText) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    platform::testing::AddString(4400 + classSprite, std::string(60, 'u').c_str());
    platform::testing::AddString(4400 + errFileOpen, "Cannot open"); // also class id 5
    ReportMessage message = BuildReportMessage(0, classSprite, errFileOpen, "a.wav", module);
    EXPECT_EQ(std::string(message.caption), std::string(39, 'u'));
    EXPECT_STREQ(message.text, "Cannot open:a.wav");
    EXPECT_STREQ(BuildReportMessage(0, classImageBitmap, errFileRead, 0, module).caption,
                 "Cannot open");
    EXPECT_STREQ(BuildReportMessage(0, classImageBitmap, errFileRead, 0, module).text,
                 "File read error");
    platform::testing::RemoveString(4400 + classSprite);
    platform::testing::RemoveString(4400 + errFileOpen);
}

class Held : public virtual mObject {
public:
    virtual ~Held() = default;
};

TEST(ObjectReports, DestroyingAHeldObjectShowsOneStillInUseBox) {
    platform::testing::ClearMessageBoxes();
    delete new Held;
    auto* held = new Held;
    held->useCount = 2;
    delete held;
    auto boxes = platform::testing::TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "mObject");
    EXPECT_EQ(boxes[0].text, "Still in use");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[0].owner, GetActiveWindow());
}

} // namespace
