// Timers under the virtual clock: GetMessageA sleeps to the next due timer.
#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

class MessageTimerTest : public WindowTest {
protected:
    struct Tick {
        UINT_PTR id;
        DWORD time;
    };

    // Fetches the next messages with GetMessageA until `count` timer ticks have come.
    std::vector<Tick> NextTicks(int count) {
        std::vector<Tick> ticks;
        MSG msg;
        while (static_cast<int>(ticks.size()) < count && GetMessageA(&msg, nullptr, 0, 0)) {
            if (msg.message == WM_TIMER) ticks.push_back({msg.wParam, GetTickCount()});
            DispatchMessageA(&msg);
        }
        return ticks;
    }
};

TEST_F(MessageTimerTest, SeveralTimersFireAtTheirIntervalsInOrderOfDueTime) {
    HWND window = Make(WS_POPUP);
    SetTimer(window, 1, 30, nullptr);
    SetTimer(window, 2, 50, nullptr);
    auto ticks = NextTicks(5);
    std::vector<UINT_PTR> ids;
    std::vector<DWORD> times;
    for (const Tick& t : ticks) {
        ids.push_back(t.id);
        times.push_back(t.time - 1000);
    }
    EXPECT_EQ(ids, (std::vector<UINT_PTR>{1, 2, 1, 1, 2}));
    EXPECT_EQ(times, (std::vector<DWORD>{30, 50, 60, 90, 100}));
}

TEST_F(MessageTimerTest, TimersRunAcrossTheWrapOfTheTickCounter) {
    platform::testing::UseVirtualClock(0xFFFFFFF0u);
    HWND window = Make(WS_POPUP);
    SetTimer(window, 1, 40, nullptr);
    auto ticks = NextTicks(2);
    EXPECT_EQ(ticks[0].time, 0x18u);
    EXPECT_EQ(ticks[1].time, 0x40u);
}

TEST_F(MessageTimerTest, TimerMessagesWaitBehindPostedMessagesAndPaint) {
    HWND window = Make();
    SetTimer(window, 1, 10, nullptr);
    platform::testing::AdvanceClock(25);
    PostMessageA(window, WM_USER, 0, 0);
    MSG msg;
    std::vector<UINT> order;
    for (int i = 0; i < 3 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        order.push_back(msg.message);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_PAINT, WM_TIMER}));
    // Missed periods are not made up: one tick, then the next only when due again.
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    platform::testing::AdvanceClock(5);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(MessageTimerTest, KilledAndDestroyedWindowsTimersStopAndReplacingRestarts) {
    HWND a = Make(WS_POPUP);
    HWND b = Make(WS_POPUP);
    SetTimer(a, 1, 20, nullptr);
    SetTimer(a, 2, 20, nullptr);
    SetTimer(b, 1, 20, nullptr);
    EXPECT_TRUE(KillTimer(a, 2));
    EXPECT_FALSE(KillTimer(a, 2));
    DestroyWindow(b);
    platform::testing::AdvanceClock(15);
    SetTimer(a, 1, 20, nullptr); // same id: restarts the period
    auto ticks = NextTicks(2);
    EXPECT_EQ(ticks[0].id, 1u);
    EXPECT_EQ(ticks[0].time, 1035u);
    EXPECT_EQ(ticks[1].time, 1055u);
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x77), 1, 10, nullptr), 0u);
}

TEST_F(MessageTimerTest, ThreadTimerCallsItsProcedureThroughDispatch) {
    static std::vector<UINT_PTR> fired;
    fired.clear();
    UINT_PTR id = SetTimer(nullptr, 0, 15, [](HWND window, UINT message, UINT_PTR timer, DWORD) {
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(message, UINT(WM_TIMER));
        fired.push_back(timer);
    });
    ASSERT_NE(id, 0u);
    NextTicks(2);
    EXPECT_EQ(fired, (std::vector<UINT_PTR>{id, id}));
    EXPECT_EQ(GetTickCount(), 1030u);
}

TEST_F(MessageTimerTest, WaitingForAMessageThatCannotComeReportsADeadlock) {
    HWND window = Make(WS_POPUP);
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {});
    MSG msg;
    // Only this window's messages are wanted; the thread timer cannot wake the wait.
    EXPECT_DEATH(GetMessageA(&msg, window, 0, 0), "deadlock");
}

} // namespace
} // namespace window_test
