#include "engine/core/mObject.h"

#include <gtest/gtest.h>

#include "platform/testing/message_boxes.h"
#include "platform/testing/resources.h"

namespace {

using platform::testing::RecordedMessageBox;
using platform::testing::TakeMessageBoxes;

class Held : public virtual mObject {
public:
    virtual ~Held() = default;
};

class ObjectReports : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
};

TEST_F(ObjectReports, ErrorAndWarningShowOneBoxEachWithTheirIcon) {
    Held object;
    object.Error(classSprite, errFileOpen, "bell.wav");
    object.Warning(classScript, errStillInUse);
    object.Report(severityQuestion, classFile, errFileSeek);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "mSprite");
    EXPECT_EQ(boxes[0].text, "File open error:bell.wav");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONHAND));
    EXPECT_EQ(boxes[0].owner, GetActiveWindow());
    EXPECT_EQ(boxes[1].caption, "mScript");
    EXPECT_EQ(boxes[1].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[2].type, UINT(MB_OK | MB_ICONQUESTION));
}

TEST_F(ObjectReports, DestroyingAHeldObjectWarnsOnceAndStillDestroysIt) {
    auto* object = new Held;
    object->useCount = 2;
    delete object;
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "mObject");
    EXPECT_EQ(boxes[0].text, "Still in use");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));

    delete new Held;
    EXPECT_TRUE(TakeMessageBoxes().empty());
}

TEST_F(ObjectReports, ReportTakesStringsFromTheProcessWideModule) {
    platform::testing::AddString(4400 + classFile, "Flux");
    mObject::resourceModule = GetModuleHandleA(nullptr);
    Held object;
    object.Error(classFile, errFileRead, "f");
    mObject::resourceModule = nullptr;
    object.Error(classFile, errFileRead, "f");
    platform::testing::RemoveString(4400 + classFile);
    std::vector<RecordedMessageBox> boxes = TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Flux");
    EXPECT_EQ(boxes[1].caption, "mFile");
}

} // namespace
