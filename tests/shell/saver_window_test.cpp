// The saver window ends at the first key, click, deactivation or cursor drift of more than
// 50 pixels; a preview never ends on input and hands help requests to its host.
#include "platform/user32/input/host_input.h"
#include "tests/shell/shell_fixture.h"

namespace {

using SaverWindow = ShellTest;

TEST_F(SaverWindow, CursorDriftAddsUpAndClosesOnlyAboveFiftyPixels) {
    ASSERT_TRUE(FullScreenSaver());
    SendMessageA(saver, WM_MOUSEMOVE, 0, 0); // the window appearing under a still cursor
    EXPECT_FALSE(CloseRequested());
    MoveCursorTo(330, 300);
    EXPECT_FALSE(CloseRequested());
    MoveCursorTo(350, 300); // 50 is not above 50
    EXPECT_FALSE(CloseRequested());
    MoveCursorTo(330, 325); // 30 + 25 from the start
    EXPECT_TRUE(CloseRequested());
}

TEST_F(SaverWindow, KeysClicksAndDeactivationEachAskToClose) {
    ASSERT_TRUE(FullScreenSaver());
    const UINT ending[] = {WM_KEYDOWN,     WM_SYSKEYDOWN,  WM_LBUTTONDOWN,
                           WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_ACTIVATEAPP};
    for (UINT message : ending) {
        SendMessageA(saver, message, 0, 0);
        EXPECT_TRUE(CloseRequested()) << std::hex << message;
        ForgetCloseRequests();
    }
    SendMessageA(saver, WM_ACTIVATEAPP, TRUE, 0);
    SendMessageA(saver, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(CloseRequested());
    EXPECT_EQ(SendMessageA(saver, WM_SYSCOMMAND, SC_NEXTWINDOW, 0), 0);
    EXPECT_EQ(SendMessageA(saver, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_TRUE(IsWindow(saver));
}

TEST_F(SaverWindow, APreviewIgnoresInputAndSendsHelpToItsHost) {
    ASSERT_TRUE(PreviewSaver());
    EXPECT_EQ(saver, saverScene.targetWindow);
    EXPECT_FALSE(saverScene.fullScreen);
    SendMessageA(saver, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(saver, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(saver, WM_ACTIVATEAPP, FALSE, 0);
    MoveCursorTo(900, 700);
    EXPECT_FALSE(CloseRequested());

    EXPECT_EQ(SendMessageA(saver, WM_CONTEXTMENU, 0, MAKELONG(5, 6)), 1);
    MSG forwarded;
    ASSERT_TRUE(PeekMessageA(&forwarded, host, WM_CONTEXTMENU, WM_CONTEXTMENU, PM_REMOVE));
    EXPECT_EQ(forwarded.wParam, reinterpret_cast<WPARAM>(host));
    EXPECT_EQ(forwarded.lParam, MAKELONG(5, 6));
}

// Presses a key once, from inside the running saver's message loop.
void CALLBACK PressSpace(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    platform::InjectKey(VK_SPACE, true, false);
}

void CALLBACK DriftCursor(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    platform::InjectMouseMove({300, 360});
}

TEST_F(SaverWindow, InputEndsTheRunningSaverWithCodeZeroAndTheHueStored) {
    for (TIMERPROC input : {PressSpace, DriftCursor}) {
        WriteSetting(kHueSetting, 42);
        ASSERT_TRUE(FullScreenSaver());
        SetForegroundWindow(saver);
        SetTimer(saver, 1, 500, input);
        WriteSetting(kHueSetting, 7); // the scene read 42 and stores it back
        EXPECT_EQ(RunSaverMessageLoop(), 0);
        EXPECT_FALSE(IsWindow(saver));
        EXPECT_GE(FramesDrawn(), 10);
        EXPECT_EQ(ReadSetting(kHueSetting, -1), 42);
        platform::testing::ResetWindows();
        SetCursorPos(300, 300);
    }
}

TEST_F(SaverWindow, ASecondFullScreenStartActivatesTheFirst) {
    ASSERT_TRUE(FullScreenSaver());
    HWND other = MakeWindow(WS_POPUP | WS_VISIBLE, 100, 100, nullptr, DefWindowProcA);
    SetForegroundWindow(other);
    EXPECT_EQ(RunSaverWindow(nullptr), 0);
    EXPECT_EQ(GetForegroundWindow(), saver);
    EXPECT_TRUE(IsWindow(saver));
}

} // namespace
