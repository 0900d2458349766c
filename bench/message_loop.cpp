// The cost of the message traffic the saver's frame loop makes: one self-posted tick per
// pass, a drain of the window's messages, a paint now and then, and a timer.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/testing/clock.h"
#include "platform/testing/windows.h"
#include "platform/win32.h"

namespace {

constexpr UINT kFrameTick = 0x1D03;

// No host display for a benchmark; chosen before the first use of the display.
const bool kHeadless = setenv("LUMARIS_DISPLAY", "headless", 0) == 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindows(int count) {
    platform::testing::ResetWindows();
    platform::testing::UseVirtualClock(0);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = "BenchWindow";
    RegisterClassA(&windowClass);
    HWND last = nullptr;
    for (int i = 0; i < count; ++i) {
        last = CreateWindowExA(0, "BenchWindow", "", WS_POPUP | WS_VISIBLE, i, 0, 64, 64, nullptr,
                               nullptr, nullptr, nullptr);
    }
    return last;
}

void DrainWindow(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void BM_FrameTickPass(benchmark::State& state) {
    HWND window = MakeWindows(static_cast<int>(state.range(0)));
    SetTimer(window, 1, 1000, nullptr);
    for (auto _ : state) {
        PostMessageA(window, kFrameTick, WPARAM(-1), LPARAM(-1));
        PostMessageA(window, WM_MOUSEMOVE, 0, 0);
        MSG msg;
        GetMessageA(&msg, nullptr, 0, 0);
        DispatchMessageA(&msg);
        DrainWindow(window);
        if (state.iterations() % 16 == 0) InvalidateRect(window, nullptr, FALSE);
    }
    state.SetItemsProcessed(state.iterations());
    platform::testing::ResetWindows();
}
BENCHMARK(BM_FrameTickPass)->Arg(1)->Arg(8);

void BM_SendMessage(benchmark::State& state) {
    HWND window = MakeWindows(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageA(window, WM_USER, 0, 0));
    platform::testing::ResetWindows();
}
BENCHMARK(BM_SendMessage);

} // namespace
