// The BUTTON class: push buttons (the default one framed), check boxes and radio buttons
// (automatic ones toggling themselves, push-like ones drawn as buttons) and group boxes. A
// click is a press and a release inside the button, or the space bar.
#include <vector>

#include "platform/user32/controls/button_look.h"
#include "platform/user32/controls/control_common.h"
#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/controls/control_states.h"

namespace platform {
namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool tracking = false; // the mouse went down on the button and is captured
};

ControlStates<ButtonState>& States() {
    static ControlStates<ButtonState> states;
    return states;
}

DWORD KindOf(HWND button) {
    return StyleOf(button) & BS_TYPEMASK;
}

bool IsRadio(DWORD kind) {
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

bool IsCheck(DWORD kind) {
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE;
}

bool IsPush(DWORD kind) {
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

LRESULT DialogCode(HWND button) {
    DWORD kind = KindOf(button);
    if (kind == BS_GROUPBOX) return DLGC_STATIC;
    if (IsRadio(kind)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (kind == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    return DLGC_BUTTON;
}

void Redraw(HWND button) {
    InvalidateRect(button, nullptr, TRUE);
}

void SetCheck(HWND button, WPARAM check) {
    DWORD kind = KindOf(button);
    if (!IsRadio(kind) && !IsCheck(kind)) return;
    UINT value = static_cast<UINT>(check) & (BST_CHECKED | BST_INDETERMINATE);
    if (value == BST_INDETERMINATE && kind != BS_3STATE && kind != BS_AUTO3STATE)
        value = BST_CHECKED;
    ButtonState& state = States().Of(button);
    if (state.check == value) return;
    state.check = value;
    Redraw(button);
}

// The other automatic radio buttons of the button's group (from the last WS_GROUP at or
// before it to the next one) lose their check, enabled or not.
void UncheckGroupOf(HWND button) {
    HWND first = button;
    while (!(StyleOf(first) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) break;
        first = previous;
    }
    for (HWND other = first; other; other = GetWindow(other, GW_HWNDNEXT)) {
        if (other != first && (StyleOf(other) & WS_GROUP)) break;
        if (other != button && KindOf(other) == BS_AUTORADIOBUTTON) {
            SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void Click(HWND button) {
    DWORD kind = KindOf(button);
    UINT check = States().Of(button).check;
    if (kind == BS_AUTOCHECKBOX)
        SetCheck(button, check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    if (kind == BS_AUTO3STATE) SetCheck(button, (check + 1) % 3);
    if (kind == BS_AUTORADIOBUTTON) {
        SetCheck(button, BST_CHECKED);
        UncheckGroupOf(button);
    }
    NotifyParent(button, BN_CLICKED);
}

void SetPushed(HWND button, bool pushed) {
    ButtonState& state = States().Of(button);
    if (state.pushed == pushed) return;
    state.pushed = pushed;
    Redraw(button);
}

bool Inside(HWND button, LPARAM lParam) {
    RECT client;
    GetClientRect(button, &client);
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, point) != FALSE;
}

void MouseDown(HWND button) {
    if (KindOf(button) == BS_GROUPBOX) return;
    SetFocus(button);
    SetCapture(button);
    States().Of(button).tracking = true;
    SetPushed(button, true);
}

void MouseUp(HWND button, LPARAM lParam) {
    ButtonState& state = States().Of(button);
    if (!state.tracking) return;
    state.tracking = false;
    bool click = Inside(button, lParam);
    ReleaseCapture();
    SetPushed(button, false);
    if (click && IsWindow(button)) Click(button);
}

void MouseMove(HWND button, LPARAM lParam) {
    if (States().Of(button).tracking) SetPushed(button, Inside(button, lParam));
}

void SpaceUp(HWND button) {
    if (!States().Of(button).pushed || States().Of(button).tracking) return;
    SetPushed(button, false);
    Click(button);
}

void Focus(HWND button, bool focused) {
    States().Of(button).focused = focused;
    if (!focused) {
        if (States().Of(button).tracking) ReleaseCapture();
        SetPushed(button, false);
    }
    Redraw(button);
}

void ChangeStyle(HWND button, WPARAM style, LPARAM redraw) {
    DWORD kept = StyleOf(button) & ~BS_TYPEMASK;
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(kept | (style & BS_TYPEMASK)));
    if (redraw) Redraw(button);
}

void Paint(HWND button) {
    DWORD style = StyleOf(button), kind = style & BS_TYPEMASK;
    bool statik =
        kind == BS_GROUPBOX || ((IsCheck(kind) || IsRadio(kind)) && !(style & BS_PUSHLIKE));
    ControlPaint paint(button, statik ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN);
    if (!paint.Dc()) return;
    const ButtonState& state = States().Of(button);
    ButtonLook look{WindowText(button), style,         state.check,
                    state.pushed,       state.focused, IsWindowEnabled(button) != FALSE,
                    paint.Background()};
    if (kind != BS_GROUPBOX) FillRect(paint.Dc(), &paint.Client(), paint.Background());
    if (kind == BS_GROUPBOX) {
        DrawGroupBox(paint.Dc(), paint.Client(), look);
    } else if (IsPush(kind) || (style & BS_PUSHLIKE)) {
        DrawPushButton(paint.Dc(), paint.Client(), look, kind == BS_DEFPUSHBUTTON);
    } else if (IsRadio(kind)) {
        DrawRadioButton(paint.Dc(), paint.Client(), look);
    } else {
        DrawCheckBox(paint.Dc(), paint.Client(), look);
    }
}

LRESULT HandleInput(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(button);
        return 0;
    case WM_LBUTTONUP:
        MouseUp(button, lParam);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(button, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (States().Of(button).tracking) {
            States().Of(button).tracking = false;
            SetPushed(button, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && KindOf(button) != BS_GROUPBOX) SetPushed(button, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE) SpaceUp(button);
        return 0;
    default:
        return DefWindowProcA(button, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result;
    if (HandleCommonMessage(button, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_GETDLGCODE:
        return DialogCode(button);
    case WM_NCHITTEST:
        return KindOf(button) == BS_GROUPBOX ? HTTRANSPARENT : HTCLIENT;
    case BM_GETCHECK:
        return States().Of(button).check;
    case BM_SETCHECK:
        SetCheck(button, wParam);
        return 0;
    case BM_GETSTATE: {
        const ButtonState& state = States().Of(button);
        return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
    }
    case BM_SETSTATE:
        SetPushed(button, wParam != 0);
        return 0;
    case BM_SETSTYLE:
        ChangeStyle(button, wParam, lParam);
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(button)) Click(button);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(button, message == WM_SETFOCUS);
        return 0;
    case WM_SETTEXT:
        result = DefWindowProcA(button, message, wParam, lParam);
        Redraw(button);
        return result;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(button);
        return 0;
    case WM_NCDESTROY:
        States().Forget(button);
        return 0;
    default:
        return HandleInput(button, message, wParam, lParam);
    }
}

} // namespace platform
