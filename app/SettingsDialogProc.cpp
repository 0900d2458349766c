// The settings dialog's procedure and its self-posted tick, which runs the preview at the
// frame pace while the dialog's own modal loop waits.
#include "app/AboutBox.h"
#include "app/RenderWindow.h"
#include "app/SaverScene.h"
#include "app/SettingsDialog.h"

SettingsDialogState settingsDialog;

namespace {

void PostTick(HWND dialog) {
    PostMessageA(dialog, FrameTick, WPARAM(-1), LPARAM(-1));
}

bool IsKeyDown(const MSG& message, WPARAM key) {
    return message.message == WM_KEYDOWN && message.wParam == key;
}

bool InDialog(HWND dialog, HWND window) {
    return window == dialog || IsChild(dialog, window);
}

// Enter and Escape in the dialog are OK and Cancel whichever control has the focus, and they
// still reach that control; the other keys get the dialog's keyboard interface (Tab, arrows,
// mnemonics), which the modal loop would have given them had the tick not taken them first.
// The About box's loop drains its own messages while it runs.
void DrainThreadMessages(HWND dialog) {
    if (AboutAnimationRunning()) return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (InDialog(dialog, message.hwnd)) {
            const bool enter = IsKeyDown(message, VK_RETURN);
            const bool escape = IsKeyDown(message, VK_ESCAPE);
            if (enter) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            if (escape) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            if (!enter && !escape && IsDialogMessageA(dialog, &message)) continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void OnPaint(HWND dialog, LPARAM lParam) {
    PostMessageA(dialog, WM_COMMAND, kUpdatePicturesCommand, 0);
    if (lParam == -1) PaintPreview(saverScene.targetWindow);
}

void OnScroll(UINT message, WPARAM wParam, LPARAM lParam) {
    const int request = LOWORD(wParam);
    const int position = short(HIWORD(wParam));
    HWND control = reinterpret_cast<HWND>(lParam);
    if (message == WM_VSCROLL)
        OnSpinScroll(request, position, control);
    else if (GetDlgCtrlID(control) == kHueBar)
        OnHueScroll(request, position);
    else
        OnSpeedScroll(request, position);
}

} // namespace

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        RegisterRenderClass();
        InitSettingsDialog(dialog);
        PostTick(dialog);
        return TRUE;
    case FrameTick:
        RunDialogTick(dialog);
        return TRUE;
    case WM_COMMAND:
        OnSettingsCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(message, wParam, lParam);
        return TRUE;
    case WM_PAINT:
        OnPaint(dialog, lParam);
        return FALSE; // the dialog paints itself as usual
    default:
        return FALSE;
    }
}

void RunDialogTick(HWND dialog) {
    SaverScene& scene = saverScene;
    if (scene.inFrameTick) return;
    scene.inFrameTick = true;
    DrainThreadMessages(dialog);
    if (settingsDialog.dialogClosing) {
        CloseSettingsDialog();
    } else {
        PaceDialogFrame(dialog);
        PostTick(dialog);
    }
    scene.inFrameTick = false;
}

// Without a scene the tick still waits out the period, or it would spin on the queue.
void PaceDialogFrame(HWND dialog) {
    SettingsDialogState& state = settingsDialog;
    if (state.inDialogFrame) return;
    state.inDialogFrame = true;
    const DWORD elapsed = GetTickCount() - state.lastDialogTick; // wraps correctly
    if (elapsed < kFramePeriod) Sleep(kFramePeriod - elapsed);
    state.lastDialogTick = GetTickCount();
    if (!saverScene.stopping) StepPreviewFrame(dialog);
    state.inDialogFrame = false;
}
