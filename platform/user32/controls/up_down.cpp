// The up-down control (msctls_updown32): two arrow buttons that step a position within a
// range, by default from 100 down to 0, so that the up arrow lowers the position. Each step,
// also one that the end of the range stops, tells the parent WM_VSCROLL (WM_HSCROLL with
// UDS_HORZ) with SB_THUMBPOSITION and the position; a held button steps again after 500 ms,
// then every 100 ms; the release sends SB_ENDSCROLL. A buddy window may show the position.
#include <cstdio>
#include <cstdlib>

#include "platform/user32/controls/arrow_buttons.h"
#include "platform/user32/controls/control_common.h"
#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/controls/control_states.h"

namespace platform {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 500;
constexpr UINT kNextRepeat = 100;
constexpr int kAlignedWidth = 16;
constexpr int kBuddyBorder = 2;

enum class Arrow { None, Increase, Decrease };

struct UpDownState {
    int minimum = 100;
    int maximum = 0;
    int position = 0;
    HWND buddy = nullptr;
    Arrow pressed = Arrow::None;
};

ControlStates<UpDownState>& States() {
    static ControlStates<UpDownState> states;
    return states;
}

bool IsHorizontal(HWND control) {
    return (StyleOf(control) & UDS_HORZ) != 0;
}

void ShowInBuddy(HWND control) {
    const UpDownState& state = States().Of(control);
    if (!state.buddy || !(StyleOf(control) & UDS_SETBUDDYINT)) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d", state.position);
    SetWindowTextA(state.buddy, text);
}

// With UDS_SETBUDDYINT the buddy's text, when it is a number, is where a step starts: the
// user may have typed there.
void ReadBuddy(HWND control) {
    UpDownState& state = States().Of(control);
    if (!state.buddy || !(StyleOf(control) & UDS_SETBUDDYINT)) return;
    char text[16] = "";
    GetWindowTextA(state.buddy, text, sizeof text);
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end != text && *end == '\0') state.position = static_cast<int>(value);
}

// One step toward the maximum (Increase) or the minimum, stopped at the end of the range or
// wrapped round with UDS_WRAP.
void Step(HWND control, Arrow arrow) {
    ReadBuddy(control);
    UpDownState& state = States().Of(control);
    int low = state.minimum < state.maximum ? state.minimum : state.maximum;
    int high = state.minimum < state.maximum ? state.maximum : state.minimum;
    int delta = (arrow == Arrow::Increase ? 1 : -1) * (state.maximum < state.minimum ? -1 : 1);
    int next = state.position + delta;
    if (next < low || next > high)
        next = (StyleOf(control) & UDS_WRAP) ? (next < low ? high : low) : state.position;
    state.position = next;
    ShowInBuddy(control);
    HWND parent = GetParent(control);
    if (parent) {
        SendMessageA(parent, IsHorizontal(control) ? WM_HSCROLL : WM_VSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(state.position)),
                     reinterpret_cast<LPARAM>(control));
    }
}

// The upper (or right, with UDS_HORZ) half increases.
Arrow ArrowAt(HWND control, LPARAM lParam) {
    RECT client;
    GetClientRect(control, &client);
    if (IsHorizontal(control)) {
        return GET_X_LPARAM(lParam) >= client.right / 2 ? Arrow::Increase : Arrow::Decrease;
    }
    return GET_Y_LPARAM(lParam) < client.bottom / 2 ? Arrow::Increase : Arrow::Decrease;
}

void MouseDown(HWND control, LPARAM lParam) {
    UpDownState& state = States().Of(control);
    state.pressed = ArrowAt(control, lParam);
    SetCapture(control);
    InvalidateRect(control, nullptr, FALSE);
    Step(control, state.pressed);
    SetTimer(control, kRepeatTimer, kFirstRepeat, nullptr);
}

bool Release(HWND control) {
    UpDownState& state = States().Of(control);
    if (state.pressed == Arrow::None) return false;
    state.pressed = Arrow::None;
    KillTimer(control, kRepeatTimer);
    InvalidateRect(control, nullptr, FALSE);
    return true;
}

void MouseUp(HWND control) {
    if (!Release(control)) return;
    ReleaseCapture();
    HWND parent = GetParent(control);
    if (!parent) return;
    SendMessageA(parent, IsHorizontal(control) ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(SB_ENDSCROLL, static_cast<WORD>(States().Of(control).position)),
                 reinterpret_cast<LPARAM>(control));
}

