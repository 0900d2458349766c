// Rectangles, coordinates, visibility and the display-side queries.
#include "platform/user32/window/manager.h"
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class WindowGeometryTest : public WindowTest {};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(WindowGeometryTest, ChildAreasAreRelativeToTheirParentsClientArea) {
    HWND top = Make(WS_POPUP | WS_VISIBLE, {100, 50, 400, 300});
    HWND child = MakeChild(top, {10, 20, 110, 70});
    HWND inner = MakeChild(child, {5, 5, 15, 15});
    RECT rect;
    GetClientRect(inner, &rect);
    EXPECT_TRUE(rect == (RECT{0, 0, 10, 10}));
    GetWindowRect(inner, &rect);
    EXPECT_TRUE(rect == (RECT{115, 75, 125, 85}));
    POINT point{0, 0};
    ClientToScreen(child, &point);
    EXPECT_EQ(point.x, 110);
    ScreenToClient(inner, &point);
    EXPECT_EQ(point.x, -5);
    EXPECT_EQ(platform::TopLevelOf(inner), top);
    EXPECT_EQ(GetParent(inner), child);
    EXPECT_TRUE(IsChild(top, inner));
    EXPECT_EQ(WindowFromPoint(POINT{120, 80}), inner);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), GetDesktopWindow());
}

TEST_F(WindowGeometryTest, MovingAndResizingTellTheWindowAndRepaintIt) {
    HWND window = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    ValidateRect(window, nullptr);
    Take();
    MoveWindow(window, 10, 20, 100, 100, TRUE);
    EXPECT_EQ(Take(), (std::vector<UINT>{WM_MOVE}));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE)); // moved only: nothing to repaint
    SetWindowPos(window, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].message, UINT(WM_SIZE));
    EXPECT_EQ(log[0].lParam, MAKELONG(50, 40));
    EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
    RECT onScreen;
    platform::ClientRectOnScreen(window, &onScreen);
    EXPECT_TRUE(onScreen == (RECT{10, 20, 60, 60}));
}

TEST_F(WindowGeometryTest, VisibilityFollowsAncestorsAndFullScreenNeedsTheWholeDesktop) {
    platform::testing::SetDesktopSize(640, 480);
    HWND full = Make(WS_POPUP | WS_VISIBLE, {0, 0, 640, 480});
    HWND partial = Make(WS_POPUP | WS_VISIBLE, {0, 0, 640, 479});
    HWND overlapped = Make(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 640, 480});
    HWND child = MakeChild(full, {0, 0, 640, 480});
    EXPECT_TRUE(platform::IsFullScreen(full));
    EXPECT_FALSE(platform::IsFullScreen(partial));
    EXPECT_FALSE(platform::IsFullScreen(overlapped));
    EXPECT_FALSE(platform::IsFullScreen(child));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    EXPECT_TRUE(desktop == (RECT{0, 0, 640, 480}));

    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(full, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_FALSE(platform::IsShownOnScreen(child));
    EXPECT_EQ(platform::TopLevelWindows(), (std::vector<HWND>{full, partial, overlapped}));
}

TEST_F(WindowGeometryTest, TopmostWindowsStayAboveAndZOrderCanChange) {
    HWND topmost = CreateWindowExA(WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                   nullptr, nullptr, nullptr, nullptr);
    HWND later = Make(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
    EXPECT_EQ(WindowFromPoint(POINT{1, 1}), topmost);
    SetWindowPos(later, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(POINT{1, 1}), later);
    SetWindowPos(later, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(platform::TopLevelWindows(), (std::vector<HWND>{later, topmost}));
}

TEST_F(WindowGeometryTest, ChildrenAreFoundByIdentifierAndWalkedFromTheTop) {
    HWND dialog = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    HWND first = CreateWindowExA(0, kClass, "", WS_CHILD, 0, 0, 5, 5, dialog,
                                 reinterpret_cast<HMENU>(1001), nullptr, nullptr);
    HWND second = CreateWindowExA(0, kClass, "", WS_CHILD, 0, 0, 5, 5, dialog,
                                  reinterpret_cast<HMENU>(1002), nullptr, nullptr);
    EXPECT_EQ(GetDlgItem(dialog, 1002), second);
    EXPECT_EQ(GetDlgCtrlID(first), 1001);
    EXPECT_EQ(GetDlgItem(dialog, 7), nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_CHILD), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), nullptr);
}

TEST_F(WindowGeometryTest, HidingOrMovingAChildRepaintsItsParentWhereItWas) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    HWND child = MakeChild(parent, {10, 10, 30, 30});
    ValidateRect(parent, nullptr);
    ValidateRect(child, nullptr);
    MoveWindow(child, 50, 50, 20, 20, TRUE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_TRUE(update == (RECT{10, 10, 30, 30}));
    EXPECT_TRUE(GetUpdateRect(child, &update, FALSE));

    ValidateRect(parent, nullptr);
    ShowWindow(child, SW_HIDE);
    ASSERT_TRUE(GetUpdateRect(parent, &update, FALSE));
    EXPECT_TRUE(update == (RECT{50, 50, 70, 70}));
}

} // namespace
} // namespace window_test
