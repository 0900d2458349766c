// Calling window procedures: at once for sent messages, from a retrieved message for
// DispatchMessageA. The record is not touched after the call: the procedure may have
// destroyed its window.
#include "platform/user32/message/timers.h"
#include "platform/user32/window/table.h"

using namespace platform;

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* record = FindWindowRecord(window);
    if (!record || !record->procedure) return 0;
    WNDPROC procedure = record->procedure;
    return procedure(window, message, wParam, lParam);
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam,
                               LPARAM lParam) {
    return proc ? proc(window, message, wParam, lParam) : 0;
}

// A WM_TIMER names its TIMERPROC in lParam; only a procedure that a live timer was set with
// is called, so a forged message cannot make us jump to an arbitrary address.
LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto procedure = reinterpret_cast<TIMERPROC>(msg->lParam);
        if (IsLiveTimerProcedure(msg->hwnd, msg->wParam, procedure)) {
            procedure(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        }
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
