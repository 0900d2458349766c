// Timers measure from their start with unsigned 32-bit differences, so they run across
// the wrap of the millisecond counter.
#include "platform/user32/message/timers.h"

#include <algorithm>
#include <vector>

#include "platform/user32/message/queue.h"

namespace platform {
namespace {

constexpr UINT kMinimumInterval = 10;
constexpr UINT kMaximumInterval = 0x7FFFFFFF;
constexpr UINT_PTR kFirstThreadTimerId = 0x7F00;

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT interval;
    TIMERPROC procedure;
    DWORD start; // the period in progress began here

    DWORD Elapsed(DWORD now) const { return now - start; }
    bool IsDue(DWORD now) const { return Elapsed(now) >= interval; }
};

struct TimerTable {
    std::vector<Timer> timers;
    UINT_PTR nextThreadId = kFirstThreadTimerId;
};

TimerTable& Table() {
    static TimerTable table;
    return table;
}

std::vector<Timer>::iterator FindTimer(HWND window, UINT_PTR id) {
    auto& timers = Table().timers;
    return std::find_if(timers.begin(), timers.end(),
                        [&](const Timer& t) { return t.window == window && t.id == id; });
}

// The due timer that has waited longest past its time, among those the filter accepts.
std::vector<Timer>::iterator MostOverdue(const MessageFilter& filter, DWORD now) {
    auto& timers = Table().timers;
    auto best = timers.end();
    for (auto timer = timers.begin(); timer != timers.end(); ++timer) {
        if (!timer->IsDue(now) || !filter.Matches(timer->window, WM_TIMER)) continue;
        DWORD overdue = timer->Elapsed(now) - timer->interval;
        if (best == timers.end() || overdue > best->Elapsed(now) - best->interval) best = timer;
    }
    return best;
}

UINT_PTR ThreadTimerId(UINT_PTR requested) {
    if (requested && FindTimer(nullptr, requested) != Table().timers.end()) return requested;
    return Table().nextThreadId++;
}

} // namespace

bool TakeDueTimer(const MessageFilter& filter, bool remove, MSG* out) {
    DWORD now = GetTickCount();
    auto timer = MostOverdue(filter, now);
    if (timer == Table().timers.end()) return false;
    *out =
        MakeMessage(timer->window, WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->procedure));
    if (remove) timer->start += timer->Elapsed(now) / timer->interval * timer->interval;
    return true;
}

std::optional<DWORD> TimeToNextTimer(const MessageFilter& filter) {
    DWORD now = GetTickCount();
    std::optional<DWORD> soonest;
    for (const Timer& timer : Table().timers) {
        if (!filter.Matches(timer.window, WM_TIMER)) continue;
        DWORD wait = timer.IsDue(now) ? 0 : timer.interval - timer.Elapsed(now);
        if (!soonest || wait < *soonest) soonest = wait;
    }
    return soonest;
}

bool IsLiveTimerProcedure(HWND window, UINT_PTR id, TIMERPROC procedure) {
    auto timer = FindTimer(window, id);
    return timer != Table().timers.end() && timer->procedure == procedure;
}

void KillTimersOf(HWND window) {
    auto& timers = Table().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return t.window == window; }),
                 timers.end());
}

void ForgetTimers() {
    Table().timers.clear();
}

} // namespace platform

using namespace platform;

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (window && !IsWindow(window)) return 0;
    if (!window) id = ThreadTimerId(id);
    Timer timer{window, id, std::clamp(elapse, kMinimumInterval, kMaximumInterval), proc,
                GetTickCount()};
    auto existing = FindTimer(window, id);
    if (existing != Table().timers.end()) {
        *existing = timer;
    } else {
        Table().timers.push_back(timer);
    }
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto timer = FindTimer(window, id);
    if (timer == Table().timers.end()) return FALSE;
    Table().timers.erase(timer);
    return TRUE;
}
