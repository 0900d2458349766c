#include "shell/PasswordHooks.h"

#include "shell/ModuleFunction.h"
#include "shell/ShellState.h"

namespace {

constexpr DWORD kNever = 0xFFFFFFFF;

HMODULE passwordModule = nullptr;
VerifyScreenSavePwdProc verifyFunction = nullptr;
DWORD lastVerifyTick = kNever;

bool PasswordOptionSet() {
    HKEY desktop = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) != ERROR_SUCCESS)
        return false;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const bool set = RegQueryValueExA(desktop, "ScreenSaveUsePassword", nullptr, nullptr,
                                      reinterpret_cast<LPBYTE>(&value), &size) == ERROR_SUCCESS &&
                     value != 0;
    RegCloseKey(desktop);
    return set;
}

// Timer messages queued before the check would otherwise arrive during its dialog.
void DropPendingTimers(HWND window) {
    MSG message;
    for (int pass = 0; pass < 2; ++pass)
        while (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD)) {
        }
}

} // namespace

void LoadPasswordHook() {
    if (!shellState.win9xFamily) return;
    if (passwordModule) UnloadPasswordHook();
    if (!PasswordOptionSet()) return;
    passwordModule = LoadLibraryA(kPasswordModule);
    if (!passwordModule) return;
    verifyFunction = ModuleFunction<VerifyScreenSavePwdProc>(passwordModule, kVerifyFunction);
    if (verifyFunction)
        SetSaverRunning(true);
    else
        UnloadPasswordHook();
}

void UnloadPasswordHook() {
    if (!shellState.win9xFamily || !passwordModule) return;
    FreeLibrary(passwordModule);
    passwordModule = nullptr;
    if (!verifyFunction) return;
    verifyFunction = nullptr;
    SetSaverRunning(false);
}

bool VerifyPassword(HWND window) {
    if (shellState.verifying) return false;
    if (!verifyFunction) {
        shellState.closeAccepted = true;
        return true;
    }
    if (lastVerifyTick != kNever && GetTickCount() - lastVerifyTick < kVerifyPause) return false;
    shellState.verifying = true;
    DropPendingTimers(window);
    shellState.closeAccepted = SendMessageA(window, WM_APP, 0, 0) != 0;
    shellState.verifying = false;
    if (!shellState.closeAccepted) SetCursor(nullptr);
    lastVerifyTick = GetTickCount();
    return shellState.closeAccepted;
}

LRESULT RunVerifyFunction(HWND window) {
    return verifyFunction ? verifyFunction(window) : 1;
}

void ChangePassword(HWND owner) {
    HMODULE module = LoadLibraryA(kChangeModule);
    if (!module) return;
    auto change = ModuleFunction<PwdChangePasswordProc>(module, kChangeFunction);
    if (change) change("SCRSAVE", owner, 0, 0);
    FreeLibrary(module);
}

void SetSaverRunning(bool running) {
    if (!shellState.win9xFamily) return;
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void ResetPasswordHooks() {
    passwordModule = nullptr;
    verifyFunction = nullptr;
    lastVerifyTick = kNever;
}
