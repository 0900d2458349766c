// Window and thread timers. WM_TIMER is never queued: a due timer produces it when the
// queue is otherwise empty, one at a time, and missed periods are not made up.
#pragma once
#include <optional>

#include "platform/user32/message/filter.h"

namespace platform {

bool TakeDueTimer(const MessageFilter& filter, bool remove, MSG* out);
// Milliseconds until the next timer the filter accepts is due (0 when one is due now);
// none without such timers.
std::optional<DWORD> TimeToNextTimer(const MessageFilter& filter);
bool IsLiveTimerProcedure(HWND window, UINT_PTR id, TIMERPROC procedure);
void KillTimersOf(HWND window);
void ForgetTimers();

} // namespace platform
