// DefDlgProcA, the procedure of the dialog class: the dialog procedure sees each message
// first; what it leaves (returns FALSE for) gets the dialog's default handling.
#include "platform/user32/dialog/dialog_focus.h"
#include "platform/user32/dialog/dialog_state.h"

namespace platform {
namespace {

// The dialog procedure's own answer is the result of these; for the others it only says
// "handled", and the result is DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

LRESULT EraseWithFace(HWND dialog, HDC dc) {
    RECT client;
    GetClientRect(dialog, &client);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

// The focus comes back to the control that had it when the dialog was last active.
void Activate(HWND dialog, bool active) {
    DialogState* state = FindDialogState(dialog);
    if (!state) return;
    if (!active) {
        HWND focus = GetFocus();
        if (IsChild(dialog, focus)) state->savedFocus = focus;
        return;
    }
    HWND target = IsChild(dialog, state->savedFocus) ? state->savedFocus
                                                     : GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target) {
        FocusDialogControl(dialog, target);
    } else {
        SetFocus(dialog);
    }
}

// lParam set: wParam is the control; else wParam 0 is the next tab stop, else the previous.
void NextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    FocusDialogControl(dialog, target);
}

LRESULT DefaultId(HWND dialog) {
    int id = DefaultButtonId(dialog);
    return id ? MAKELONG(id, DC_HASDEFID) : 0;
}

LRESULT SetDefaultId(HWND dialog, WPARAM id) {
    DialogState* state = FindDialogState(dialog);
    if (!state) return FALSE;
    HWND old = GetDlgItem(dialog, state->defaultId);
    state->defaultId = static_cast<int>(id);
    if (old) SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (HWND button = GetDlgItem(dialog, state->defaultId)) {
        SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
    return TRUE;
}

LRESULT DefaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState* state = FindDialogState(dialog);
    switch (message) {
    case WM_ERASEBKGND:
        return EraseWithFace(dialog, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
        PostMessageA(dialog, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return 0;
    case WM_ACTIVATE:
        Activate(dialog, LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        Activate(dialog, true);
        return 0;
    case WM_NEXTDLGCTL:
        NextControl(dialog, wParam, lParam);
        return 0;
    case DM_GETDEFID:
        return DefaultId(dialog);
    case DM_SETDEFID:
        return SetDefaultId(dialog, wParam);
    case WM_GETFONT:
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

} // namespace
} // namespace platform

using namespace platform;

LRESULT WINAPI DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto procedure = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
    INT_PTR handled = procedure ? procedure(dialog, message, wParam, lParam) : FALSE;
    if (message == WM_NCDESTROY) ForgetDialogState(dialog);
    if (!IsWindow(dialog)) return handled;
    if (handled) {
        return AnswersDirectly(message) ? handled : GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
    }
    return DefaultHandling(dialog, message, wParam, lParam);
}
