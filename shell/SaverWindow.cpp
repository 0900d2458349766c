#include "shell/SaverWindow.h"

#include "shell/PasswordHooks.h"
#include "shell/ShellState.h"

namespace {

constexpr int kSaverIcon = 100;
constexpr DWORD kFullScreenExtraStyle = 4;

struct WindowShape {
    int width = 0;
    int height = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    LPCSTR title = nullptr;
};

WindowShape PreviewShape(HWND parent) {
    RECT client{};
    GetClientRect(parent, &client);
    return {client.right, client.bottom, DWORD(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN), 0,
            "Preview"};
}

WindowShape FullScreenShape() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
            DWORD(WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN) |
                kFullScreenExtraStyle,
            WS_EX_TOPMOST, kFullScreenTitle};
}

bool RegisterSaverClass() {
    WNDCLASSA saverClass{};
    saverClass.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    saverClass.lpfnWndProc = ShellWindowProc;
    saverClass.hInstance = shellState.moduleHandle;
    saverClass.hIcon = LoadIconA(shellState.moduleHandle, MAKEINTRESOURCEA(kSaverIcon));
    saverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    saverClass.lpszClassName = kSaverClassName;
    return RegisterClassA(&saverClass) != 0;
}

// The first full-screen saver is brought forward instead of starting a second one.
bool ActivateRunningSaver() {
    HWND running = FindWindowA(kSaverClassName, kFullScreenTitle);
    if (!running || !IsWindow(running)) return false;
    SetForegroundWindow(running);
    return true;
}

HWND CreateShapedWindow(HWND parent, const WindowShape& shape) {
    if (!RegisterSaverClass()) return nullptr;
    shellState.previewMode = parent != nullptr;
    shellState.saverWindow =
        CreateWindowExA(shape.exStyle, kSaverClassName, shape.title, shape.style, 0, 0, shape.width,
                        shape.height, parent, nullptr, shellState.moduleHandle, nullptr);
    return shellState.saverWindow;
}

} // namespace

int RunSaverMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? int(message.wParam) : 0;
}

HWND CreateSaverWindow(HWND parent) {
    return CreateShapedWindow(parent, parent ? PreviewShape(parent) : FullScreenShape());
}

int RunSaverWindow(HWND parent) {
    if (!parent) {
        if (ActivateRunningSaver()) return 0;
        LoadPasswordHook();
    }
    int result = 0;
    if (HWND window = CreateSaverWindow(parent)) {
        if (!parent) SetForegroundWindow(window);
        result = RunSaverMessageLoop();
    }
    UnloadPasswordHook();
    shellState.saverWindow = nullptr;
    return result;
}
