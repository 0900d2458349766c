// The millisecond clock over the host's monotonic clock, or a virtual clock.
#include <chrono>
#include <thread>

#include "platform/kernel32/virtual_clock.h"
#include "platform/win32.h"

namespace {

struct ClockState {
    bool isVirtual = false;
    DWORD virtualNow = 0;
};

ClockState& State() {
    static ClockState state;
    return state;
}

} // namespace

DWORD WINAPI GetTickCount(void) {
    if (State().isVirtual) return State().virtualNow;
    auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<DWORD>(ms); // keeps the low 32 bits: the counter wraps
}

VOID WINAPI Sleep(DWORD dwMilliseconds) {
    if (State().isVirtual) {
        platform::AdvanceClock(dwMilliseconds);
    } else if (dwMilliseconds == 0) {
        std::this_thread::yield();
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
    }
}

namespace platform {

void UseVirtualClock(DWORD start) {
    State().isVirtual = true;
    State().virtualNow = start;
}

void AdvanceClock(DWORD milliseconds) {
    State().virtualNow += milliseconds;
}

void UseRealClock() {
    State().isVirtual = false;
}

bool ClockIsVirtual() {
    return State().isVirtual;
}

} // namespace platform
