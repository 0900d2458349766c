// A window class that records every message its windows receive, on a virtual clock.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/testing/clock.h"
#include "platform/testing/display.h"
#include "platform/testing/windows.h"
#include "platform/win32.h"

namespace window_test {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class WindowTest : public ::testing::Test {
protected:
    static constexpr const char* kClass = "RecordingWindow";

    void SetUp() override {
        Reset();
        platform::testing::UseVirtualClock(1000);
        current = this;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.lpszClassName = kClass;
        ASSERT_NE(RegisterClassA(&windowClass), 0);
    }

    void TearDown() override {
        Reset();
        platform::testing::UseRealClock();
        current = nullptr;
    }

    static void Reset() {
        platform::testing::ResetWindows();
        platform::testing::ResetDisplay();
    }

    HWND Make(DWORD style = WS_POPUP | WS_VISIBLE, RECT rect = {0, 0, 200, 100},
              HWND parent = nullptr, const char* title = "") {
        return CreateWindowExA(0, kClass, title, style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    }
    HWND MakeChild(HWND parent, RECT rect, DWORD style = WS_VISIBLE) {
        return Make(WS_CHILD | style, rect, parent);
    }

    // Messages received so far, optionally only these kinds; and forgets them.
    std::vector<UINT> Take(std::vector<UINT> only = {}) {
        std::vector<UINT> messages;
        for (const Received& r : log) {
            bool wanted = only.empty();
            for (UINT m : only)
                wanted = wanted || m == r.message;
            if (wanted) messages.push_back(r.message);
        }
        log.clear();
        return messages;
    }

    // Dispatches every message that is ready now.
    int Drain() {
        MSG msg;
        int count = 0;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            ++count;
        }
        return count;
    }

    // Runs a handler for one kind of message instead of DefWindowProcA.
    using Handler = std::function<LRESULT(HWND, WPARAM, LPARAM)>;
    void On(UINT message, Handler handler) { handlers.push_back({message, std::move(handler)}); }

    std::vector<Received> log;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        WindowTest* test = current;
        test->log.push_back({window, message, wParam, lParam});
        for (auto& entry : test->handlers) {
            if (entry.first == message) return entry.second(window, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    std::vector<std::pair<UINT, Handler>> handlers;
    static inline WindowTest* current = nullptr;
};

} // namespace window_test