void Repeat(HWND control) {
    Arrow pressed = States().Of(control).pressed;
    if (pressed == Arrow::None) return;
    SetTimer(control, kRepeatTimer, kNextRepeat, nullptr);
    Step(control, pressed);
}

// With UDS_ALIGNRIGHT or UDS_ALIGNLEFT the control takes the buddy's height and a side of
// it, the buddy giving up that width; over a bordered buddy it overlaps the border.
void AlignWithBuddy(HWND control) {
    HWND buddy = States().Of(control).buddy;
    DWORD style = StyleOf(control);
    if (!buddy || !(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT))) return;
    RECT own, place;
    GetClientRect(control, &own);
    GetWindowRect(buddy, &place);
    HWND parent = GetParent(buddy);
    POINT corner{place.left, place.top};
    if (parent) ScreenToClient(parent, &corner);
    OffsetRect(&place, corner.x - place.left, corner.y - place.top);
    LONG x;
    LONG width = kAlignedWidth;
    if (style & UDS_ALIGNLEFT) {
        x = place.left;
        place.left += own.right;
        if (HasBorder(buddy)) width += kBuddyBorder;
    } else {
        place.right -= own.right;
        x = place.right;
        if (HasBorder(buddy)) x -= kBuddyBorder;
    }
    SetWindowPos(buddy, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(control, nullptr, x, place.top, width, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND SetBuddy(HWND control, HWND buddy) {
    HWND previous = States().Of(control).buddy;
    States().Of(control).buddy = IsWindow(buddy) ? buddy : nullptr;
    AlignWithBuddy(control);
    return previous;
}

void Create(HWND control) {
    if (StyleOf(control) & UDS_AUTOBUDDY) SetBuddy(control, GetWindow(control, GW_HWNDPREV));
}

void Paint(HWND control) {
    ControlPaint paint(control, WM_CTLCOLORBTN);
    if (!paint.Dc()) return;
    RECT client = paint.Client(), first = client, second = client;
    bool horizontal = IsHorizontal(control);
    if (horizontal) {
        first.right = second.left = client.right / 2;
    } else {
        first.bottom = second.top = client.bottom / 2;
    }
    Arrow pressed = States().Of(control).pressed;
    bool enabled = IsWindowEnabled(control) != FALSE;
    // Up (or left, which decreases) first.
    DrawArrowButton(paint.Dc(), first, horizontal ? ArrowDirection::Left : ArrowDirection::Up,
                    pressed == (horizontal ? Arrow::Decrease : Arrow::Increase), enabled);
    DrawArrowButton(paint.Dc(), second, horizontal ? ArrowDirection::Right : ArrowDirection::Down,
                    pressed == (horizontal ? Arrow::Increase : Arrow::Decrease), enabled);
}

LRESULT SetPosition(HWND control, int position) {
    UpDownState& state = States().Of(control);
    int previous = state.position;
    int low = state.minimum < state.maximum ? state.minimum : state.maximum;
    int high = state.minimum < state.maximum ? state.maximum : state.minimum;
    state.position = position < low ? low : position > high ? high : position;
    ShowInBuddy(control);
    return previous;
}

LRESULT HandleUpDownMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    UpDownState& state = States().Of(control);
    switch (message) {
    case UDM_SETRANGE:
        state.maximum = static_cast<short>(LOWORD(lParam));
        state.minimum = static_cast<short>(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(static_cast<WORD>(state.maximum), static_cast<WORD>(state.minimum));
    case UDM_SETRANGE32:
        state.minimum = static_cast<int>(wParam);
        state.maximum = static_cast<int>(lParam);
        return 0;
    case UDM_SETPOS:
        return static_cast<WORD>(SetPosition(control, static_cast<short>(LOWORD(lParam))));
    case UDM_SETPOS32:
        return SetPosition(control, static_cast<int>(lParam));
    case UDM_GETPOS:
        return MAKELONG(static_cast<WORD>(state.position), 0);
    case UDM_GETPOS32:
        return state.position;
    case UDM_SETBUDDY:
        return reinterpret_cast<LRESULT>(SetBuddy(control, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(state.buddy);
    default:
        return DefWindowProcA(control, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK UpDownProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result;
    if (HandleCommonMessage(control, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_CREATE:
        Create(control);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(control, lParam);
        return 0;
    case WM_LBUTTONUP:
        MouseUp(control);
        return 0;
    case WM_CAPTURECHANGED:
        Release(control);
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) Repeat(control);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(control);
        return 0;
    case WM_NCDESTROY:
        States().Forget(control);
        return 0;
    default:
        return HandleUpDownMessage(control, message, wParam, lParam);
    }
}

} // namespace platform
