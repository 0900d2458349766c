// DestroyWindow, in Windows' order: owned windows go first; WM_DESTROY reaches the window
// before its children, so they still exist while it handles it; then the records go,
// children first, each after its WM_NCDESTROY.
#include <vector>

#include "platform/drivers/display/backend.h"
#include "platform/user32/input/cursor_state.h"
#include "platform/user32/message/queue.h"
#include "platform/user32/message/timers.h"
#include "platform/user32/window/activation.h"
#include "platform/user32/window/lifecycle.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

std::vector<HWND> OwnedWindows(HWND owner) {
    std::vector<HWND> owned;
    for (HWND handle : TopLevelOrder()) {
        if (FindWindowRecord(handle)->owner == owner) owned.push_back(handle);
    }
    return owned;
}

std::vector<HWND> ChildrenOf(HWND window) {
    const Window* record = FindWindowRecord(window);
    return record ? record->children : std::vector<HWND>{};
}

void MarkDestroying(HWND window) {
    Window* record = FindWindowRecord(window);
    if (!record) return;
    record->destroying = true;
    for (HWND child : record->children)
        MarkDestroying(child);
}

void SendDestroy(HWND window) {
    if (!IsWindow(window)) return;
    SendMessageA(window, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(window))
        SendDestroy(child);
}

void FreeWindow(HWND window) {
    if (!IsWindow(window)) return;
    for (HWND child : ChildrenOf(window))
        FreeWindow(child);
    SendMessageA(window, WM_NCDESTROY, 0, 0);
    KillTimersOf(window);
    DropMessagesFor(window);
    ForgetCaptureOf(window);
    Window* record = FindWindowRecord(window);
    if (!record) return;
    bool topLevel = !record->IsChild();
    if (topLevel) Display().TopLevelDestroyed(window);
    RemoveWindowRecord(window);
}

} // namespace

void DiscardWindow(HWND window) {
    MarkDestroying(window);
    FreeWindow(window);
}

} // namespace platform

using namespace platform;

BOOL WINAPI DestroyWindow(HWND window) {
    const Window* record = FindWindowRecord(window);
    if (!record || record->destroying || window == DesktopWindow().handle) return FALSE;
    for (HWND owned : OwnedWindows(window))
        DestroyWindow(owned);
    if (!IsWindow(window)) return TRUE;
    MarkDestroying(window);
    ConcealWindow(window, false);
    ReleaseActivation(window);
    SendDestroy(window);
    FreeWindow(window);
    return TRUE;
}
