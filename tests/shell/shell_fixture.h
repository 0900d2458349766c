// The shell's saver window over the real scene, on the virtual clock.
#pragma once

#include "shell/SaverWindow.h"
#include "tests/app/scene_fixture.h"

class ShellTest : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        if (IsSkipped()) return;
        shellState.moduleHandle = GetModuleHandleA(nullptr);
        SetCursorPos(300, 300);
    }

    HWND FullScreenSaver() {
        saver = CreateSaverWindow(nullptr);
        return saver;
    }
    HWND PreviewSaver() {
        host = MakeWindow(WS_POPUP | WS_VISIBLE, 400, 300, nullptr, DefWindowProcA);
        saver = CreateSaverWindow(host);
        return saver;
    }

    bool CloseRequested() const {
        MSG message;
        return PeekMessageA(&message, saver, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) != 0;
    }
    void ForgetCloseRequests() const {
        MSG message;
        while (PeekMessageA(&message, saver, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
        }
    }
    // The message says somewhere else: the shell must read the cursor itself.
    void MoveCursorTo(int x, int y) const {
        SetCursorPos(x, y);
        SendMessageA(saver, WM_MOUSEMOVE, 0, MAKELONG(1, 1));
    }

    HWND saver = nullptr;
};
