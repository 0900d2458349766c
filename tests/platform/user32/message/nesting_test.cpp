// Messages handled inside handlers: sends, drains and loops that end with the quit.
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class MessageNestingTest : public WindowTest {};

constexpr UINT kFrameTick = 0x1D03;

TEST_F(MessageNestingTest, SendMessageRunsAtOnceInsideAHandlerAndReturnsItsResult) {
    HWND window = Make(WS_POPUP);
    std::vector<std::string> trace;
    On(WM_USER, [&](HWND w, WPARAM, LPARAM) {
        trace.push_back("outer in");
        LRESULT inner = SendMessageA(w, WM_USER + 1, 0, 0);
        trace.push_back("outer out " + std::to_string(inner));
        return inner + 1;
    });
    On(WM_USER + 1, [&](HWND, WPARAM, LPARAM) {
        trace.push_back("inner");
        return LRESULT(41);
    });
    EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 42);
    EXPECT_EQ(trace, (std::vector<std::string>{"outer in", "inner", "outer out 41"}));
    EXPECT_EQ(SendMessageA(reinterpret_cast<HWND>(0x99), WM_USER, 0, 0), 0);
}

// The saver's frame loop: each tick drains the window's messages, then posts itself again
// until told to stop, then posts the quit.
TEST_F(MessageNestingTest, SelfPostingTickWithNestedDrainEndsWithTheQuitCode) {
    HWND window = Make();
    int ticks = 0;
    int drained = 0;
    bool inTick = false;
    On(kFrameTick, [&](HWND w, WPARAM, LPARAM) {
        if (inTick) return LRESULT(0);
        inTick = true;
        MSG msg;
        while (PeekMessageA(&msg, w, 0, 0, PM_REMOVE)) {
            ++drained;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (++ticks == 5) {
            PostQuitMessage(7);
        } else {
            PostMessageA(w, kFrameTick, WPARAM(-1), LPARAM(-1));
        }
        inTick = false;
        return LRESULT(0);
    });
    On(WM_USER, [&](HWND w, WPARAM, LPARAM) { // a nested tick arriving inside the drain
        PostMessageA(w, kFrameTick, 0, 0);
        return LRESULT(0);
    });
    PostMessageA(window, kFrameTick, WPARAM(-1), LPARAM(-1));
    PostMessageA(window, WM_USER, 0, 0);

    MSG msg;
    int loops = 0;
    while (GetMessageA(&msg, nullptr, 0, 0) && loops++ < 100)
        DispatchMessageA(&msg);
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(ticks, 5);
    EXPECT_GE(drained, 2); // WM_USER, the nested tick and the paint went through the drain
}

TEST_F(MessageNestingTest, CloseThroughDefWindowProcEndsTheLoopFromDestroy) {
    HWND window = Make();
    On(WM_DESTROY, [](HWND, WPARAM, LPARAM) {
        PostQuitMessage(0);
        return LRESULT(0);
    });
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0))
        DispatchMessageA(&msg);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Take({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
}

} // namespace
} // namespace window_test
