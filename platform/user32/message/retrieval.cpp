// PeekMessageA and GetMessageA. Delivery order as on Windows: posted messages first (the
// quit request in its place among them), then WM_PAINT for an invalid window, then
// WM_TIMER for a due timer. Host input, termination signals and what the message sources
// (the wave-out devices) have due are taken in first, turning into posted messages.
#include "platform/drivers/display/backend.h"
#include "platform/host/posix/termination_signals.h"
#include "platform/user32/message/queue.h"
#include "platform/user32/message/sources.h"
#include "platform/user32/message/timers.h"
#include "platform/user32/message/wait.h"
#include "platform/user32/window/paint.h"

namespace platform {
namespace {

DWORD lastMessageTime = 0;

// The backend's pump may send messages whose handlers peek again; it is not re-entered.
void PumpHostInput() {
    static bool pumping = false;
    if (pumping) return;
    pumping = true;
    Display().PumpInput();
    pumping = false;
}

bool Retrieve(const MessageFilter& filter, bool remove, MSG* out) {
    DeliverTerminationRequests();
    PumpHostInput();
    PostDueSourceMessages();
    bool found = TakePostedMessage(filter, remove, out) || TakePaintMessage(filter, out) ||
                 TakeDueTimer(filter, remove, out);
    if (found && remove) {
        lastMessageTime = out->time;
        NoteMessageDelivered();
    }
    return found;
}

bool IsFilterWindowValid(HWND window) {
    return !window || window == reinterpret_cast<HWND>(-1) || IsWindow(window);
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (!msg) return FALSE;
    return Retrieve(MessageFilter{window, filterMin, filterMax}, (remove & PM_REMOVE) != 0, msg)
               ? TRUE
               : FALSE;
}

// -1 for a filter window that does not exist, as on Windows.
BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    if (!msg || !IsFilterWindowValid(window)) return -1;
    MessageFilter filter{window, filterMin, filterMax};
    while (!Retrieve(filter, true, msg))
        WaitForMessage(filter);
    return msg->message != WM_QUIT;
}

BOOL WINAPI WaitMessage(void) {
    MessageFilter anything;
    MSG msg;
    while (!Retrieve(anything, false, &msg))
        WaitForMessage(anything);
    return TRUE;
}

LONG WINAPI GetMessageTime(void) {
    return LONG(lastMessageTime);
}
