// Modal dialogs: DialogBoxParamA, DialogBoxIndirectParamA and EndDialog. The owner is
// disabled while the dialog runs; the dialog is shown when its queue first empties, and each
// time the queue empties again its owner hears WM_ENTERIDLE.
#include <cstdint>

#include "platform/user32/dialog/dialog_creation.h"
#include "platform/user32/dialog/dialog_state.h"

namespace platform {
namespace {

// A template in memory carries no size; it is trusted to be whole, as on Windows.
constexpr size_t kUnboundedTemplate = SIZE_MAX / 2;

bool Ended(HWND dialog) {
    const DialogState* state = FindDialogState(dialog);
    return !state || state->ended || !IsWindow(dialog);
}

// False when the quit message arrived: it is posted again for the caller's loop.
bool PumpOne(HWND dialog, HWND owner, bool* shown) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!*shown) {
            *shown = true;
            ShowWindow(dialog, SW_SHOWNORMAL);
            UpdateWindow(dialog);
            return true;
        }
        if (owner && !(GetWindowLongA(dialog, GWL_STYLE) & DS_NOIDLEMSG)) {
            SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
        }
        if (Ended(dialog)) return true;
    }
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void EnableOwner(DialogState* state) {
    if (state && state->disabledOwner) EnableWindow(state->disabledOwner, TRUE);
    if (state) state->disabledOwner = nullptr;
}

INT_PTR RunModal(HWND dialog, HWND owner) {
    if (owner && IsWindowEnabled(owner) && !Ended(dialog)) {
        EnableWindow(owner, FALSE);
        FindDialogState(dialog)->disabledOwner = owner;
    }
    bool shown = IsWindowVisible(dialog) != FALSE;
    while (!Ended(dialog) && PumpOne(dialog, owner, &shown)) {
    }
    DialogState* state = FindDialogState(dialog);
    INT_PTR result = state && state->ended ? state->result : -1;
    EnableOwner(state);
    DestroyWindow(dialog);
    return result;
}

// A child window cannot own a dialog: its top-level window does.
HWND OwnerFor(HWND owner) {
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = GetParent(owner);
    return owner;
}

INT_PTR RunTemplate(HINSTANCE instance, const BYTE* bytes, size_t size, HWND owner,
                    DLGPROC procedure, LPARAM param) {
    DialogDescription description;
    if (!ReadDialogTemplate(bytes, size, &description)) return -1;
    owner = OwnerFor(owner);
    HWND dialog = CreateDialogWindow(instance, description, owner, procedure, param);
    return dialog ? RunModal(dialog, owner) : -1;
}

} // namespace
} // namespace platform

using namespace platform;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
    HRSRC resource = FindResourceA(instance, templateName, RT_DIALOG);
    if (!resource) return -1;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, resource)));
    return RunTemplate(instance, bytes, SizeofResource(instance, resource), owner, dialogProc,
                       initParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                       HWND owner, DLGPROC dialogProc, LPARAM initParam) {
    return RunTemplate(instance, reinterpret_cast<const BYTE*>(dialogTemplate), kUnboundedTemplate,
                       owner, dialogProc, initParam);
}

// The owner is enabled and the dialog hidden at once, so activation goes back to the owner;
// the modal loop destroys the dialog when it next looks.
BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    DialogState* state = FindDialogState(dialog);
    if (!state) return FALSE;
    state->ended = true;
    state->result = result;
    EnableOwner(state);
    ShowWindow(dialog, SW_HIDE);
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}
