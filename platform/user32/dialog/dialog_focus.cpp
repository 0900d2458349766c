#include "platform/user32/dialog/dialog_focus.h"

#include "platform/user32/dialog/dialog_state.h"

namespace platform {
namespace {

LRESULT CodeOf(HWND control) {
    return control ? SendMessageA(control, WM_GETDLGCODE, 0, 0) : 0;
}

bool IsPushButton(HWND control) {
    return (CodeOf(control) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void SetButtonLook(HWND button, bool isDefault) {
    if (!IsPushButton(button)) return;
    SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// The push button that looks like the default now, if any.
HWND ButtonWithDefaultLook(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (CodeOf(child) & DLGC_DEFPUSHBUTTON) return child;
    }
    return nullptr;
}

void MoveDefaultLook(HWND dialog, HWND focus) {
    HWND now = ButtonWithDefaultLook(dialog);
    HWND wanted = IsPushButton(focus) ? focus : GetDlgItem(dialog, DefaultButtonId(dialog));
    if (now == wanted) return;
    SetButtonLook(now, false);
    SetButtonLook(wanted, true);
}

} // namespace

int DefaultButtonId(HWND dialog) {
    DialogState* state = FindDialogState(dialog);
    return state ? state->defaultId : 0;
}

void NoteDefaultButton(HWND dialog) {
    DialogState* state = FindDialogState(dialog);
    HWND button = ButtonWithDefaultLook(dialog);
    if (state) state->defaultId = button ? GetDlgCtrlID(button) : 0;
}

void FocusDialogControl(HWND dialog, HWND control) {
    if (!control || !IsChild(dialog, control)) return;
    SetFocus(control);
    if (CodeOf(control) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
    MoveDefaultLook(dialog, control);
}

} // namespace platform
