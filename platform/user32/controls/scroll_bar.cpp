// The SCROLLBAR class. A press on an arrow or on the track sends its request at once and
// again while the button stays down over that part (after 200 ms, then every 50 ms); a drag
// of the thumb sends SB_THUMBTRACK for each new position and SB_THUMBPOSITION on release;
// every release ends with SB_ENDSCROLL. The bar never moves itself: its owner sets the
// position it wants. With the focus, the arrow keys, Page Up and Down, Home and End scroll.
#include "platform/user32/controls/arrow_buttons.h"
#include "platform/user32/controls/control_common.h"
#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/controls/control_states.h"
#include "platform/user32/controls/scroll_geometry.h"

namespace platform {
namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 200;
constexpr UINT kNextRepeat = 50;

struct ScrollState {
    ScrollRange range;
    ScrollPart pressed = ScrollPart::None;
    bool over = false;     // the mouse is still over the pressed part
    bool dragging = false; // the thumb is held
    LONG grab = 0;         // where along the thumb it was taken
    int trackPosition = 0; // the thumb's place during a drag
    LONG lastAlong = 0;    // the mouse's last place along the bar
    bool focused = false;
};

ControlStates<ScrollState>& States() {
    static ControlStates<ScrollState> states;
    return states;
}

bool IsVertical(HWND bar) {
    return (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) != 0;
}

ScrollLayout LayoutOf(HWND bar, int position) {
    RECT client;
    GetClientRect(bar, &client);
    ScrollRange range = States().Of(bar).range;
    range.position = position;
    return IsVertical(bar) ? LayOut(client.bottom, client.right, range)
                           : LayOut(client.right, client.bottom, range);
}

LONG AlongOf(HWND bar, LPARAM lParam) {
    return IsVertical(bar) ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
}

void Send(HWND bar, WORD request, int position) {
    HWND parent = GetParent(bar);
    if (!parent) return;
    SendMessageA(parent, IsVertical(bar) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(request, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(bar));
}

WORD RequestOf(ScrollPart part) {
    switch (part) {
    case ScrollPart::LineBack:
        return SB_LINEUP;
    case ScrollPart::PageBack:
        return SB_PAGEUP;
    case ScrollPart::PageForward:
        return SB_PAGEDOWN;
    default:
        return SB_LINEDOWN;
    }
}

void Redraw(HWND bar) {
    InvalidateRect(bar, nullptr, FALSE);
}

void MouseDown(HWND bar, LPARAM lParam) {
    ScrollState& state = States().Of(bar);
    LONG along = AlongOf(bar, lParam);
    ScrollLayout layout = LayoutOf(bar, state.range.position);
    ScrollPart part = layout.PartAt(along);
    if (part == ScrollPart::None) return;
    if (GetWindowLongA(bar, GWL_STYLE) & WS_TABSTOP) SetFocus(bar);
    SetCapture(bar);
    state.lastAlong = along;
    if (part == ScrollPart::Thumb) {
        state.dragging = true;
        state.grab = along - layout.thumbStart;
        state.trackPosition = state.range.position;
        return;
    }
    state.pressed = part;
    state.over = true;
    Redraw(bar);
    Send(bar, RequestOf(part), 0);
    SetTimer(bar, kRepeatTimer, kFirstRepeat, nullptr);
}

// A page request repeats only while the thumb has not reached the mouse.
void Repeat(HWND bar) {
    ScrollState& state = States().Of(bar);
    if (state.pressed == ScrollPart::None) {
        KillTimer(bar, kRepeatTimer);
        return;
    }
    SetTimer(bar, kRepeatTimer, kNextRepeat, nullptr);
    ScrollPart now = LayoutOf(bar, state.range.position).PartAt(state.lastAlong);
    if (state.over && now == state.pressed) Send(bar, RequestOf(state.pressed), 0);
}

void MouseMove(HWND bar, LPARAM lParam) {
    ScrollState& state = States().Of(bar);
    LONG along = AlongOf(bar, lParam);
    state.lastAlong = along;
    if (state.dragging) {
        int position =
            LayoutOf(bar, state.trackPosition).PositionFor(along - state.grab, state.range);
        if (position == state.trackPosition) return;
        state.trackPosition = position;
        Redraw(bar);
        Send(bar, SB_THUMBTRACK, position);
    } else if (state.pressed != ScrollPart::None) {
        bool over = LayoutOf(bar, state.range.position).PartAt(along) == state.pressed;
        if (over != state.over) Redraw(bar);
        state.over = over;
    }
}

// Ends a press or a drag; false when neither was going on.
bool Finish(HWND bar) {
    ScrollState& state = States().Of(bar);
    bool wasDragging = state.dragging, wasPressed = state.pressed != ScrollPart::None;
    state.dragging = false;
    state.pressed = ScrollPart::None;
    KillTimer(bar, kRepeatTimer);
    Redraw(bar);
    return wasDragging || wasPressed;
}

void MouseUp(HWND bar) {
    ScrollState& state = States().Of(bar);
    bool wasDragging = state.dragging;
    if (!Finish(bar)) return;
    ReleaseCapture();
    if (wasDragging) Send(bar, SB_THUMBPOSITION, state.trackPosition);
    Send(bar, SB_ENDSCROLL, 0);
}

// The request of a scrolling key; -1 for any other key.
int KeyRequest(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        return SB_LINEUP;
    case VK_RIGHT:
    case VK_DOWN:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    default:
        return -1;
    }
}

RECT Span(HWND bar, LONG from, LONG to) {
    RECT client;
    GetClientRect(bar, &client);
    return IsVertical(bar) ? RECT{0, from, client.right, to} : RECT{from, 0, to, client.bottom};
}

void Paint(HWND bar) {
    ControlPaint paint(bar, WM_CTLCOLORSCROLLBAR);
    if (!paint.Dc()) return;
    const ScrollState& state = States().Of(bar);
    bool enabled = IsWindowEnabled(bar) != FALSE;
    ScrollLayout layout =
        LayoutOf(bar, state.dragging ? state.trackPosition : state.range.position);
    bool vertical = IsVertical(bar);
    bool backIn = state.pressed == ScrollPart::LineBack && state.over;
    bool forwardIn = state.pressed == ScrollPart::LineForward && state.over;
    DrawArrowButton(paint.Dc(), Span(bar, 0, layout.arrow),
                    vertical ? ArrowDirection::Up : ArrowDirection::Left, backIn, enabled);
    DrawArrowButton(paint.Dc(), Span(bar, layout.length - layout.arrow, layout.length),
                    vertical ? ArrowDirection::Down : ArrowDirection::Right, forwardIn, enabled);
    RECT track = Span(bar, layout.arrow, layout.length - layout.arrow);
    DrawDither(paint.Dc(), track);
    if (!enabled || layout.thumbLength == 0) return;
    if (state.over &&
        (state.pressed == ScrollPart::PageBack || state.pressed == ScrollPart::PageForward)) {
        RECT page =
            state.pressed == ScrollPart::PageBack
                ? Span(bar, layout.arrow, layout.thumbStart)
                : Span(bar, layout.thumbStart + layout.thumbLength, layout.length - layout.arrow);
        FillRect(paint.Dc(), &page, GetSysColorBrush(COLOR_3DDKSHADOW));
    }
    RECT thumb = Span(bar, layout.thumbStart, layout.thumbStart + layout.thumbLength);
    DrawEdge(paint.Dc(), &thumb, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    if (state.focused) {
        InflateRect(&thumb, -2, -2);
        DrawFocusRect(paint.Dc(), &thumb);
    }
}

int SetPosition(HWND bar, int position, bool redraw) {
    ScrollState& state = States().Of(bar);
    int previous = state.range.position;
    state.range.position = state.range.Clamp(position);
    if (redraw) Redraw(bar);
    return previous;
}

int SetRange(HWND bar, int minimum, int maximum, bool redraw) {
    ScrollState& state = States().Of(bar);
    int previous = state.range.position;
    state.range.minimum = minimum;
    state.range.maximum = maximum;
    state.range.position = state.range.Clamp(state.range.position);
    if (redraw) Redraw(bar);
    return previous;
}

LRESULT SetInfo(HWND bar, const SCROLLINFO* info, bool redraw) {
    ScrollState& state = States().Of(bar);
    if (!info) return state.range.position;
    if (info->fMask & SIF_RANGE) {
        state.range.minimum = info->nMin;
        state.range.maximum = info->nMax;
    }
    if (info->fMask & SIF_PAGE) state.range.page = info->nPage;
    int position = (info->fMask & SIF_POS) ? info->nPos : state.range.position;
    state.range.position = state.range.Clamp(position);
    if (redraw) Redraw(bar);
    return state.range.position;
}

LRESULT GetInfo(HWND bar, SCROLLINFO* info) {
    const ScrollState& state = States().Of(bar);
    if (!info) return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = state.range.minimum;
        info->nMax = state.range.maximum;
    }
    if (info->fMask & SIF_PAGE) info->nPage = state.range.page;
    if (info->fMask & SIF_POS) info->nPos = state.range.position;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = state.dragging ? state.trackPosition : state.range.position;
    return TRUE;
}

LRESULT HandleBarMessage(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SBM_SETPOS:
        return SetPosition(bar, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS:
        return States().Of(bar).range.position;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        return SetRange(bar, static_cast<int>(wParam), static_cast<int>(lParam),
                        message == SBM_SETRANGEREDRAW);
    case SBM_GETRANGE:
        if (wParam) *reinterpret_cast<LPINT>(wParam) = States().Of(bar).range.minimum;
        if (lParam) *reinterpret_cast<LPINT>(lParam) = States().Of(bar).range.maximum;
        return 0;
    case SBM_SETSCROLLINFO:
        return SetInfo(bar, reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO:
        return GetInfo(bar, reinterpret_cast<SCROLLINFO*>(lParam));
    default:
        return DefWindowProcA(bar, message, wParam, lParam);
    }
}

LRESULT HandleInput(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(bar, lParam);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(bar, lParam);
        return 0;
    case WM_LBUTTONUP:
        MouseUp(bar);
        return 0;
    case WM_CAPTURECHANGED:
        Finish(bar);
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) Repeat(bar);
        return 0;
    case WM_KEYDOWN:
        if (KeyRequest(wParam) >= 0) Send(bar, static_cast<WORD>(KeyRequest(wParam)), 0);
        return 0;
    case WM_KEYUP:
        if (KeyRequest(wParam) >= 0) Send(bar, SB_ENDSCROLL, 0);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        States().Of(bar).focused = message == WM_SETFOCUS;
        Redraw(bar);
        return 0;
    default:
        return HandleBarMessage(bar, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK ScrollBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result;
    if (HandleCommonMessage(bar, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(bar);
        return 0;
    case WM_NCDESTROY:
        States().Forget(bar);
        return 0;
    default:
        return HandleInput(bar, message, wParam, lParam);
    }
}

} // namespace platform
