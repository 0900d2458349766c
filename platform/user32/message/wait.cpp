#include "platform/user32/message/wait.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/drivers/display/backend.h"
#include "platform/kernel32/virtual_clock.h"
#include "platform/user32/message/sources.h"
#include "platform/user32/message/timers.h"

namespace platform {
namespace {

constexpr DWORD kWaitForever = 0xFFFFFFFF;
constexpr DWORD kIdleStep = 10;
constexpr DWORD kDeadlockAfter = 60000;

DWORD idleTime = 0;

// The sooner of the next due timer and the next due source message.
std::optional<DWORD> TimeToNextDue(const MessageFilter& filter) {
    auto timer = TimeToNextTimer(filter);
    auto source = TimeToNextSourceMessage();
    if (timer && source) return std::min(*timer, *source);
    return timer ? timer : source;
}

void WaitVirtually(const MessageFilter& filter) {
    if (auto wait = TimeToNextDue(filter)) {
        Sleep(*wait);
        return;
    }
    if (idleTime >= kDeadlockAfter) {
        std::fprintf(stderr,
                     "GetMessageA: deadlock - nothing posted, nothing to paint and no "
                     "timer, with the virtual clock %lu ms on\n",
                     static_cast<unsigned long>(idleTime));
        std::abort();
    }
    Display().WaitForInput(0);
    Sleep(kIdleStep);
    idleTime += kIdleStep;
}

} // namespace

void WaitForMessage(const MessageFilter& filter) {
    if (ClockIsVirtual()) {
        WaitVirtually(filter);
        return;
    }
    auto wait = TimeToNextDue(filter);
    Display().WaitForInput(wait ? *wait : kWaitForever);
}

void NoteMessageDelivered() {
    idleTime = 0;
}

} // namespace platform
