// Host input routed to windows: keys, mouse, capture, activation and close requests.
#include "platform/user32/input/host_input.h"
#include "platform/user32/window/manager.h"
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class WindowInputTest : public WindowTest {
protected:
    std::vector<MSG> Pending() {
        std::vector<MSG> messages;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_PAINT) messages.push_back(msg);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return messages;
    }
};

TEST_F(WindowInputTest, KeysGoToTheFocusOrElseTheActiveWindowAndTranslateToCharacters) {
    HWND top = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    HWND edit = MakeChild(top, {0, 0, 10, 10});
    SetFocus(edit);
    platform::InjectKey(VK_SHIFT, true, false);
    platform::InjectKey('A', true, false);
    platform::InjectKey('A', true, false); // auto-repeat: previous state set
    auto messages = Pending();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[1].hwnd, edit);
    EXPECT_EQ(messages[2].message, UINT(WM_CHAR));
    EXPECT_EQ(messages[2].wParam, WPARAM('A'));
    EXPECT_EQ(messages[3].lParam & (1 << 30), 1 << 30);
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);

    SetFocus(nullptr);
    platform::InjectKey(VK_F4, true, true);
    messages = Pending();
    ASSERT_GE(messages.size(), 1u);
    EXPECT_EQ(messages[0].hwnd, top);
    EXPECT_EQ(messages[0].message, UINT(WM_SYSKEYDOWN));
    EXPECT_FALSE(IsWindow(top)); // Alt+F4 through DefWindowProcA closes the window
}

TEST_F(WindowInputTest, MouseGoesToTheWindowUnderTheCursorOrTheCaptureInClientCoordinates) {
    HWND left = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    HWND right = Make(WS_POPUP | WS_VISIBLE, {100, 0, 200, 100});
    Pending();
    Take();
    platform::InjectMouseMove(POINT{150, 20});
    EXPECT_EQ(Take({WM_SETCURSOR}), (std::vector<UINT>{WM_SETCURSOR}));
    auto messages = Pending();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].hwnd, right);
    EXPECT_EQ(GET_X_LPARAM(messages[0].lParam), 50);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 150);

    SetCapture(left);
    platform::InjectMouseButton(0, true, POINT{160, 30});
    messages = Pending();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].hwnd, left);
    EXPECT_EQ(messages[0].message, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(GET_X_LPARAM(messages[0].lParam), 160);
    EXPECT_EQ(messages[0].wParam & MK_LBUTTON, WPARAM(MK_LBUTTON));
    ReleaseCapture();

    platform::InjectMouseButton(1, true, POINT{150, 20}); // a click activates its window
    EXPECT_EQ(GetActiveWindow(), right);
    platform::InjectMouseMove(POINT{5000, -3}); // the cursor stays on the desktop
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 1023);
    EXPECT_EQ(cursor.y, 0);
}

TEST_F(WindowInputTest, AWindowAppearingUnderAStillCursorGetsAMouseMove) {
    SetCursorPos(50, 50);
    HWND window = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    auto messages = Pending();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].hwnd, window);
    EXPECT_EQ(messages[0].message, UINT(WM_MOUSEMOVE));
    EXPECT_EQ(GET_Y_LPARAM(messages[0].lParam), 50);
}

TEST_F(WindowInputTest, LosingAndRegainingActivationTellsTheWindowsInWindowsOrder) {
    HWND window = Make();
    HWND other = Make(WS_POPUP);
    Take();
    platform::InjectActivateApp(false);
    EXPECT_EQ(Take({WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS}),
              (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_ACTIVATEAPP,
                                 WM_KILLFOCUS}));
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    platform::InjectActivateApp(false); // no change, no messages
    EXPECT_TRUE(Take().empty());

    platform::InjectActivateApp(true);
    EXPECT_EQ(GetActiveWindow(), window);
    bool sawActivateApp = false;
    for (const Received& r : log) {
        if (r.message == WM_ACTIVATEAPP) {
            EXPECT_EQ(r.wParam, WPARAM(TRUE));
            sawActivateApp = true;
        }
    }
    EXPECT_TRUE(sawActivateApp);
    EXPECT_EQ(GetFocus(), window);

    platform::InjectCloseRequest(other);
    auto messages = Pending();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, UINT(WM_CLOSE));
    EXPECT_FALSE(IsWindow(other));
}

TEST_F(WindowInputTest, CursorShowCountAndShape) {
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(SetCursor(nullptr), arrow);
    EXPECT_FALSE(platform::CursorIsShown());
    EXPECT_EQ(GetCursor(), nullptr);
}

} // namespace
} // namespace window_test
