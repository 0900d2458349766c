// Delivery order of the queue: posted messages, the quit request among them, then paint.
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class MessageQueueTest : public WindowTest {};

std::vector<UINT> PeekAll(HWND filter = nullptr, UINT first = 0, UINT last = 0) {
    std::vector<UINT> messages;
    MSG msg;
    while (PeekMessageA(&msg, filter, first, last, PM_REMOVE))
        messages.push_back(msg.message);
    return messages;
}

TEST_F(MessageQueueTest, PostedMessagesComeInOrderAndFiltersTakeOnlyTheirOwn) {
    HWND a = Make(WS_POPUP);
    HWND b = Make(WS_POPUP);
    PostMessageA(a, WM_USER + 1, 0, 0);
    PostMessageA(b, WM_USER + 2, 0, 0);
    PostMessageA(a, WM_APP, 7, 8);
    PostMessageA(nullptr, WM_USER + 3, 0, 0);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, a, WM_APP, WM_APP, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.lParam, 8);
    EXPECT_EQ(PeekAll(b), (std::vector<UINT>{WM_USER + 2}));
    EXPECT_EQ(PeekAll(reinterpret_cast<HWND>(-1)), (std::vector<UINT>{WM_USER + 3}));
    EXPECT_EQ(PeekAll(), (std::vector<UINT>{WM_USER + 1, WM_APP}));
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));
}

TEST_F(MessageQueueTest, QuitComesAfterEarlierMessagesAndBeforeLaterOnes) {
    HWND window = Make(WS_POPUP);
    PostMessageA(window, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    PostMessageA(window, WM_USER + 2, 0, 0);

    MSG msg;
    // A window filter never sees the quit, so a drain inside a handler cannot swallow it.
    EXPECT_EQ(PeekAll(window, WM_USER + 2, WM_USER + 2), (std::vector<UINT>{WM_USER + 2}));
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, UINT(WM_USER + 1));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(platform::testing::PostedMessageCount(), 0u);
}

TEST_F(MessageQueueTest, QuitWaitsBehindMessagesPostedBeforeItEvenWhenTheyArePostedAgain) {
    HWND window = Make(WS_POPUP);
    PostMessageA(window, WM_USER, 0, 0);
    PostQuitMessage(1);
    PostQuitMessage(9); // the latest code wins, the first place stays
    PostMessageA(window, WM_USER + 1, 0, 0);
    EXPECT_EQ(PeekAll(), (std::vector<UINT>{WM_USER, WM_QUIT, WM_USER + 1}));
}

TEST_F(MessageQueueTest, PaintComesOnlyWhenNothingIsPostedAndStaysUntilValidated) {
    HWND window = Make();
    Take();
    PostMessageA(window, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_PAINT));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)); // removal does not validate
    EXPECT_EQ(msg.message, UINT(WM_PAINT));
    DispatchMessageA(&msg); // DefWindowProcA paints: erase first, then valid
    EXPECT_EQ(Take({WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, BeginPaintReportsTheUpdateAreaAndHiddenWindowsAreNotPainted) {
    HWND window = Make();
    HWND hidden = Make(WS_POPUP);
    ValidateRect(window, nullptr);
    RECT part{10, 10, 30, 20};
    InvalidateRect(window, &part, FALSE);
    InvalidateRect(hidden, nullptr, TRUE);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, window);
    PAINTSTRUCT paint;
    EXPECT_NE(BeginPaint(window, &paint), nullptr);
    EXPECT_EQ(paint.rcPaint.left, 10);
    EXPECT_EQ(paint.rcPaint.bottom, 20);
    EXPECT_FALSE(paint.fErase);
    EndPaint(window, &paint);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));

    ShowWindow(hidden, SW_SHOWNA);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, hidden);
}

TEST_F(MessageQueueTest, ValidatingABandOfTheUpdateAreaShrinksIt) {
    HWND window = Make();
    RECT top{0, 0, 200, 40};
    ValidateRect(window, &top);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update.top, 40);
    RECT rest{0, 30, 200, 100};
    ValidateRect(window, &rest);
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
}

TEST_F(MessageQueueTest, ADestroyedWindowTakesItsMessagesAlong) {
    HWND gone = Make(WS_POPUP);
    HWND stays = Make(WS_POPUP);
    PostMessageA(gone, WM_USER, 0, 0);
    PostMessageA(stays, WM_USER + 1, 0, 0);
    DestroyWindow(gone);
    EXPECT_EQ(PeekAll(), (std::vector<UINT>{WM_USER + 1}));
}

TEST_F(MessageQueueTest, ForgedTimerMessagesDoNotCallArbitraryProcedures) {
    static int calls = 0;
    TIMERPROC proc = [](HWND, UINT, UINT_PTR, DWORD) { ++calls; };
    HWND window = Make(WS_POPUP);
    MSG forged{window, WM_TIMER, 5, reinterpret_cast<LPARAM>(proc), 0, {}};
    DispatchMessageA(&forged);
    EXPECT_EQ(calls, 0);
    SetTimer(window, 5, 100, proc);
    DispatchMessageA(&forged);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(Take({WM_TIMER}).empty()); // the procedure replaces the window procedure
}

} // namespace
} // namespace window_test
