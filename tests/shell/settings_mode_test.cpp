// The settings mode: no letter, /c, /c:N and /c N all show the settings dialog, whose result
// is the exit code; the number after /c: names no owner.
#include <gtest/gtest.h>

#include "app/SettingsDialog.h"
#include "platform/win32.h"
#include "shell/CommandLine.h"
#include "tests/app/dialog/dialog_script.h"

namespace {

TEST(SettingsMode, EveryFormShowsTheDialog) {
    for (const char* tail : {"", "/c", "-C", "/c:5678", "/c 5678"}) {
        HWND owner = HWND(1);
        const int result = DialogScript::Run(
            [tail] { return DispatchCommandLine(GetModuleHandleA(nullptr), tail); },
            [] { return settingsDialog.dialog; },
            [&owner](HWND dialog) { owner = GetWindow(dialog, GW_OWNER); });
        EXPECT_EQ(result, 1) << tail;
        EXPECT_NE(owner, HWND(1)) << tail << ": the dialog was not shown";
        EXPECT_NE(owner, HWND(5678)) << tail;
    }
}

} // namespace
