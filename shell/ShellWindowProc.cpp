// What the shell takes care of before the application sees a message: the input context,
// the hidden cursor, task-switching commands and, in preview, help and menu requests.
#include <optional>

#include "shell/ModuleFunction.h"
#include "shell/SaverHooks.h"
#include "shell/SaverWindow.h"
#include "shell/ShellState.h"

namespace {

void DetachInputContext(HWND window) {
    HMODULE ime = GetModuleHandleA("IMM32.DLL");
    shellState.imeFunction =
        ime ? ModuleFunction<ImeAssociateProc>(ime, "ImmAssociateContext") : nullptr;
    if (shellState.imeFunction)
        shellState.savedImeContext = shellState.imeFunction(window, nullptr);
}

void RestoreInputContext(HWND window) {
    if (shellState.imeFunction && shellState.savedImeContext)
        shellState.imeFunction(window, shellState.savedImeContext);
}

void OnCreate(HWND window) {
    DetachInputContext(window);
    GetCursorPos(&shellState.lastCursor);
    if (!shellState.previewMode) SetCursor(nullptr);
}

// Preview: the request belongs to the display settings that host the preview.
LRESULT ForwardToPreviewParent(HWND window, UINT message, LPARAM lParam) {
    HWND parent = GetParent(window);
    if (parent && IsWindow(parent))
        PostMessageA(parent, message, reinterpret_cast<WPARAM>(parent), lParam);
    return 1;
}

bool IsSwallowedCommand(WPARAM command) {
    const WPARAM kind = command & 0xFFF0; // the low four bits are the system's own
    return kind == SC_NEXTWINDOW || kind == SC_PREVWINDOW || kind == SC_SCREENSAVE;
}

// The result of a message the shell keeps from the application; nothing when passed on.
std::optional<LRESULT> ShellOwnHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_DESTROY:
        RestoreInputContext(window);
        PostQuitMessage(0);
        break;
    case WM_SETTEXT:
        return 0;
    case WM_PAINT:
        if (shellState.closeAccepted) return DefWindowProcA(window, message, wParam, lParam);
        if (!shellState.previewMode) SetCursor(nullptr);
        break;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (shellState.previewMode) return ForwardToPreviewParent(window, message, lParam);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (shellState.closeAccepted) return DefWindowProcA(window, message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (!shellState.previewMode && IsSwallowedCommand(wParam)) return 0;
        break;
    case WM_TIMER:
        if (shellState.closeAccepted) return 0;
        Sleep(0);
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

LRESULT CALLBACK ShellWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto own = ShellOwnHandling(window, message, wParam, lParam)) return *own;
    return SaverProc(window, message, wParam, lParam);
}
