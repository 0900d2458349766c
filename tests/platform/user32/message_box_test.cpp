#include <gtest/gtest.h>

#include "platform/testing/message_boxes.h"
#include "platform/user32/message_box_presenter.h"
#include "platform/win32.h"

namespace {

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
    void TearDown() override {
        platform::SetMessageBoxPresenter(nullptr);
        platform::testing::SetMessageBoxResult(0);
        platform::testing::ClearMessageBoxes();
    }
};

TEST_F(MessageBoxes, EveryBoxIsRecordedInOrderAndTakenOnce) {
    HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(MessageBoxA(owner, "File open error:bell.wav", "mSprite", MB_OK | MB_ICONHAND), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_ICONEXCLAMATION), IDOK);
    auto boxes = platform::testing::TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].owner, owner);
    EXPECT_EQ(boxes[0].text, "File open error:bell.wav");
    EXPECT_EQ(boxes[0].caption, "mSprite");
    EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONHAND));
    EXPECT_EQ(boxes[1].text, "");
    EXPECT_EQ(boxes[1].caption, "Error"); // what Windows shows for a null caption
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST_F(MessageBoxes, HeadlessResultIsTheDefaultButtonOrTheChosenOne) {
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
    platform::testing::SetMessageBoxResult(IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_OKCANCEL), IDCANCEL);
}

int presented = 0;
int PresentAndCancel(HWND, LPCSTR text, LPCSTR, UINT) {
    ++presented;
    return text[0] == 'x' ? 0 : IDCANCEL; // 0: could not be shown
}

TEST_F(MessageBoxes, PresenterShowsRecordedBoxesAndFailsOverToDefault) {
    presented = 0;
    platform::SetMessageBoxPresenter(PresentAndCancel);
    EXPECT_EQ(MessageBoxA(nullptr, "shown", "c", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "x", "c", MB_OK), IDOK);
    EXPECT_EQ(presented, 2);
    EXPECT_EQ(platform::testing::TakeMessageBoxes().size(), 2u);
    platform::SetMessageBoxPresenter(nullptr);
    MessageBoxA(nullptr, "quiet", "c", MB_OK);
    EXPECT_EQ(presented, 2);
}

} // namespace
