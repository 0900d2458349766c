// The cursor: position, shape, show count, stock and resource cursors and icons, capture.
#include <algorithm>
#include <utility>

#include "platform/drivers/display/backend.h"
#include "platform/user32/input/cursor_state.h"
#include "platform/user32/input/host_input.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

constexpr uintptr_t kStockHandleBase = 0x20000;

HCURSOR StockCursor(LPCSTR id) {
    return reinterpret_cast<HCURSOR>(kStockHandleBase + reinterpret_cast<uintptr_t>(id));
}

struct CursorState {
    POINT position{};
    bool placed = false;
    HCURSOR shape = StockCursor(IDC_ARROW);
    int showCount = 0;
    HWND capture = nullptr;
};

CursorState& State() {
    static CursorState state;
    return state;
}

POINT DesktopCentre() {
    SIZE size = Display().DesktopSize();
    return POINT{size.cx / 2, size.cy / 2};
}

// Stock ids when no instance is given, the program's resources otherwise.
HICON LoadShape(HINSTANCE instance, LPCSTR name, LPCSTR groupType) {
    if (!name) return nullptr;
    if (!instance) return IS_INTRESOURCE(name) ? StockCursor(name) : nullptr;
    return reinterpret_cast<HICON>(FindResourceA(instance, name, groupType));
}

} // namespace

POINT CursorPosition() {
    CursorState& state = State();
    if (!state.placed) {
        state.position = DesktopCentre();
        state.placed = true;
    }
    return state.position;
}

void PlaceCursor(POINT screen) {
    SIZE size = Display().DesktopSize();
    State().position.x = std::clamp<LONG>(screen.x, 0, std::max<LONG>(size.cx - 1, 0));
    State().position.y = std::clamp<LONG>(screen.y, 0, std::max<LONG>(size.cy - 1, 0));
    State().placed = true;
}

HWND CaptureWindow() {
    return State().capture;
}

void ForgetCaptureOf(HWND window) {
    if (State().capture == window) State().capture = nullptr;
}

void ResetCursorState() {
    State() = CursorState{};
}

bool CursorIsShown() {
    return State().showCount >= 0 && State().shape != nullptr;
}

} // namespace platform

using namespace platform;

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = CursorPosition();
    return TRUE;
}

// As on Windows, moving the cursor by program makes a mouse move like the hand does.
BOOL WINAPI SetCursorPos(int x, int y) {
    InjectMouseMove(POINT{x, y});
    return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    return std::exchange(State().shape, cursor);
}

HCURSOR WINAPI GetCursor(void) {
    return State().shape;
}

int WINAPI ShowCursor(BOOL show) {
    return show ? ++State().showCount : --State().showCount;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    return LoadShape(instance, name, RT_GROUP_CURSOR);
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    return LoadShape(instance, name, RT_GROUP_ICON);
}

HWND WINAPI SetCapture(HWND window) {
    if (!IsWindow(window)) return nullptr;
    HWND previous = std::exchange(State().capture, window);
    if (previous && previous != window)
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return previous;
}

BOOL WINAPI ReleaseCapture(void) {
    HWND previous = std::exchange(State().capture, nullptr);
    if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture(void) {
    return State().capture;
}
