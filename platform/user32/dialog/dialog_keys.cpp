// IsDialogMessageA: the keyboard interface of a dialog. Tab and Shift+Tab move over the tab
// stops, arrows within a group (an automatic radio button reached so is checked), Enter
// presses the focused or the default push button (else IDOK), Escape is IDCANCEL, and a
// mnemonic letter, with Alt or alone, reaches the control whose text underlines it.
#include <cctype>
#include <string>

#include "platform/user32/dialog/dialog_focus.h"

namespace platform {
namespace {

constexpr size_t kLongestText = 256;

LRESULT CodeOf(HWND control, const MSG* msg) {
    return control ? SendMessageA(control, WM_GETDLGCODE, msg ? msg->wParam : 0,
                                  reinterpret_cast<LPARAM>(msg))
                   : 0;
}

void Command(HWND dialog, int id, HWND control) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void PressEnter(HWND dialog) {
    HWND focus = GetFocus();
    if (IsChild(dialog, focus) && (CodeOf(focus, nullptr) & DLGC_DEFPUSHBUTTON)) {
        Command(dialog, GetDlgCtrlID(focus), focus);
        return;
    }
    LRESULT defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defaultId) != DC_HASDEFID) {
        Command(dialog, IDOK, GetDlgItem(dialog, IDOK));
        return;
    }
    HWND button = GetDlgItem(dialog, LOWORD(defaultId));
    if (!button || IsWindowEnabled(button)) Command(dialog, LOWORD(defaultId), button);
}

void MoveInGroup(HWND dialog, HWND from, bool previous, const MSG* msg) {
    HWND next = GetNextDlgGroupItem(dialog, from, previous);
    if (!next) return;
    bool radio = CodeOf(next, msg) == (DLGC_BUTTON | DLGC_RADIOBUTTON);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    bool automatic = (GetWindowLongA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (radio && automatic && SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        SendMessageA(next, BM_CLICK, 0, 0);
    }
}

bool KeyDown(HWND dialog, const MSG* msg) {
    LRESULT code = CodeOf(msg->hwnd, msg);
    if (code & DLGC_WANTMESSAGE) return false;
    switch (msg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        SendMessageA(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        MoveInGroup(dialog, msg->hwnd, msg->wParam == VK_LEFT || msg->wParam == VK_UP, msg);
        return true;
    case VK_RETURN:
        PressEnter(dialog);
        return true;
    case VK_ESCAPE:
        Command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
        return true;
    default:
        return false;
    }
}

// The letter after the first single "&" of a control's text, lower-cased; 0 when none.
char MnemonicOf(HWND control) {
    LRESULT code = CodeOf(control, nullptr);
    if ((code & DLGC_STATIC) && (GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX)) return 0;
    char text[kLongestText] = "";
    GetWindowTextA(control, text, sizeof text);
    for (const char* at = text; *at; ++at) {
        if (*at != '&') continue;
        if (at[1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(at[1])));
        ++at;
    }
    return 0;
}

// A label or group box hands the focus on to the next tab stop; a button is pressed.
void Activate(HWND dialog, HWND control) {
    LRESULT code = CodeOf(control, nullptr);
    if (code & DLGC_STATIC) {
        SendMessageA(dialog, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetNextDlgTabItem(dialog, control, FALSE)), TRUE);
        return;
    }
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
    if (code & DLGC_BUTTON) SendMessageA(control, BM_CLICK, 0, 0);
}

bool Mnemonic(HWND dialog, char typed) {
    char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(typed)));
    if (!wanted || wanted == ' ') return false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bool usable = (GetWindowLongA(child, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
        if (usable && MnemonicOf(child) == wanted) {
            Activate(dialog, child);
            return true;
        }
    }
    return false;
}

bool Character(HWND dialog, const MSG* msg) {
    LRESULT code = CodeOf(msg->hwnd, msg);
    if (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) return false;
    if (msg->wParam == '\t' || msg->wParam == '\r' || msg->wParam == 0x1B) return true;
    return Mnemonic(dialog, static_cast<char>(msg->wParam));
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) {
        return FALSE;
    }
    bool handled = false;
    switch (msg->message) {
    case WM_KEYDOWN:
        handled = KeyDown(dialog, msg);
        break;
    case WM_CHAR:
        handled = Character(dialog, msg);
        break;
    case WM_SYSCHAR:
        handled = Mnemonic(dialog, static_cast<char>(msg->wParam));
        break;
    default:
        break;
    }
    if (!handled) {
        TranslateMessage(msg);
        DispatchMessageA(msg);
    }
    return TRUE;
}
