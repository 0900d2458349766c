// Creation and destruction: their messages, their order and what is left afterwards.
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class WindowLifecycleTest : public WindowTest {};

TEST_F(WindowLifecycleTest, CreationDeliversItsMessagesBeforeReturningThenShowsAndActivates) {
    CREATESTRUCTA seen{};
    On(WM_CREATE, [&](HWND, WPARAM, LPARAM lParam) {
        seen = *reinterpret_cast<CREATESTRUCTA*>(lParam);
        return LRESULT(0);
    });
    int param = 0;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kClass, "Screen Saver", WS_POPUP | WS_VISIBLE, 0,
                                  0, 300, 200, nullptr, nullptr, nullptr, &param);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(seen.lpCreateParams, &param);
    EXPECT_EQ(seen.cx, 300);
    EXPECT_EQ(seen.dwExStyle, DWORD(WS_EX_TOPMOST));
    EXPECT_EQ(Take(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW,
                                         WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetFocus(), window);

    HWND hidden = Make(WS_POPUP);
    EXPECT_EQ(Take(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_FALSE(IsWindowVisible(hidden));
}

TEST_F(WindowLifecycleTest, RefusedCreationDestroysTheWindowAndReturnsNull) {
    HWND refused = nullptr;
    On(WM_CREATE, [&](HWND window, WPARAM, LPARAM) {
        refused = window;
        return LRESULT(-1);
    });
    EXPECT_EQ(Make(), nullptr);
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(Take(), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    EXPECT_EQ(FindWindowA(kClass, nullptr), nullptr);

    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(Make(WS_CHILD, {0, 0, 1, 1}, nullptr), nullptr); // a child needs a parent
}

TEST_F(WindowLifecycleTest, DestroyGoesToOwnedWindowsFirstAndToTheParentBeforeItsChildren) {
    HWND parent = Make();
    HWND child = MakeChild(parent, {0, 0, 50, 50});
    HWND grandchild = MakeChild(child, {0, 0, 10, 10});
    HWND owned = Make(WS_POPUP, {0, 0, 10, 10}, parent);
    SetTimer(child, 1, 10, nullptr);
    log.clear();
    bool childAliveDuringParentDestroy = false;
    On(WM_DESTROY, [&](HWND window, WPARAM, LPARAM) {
        if (window == parent) childAliveDuringParentDestroy = IsWindow(child) != 0;
        EXPECT_FALSE(DestroyWindow(window)); // already going
        return LRESULT(0);
    });

    EXPECT_TRUE(DestroyWindow(parent));
    std::vector<std::pair<HWND, UINT>> sequence;
    for (const Received& r : log) {
        if (r.message == WM_DESTROY || r.message == WM_NCDESTROY) {
            sequence.push_back({r.window, r.message});
        }
    }
    EXPECT_EQ(sequence, (std::vector<std::pair<HWND, UINT>>{{owned, WM_DESTROY},
                                                            {owned, WM_NCDESTROY},
                                                            {parent, WM_DESTROY},
                                                            {child, WM_DESTROY},
                                                            {grandchild, WM_DESTROY},
                                                            {grandchild, WM_NCDESTROY},
                                                            {child, WM_NCDESTROY},
                                                            {parent, WM_NCDESTROY}}));
    EXPECT_TRUE(childAliveDuringParentDestroy);
    for (HWND w : {parent, child, grandchild, owned})
        EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(DestroyWindow(parent));
    EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
    // Handles are not reused, so the old one stays invalid.
    EXPECT_NE(Make(), parent);
    EXPECT_FALSE(IsWindow(parent));
}

TEST_F(WindowLifecycleTest, ActivationReturnsToTheOwnerWhenAnOwnedWindowGoes) {
    HWND owner = Make();
    HWND dialog = Make(WS_POPUP | WS_VISIBLE, {0, 0, 10, 10}, owner);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetParent(dialog), owner);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), owner);
}

TEST_F(WindowLifecycleTest, ClassesAreUniqueAndCannotGoWhileInUse) {
    WNDCLASSA again{};
    again.lpfnWndProc = DefWindowProcA;
    again.lpszClassName = "recordingwindow";
    EXPECT_EQ(RegisterClassA(&again), 0); // names compare without regard to case
    HWND window = Make(WS_POPUP);
    EXPECT_FALSE(UnregisterClassA(kClass, nullptr));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("RECORDINGWINDOW", nullptr));
    EXPECT_EQ(Make(WS_POPUP), nullptr);
    again.lpszClassName = "";
    EXPECT_EQ(RegisterClassA(&again), 0);
}

TEST_F(WindowLifecycleTest, TextClassNameAndWindowLongs) {
    HWND window = Make(WS_POPUP, {0, 0, 10, 10}, nullptr, "Preview");
    char buffer[5];
    EXPECT_EQ(GetWindowTextA(window, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "Prev");
    EXPECT_EQ(GetClassNameA(window, buffer, 3), 2);
    EXPECT_STREQ(buffer, "Re");
    On(WM_SETTEXT, [](HWND, WPARAM, LPARAM) { return LRESULT(0); }); // a procedure may refuse
    EXPECT_FALSE(SetWindowTextA(window, "Other"));
    EXPECT_EQ(FindWindowA("recordingWINDOW", "preview"), window);
    EXPECT_EQ(FindWindowA(nullptr, "Other"), nullptr);

    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 1234);
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    static int subclassed = 0;
    SetWindowLongPtrA(window, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(
                          +[](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return ++subclassed; }));
    EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 1);
    EXPECT_EQ(CallWindowProcA(original, window, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, 0), 0); // no extra bytes: out of range
}

} // namespace
} // namespace window_test
