#include "shell/CommandLine.h"
#include "shell/PasswordHooks.h"
#include "shell/SaverHooks.h"
#include "shell/SaverWindow.h"
#include "shell/ShellState.h"

namespace {

constexpr int kFailed = -1;

bool IsWin9xFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

HWND ExistingWindow(UINT number) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(number));
    return number != 0 && IsWindow(window) ? window : nullptr;
}

int RunPreview(UINT number) {
    HWND parent = ExistingWindow(number);
    return parent ? RunSaverWindow(parent) : kFailed;
}

int RunChangePassword(UINT number) {
    if (!shellState.win9xFamily) return kFailed;
    HWND owner = ExistingWindow(number);
    ChangePassword(owner ? owner : GetForegroundWindow());
    return 0;
}

} // namespace

int DispatchCommandLine(HMODULE module, LPCSTR tail) {
    shellState.moduleHandle = module;
    shellState.win9xFamily = IsWin9xFamily();
    const ModeChoice choice = ChooseMode(tail ? tail : "");
    switch (choice.mode) {
    case SaverMode::Settings:
        return ShowSettingsDialog(choice.ownedByForeground ? GetForegroundWindow() : nullptr);
    case SaverMode::FullScreen:
        return RunSaverWindow(nullptr);
    case SaverMode::Preview:
        return RunPreview(choice.windowNumber);
    case SaverMode::ChangePassword:
        return RunChangePassword(choice.windowNumber);
    case SaverMode::Invalid:
        break;
    }
    return kFailed;
}
