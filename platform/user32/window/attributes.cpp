// Identity, enabled state, text and the window longs.
#include <cstring>

#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

// Extra bytes of the class's cbWndExtra, addressed by byte offset; null when out of range.
BYTE* ExtraSlot(Window& window, int index, size_t size) {
    if (index < 0 || static_cast<size_t>(index) + size > window.extraBytes.size()) return nullptr;
    return window.extraBytes.data() + index;
}

LONG_PTR ReadExtra(Window& window, int index) {
    LONG_PTR value = 0;
    if (BYTE* slot = ExtraSlot(window, index, sizeof value))
        std::memcpy(&value, slot, sizeof value);
    return value;
}

LONG_PTR WriteExtra(Window& window, int index, LONG_PTR value) {
    BYTE* slot = ExtraSlot(window, index, sizeof value);
    if (!slot) return 0;
    LONG_PTR previous;
    std::memcpy(&previous, slot, sizeof previous);
    std::memcpy(slot, &value, sizeof value);
    return previous;
}

LONG_PTR* LongField(Window& window, int index) {
    switch (index) {
    case GWLP_USERDATA:
        return &window.userData;
    case GWLP_ID:
        return &window.id;
    default:
        return nullptr;
    }
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI IsWindow(HWND window) {
    return FindWindowRecord(window) ? TRUE : FALSE;
}

BOOL WINAPI IsWindowVisible(HWND window) {
    return IsShownOnScreen(window) ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND window, BOOL enable) {
    Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
    if (wasDisabled == !enable) return wasDisabled;
    if (enable) {
        record->style &= ~WS_DISABLED;
    } else {
        record->style |= WS_DISABLED;
    }
    SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND window) {
    const Window* record = FindWindowRecord(window);
    return record && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND window, int index) {
    Window* record = FindWindowRecord(window);
    if (!record) return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(record->procedure);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(record->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(record->IsChild() ? record->parent : record->owner);
    case GWL_STYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(record->style));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(record->exStyle));
    default:
        if (LONG_PTR* field = LongField(*record, index)) return *field;
        return ReadExtra(*record, index);
    }
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* record = FindWindowRecord(window);
    if (!record) return 0;
    LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWLP_WNDPROC:
        if (value) record->procedure = reinterpret_cast<WNDPROC>(value);
        return value ? previous : 0;
    case GWL_STYLE:
        record->style = static_cast<DWORD>(value);
        return previous;
    case GWL_EXSTYLE:
        record->exStyle = static_cast<DWORD>(value);
        return previous;
    default:
        if (LONG_PTR* field = LongField(*record, index)) {
            *field = value;
            return previous;
        }
        return WriteExtra(*record, index, value);
    }
}

LONG WINAPI GetWindowLongA(HWND window, int index) {
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LONG WINAPI SetWindowLongA(HWND window, int index, LONG value) {
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}

// The text goes through the window's procedure, which may refuse it.
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text) {
    if (!IsWindow(window)) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND window, LPSTR text, int maxCount) {
    if (!IsWindow(window) || !text || maxCount <= 0) return 0;
    text[0] = '\0';
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND window) {
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}
