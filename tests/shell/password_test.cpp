// Passwords on the 95/98 family through stand-ins for the platform's password components.
#include "shell/CommandLine.h"
#include "shell/PasswordHooks.h"
#include "tests/shell/shell_fixture.h"

namespace {

struct VerifierStandIn {
    BOOL verdict = FALSE;
    int calls = 0;
    bool timerWaitingDuringCheck = false;
    bool keyClosedDuringCheck = false;
};
VerifierStandIn verifier;

BOOL WINAPI VerifyStandIn(HWND window) {
    ++verifier.calls;
    MSG message;
    verifier.timerWaitingDuringCheck =
        PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) != 0;
    SendMessageA(window, WM_KEYDOWN, VK_SPACE, 0); // the dialog's own typing
    verifier.keyClosedDuringCheck =
        PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) != 0;
    return verifier.verdict;
}

struct ChangeCall {
    std::string provider;
    HWND owner = nullptr;
    int calls = 0;
};
ChangeCall changeCall;

DWORD WINAPI ChangeStandIn(LPCSTR provider, HWND owner, DWORD, DWORD) {
    changeCall = {provider, owner, changeCall.calls + 1};
    return 0;
}

template <typename Function> FARPROC Export(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

class Password : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped()) return;
        verifier = {};
        changeCall = {};
        platform::testing::SetPlatformFamily(VER_PLATFORM_WIN32_WINDOWS);
        shellState.win9xFamily = true;
        platform::testing::RegisterModule(kPasswordModule,
                                          {{kVerifyFunction, Export(VerifyStandIn)}});
        platform::testing::RegisterModule(kChangeModule,
                                          {{kChangeFunction, Export(ChangeStandIn)}});
        UsePassword(1);
    }
    void TearDown() override {
        UnloadPasswordHook();
        ShellTest::TearDown();
    }
    static void UsePassword(DWORD value) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr);
        RegSetValueExA(key, "ScreenSaveUsePassword", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&value), sizeof(value));
        RegCloseKey(key);
    }
};

TEST_F(Password, WithoutThePasswordOptionNothingLoadsAndTheFirstInputCloses) {
    UsePassword(0);
    LoadPasswordHook();
    EXPECT_EQ(platform::testing::ModuleLoadAttempts(kPasswordModule), 0);
    ASSERT_TRUE(FullScreenSaver());
    SendMessageA(saver, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(CloseRequested());
    SendMessageA(saver, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(saver));
    EXPECT_EQ(verifier.calls, 0);
}

TEST_F(Password, TheLoadedVerifierTellsTheSystemASaverRuns) {
    LoadPasswordHook();
    EXPECT_EQ(platform::testing::ModuleLoadCount(kPasswordModule), 1);
    EXPECT_TRUE(platform::testing::SaverRunningFlag());
    LoadPasswordHook(); // a second load first lets go of the first
    EXPECT_EQ(platform::testing::ModuleLoadCount(kPasswordModule), 1);
    UnloadPasswordHook();
    EXPECT_EQ(platform::testing::ModuleLoadCount(kPasswordModule), 0);
    EXPECT_FALSE(platform::testing::SaverRunningFlag());
}

TEST_F(Password, ARefusedCheckIsNotRepeatedWithin200Milliseconds) {
    LoadPasswordHook();
    ASSERT_TRUE(FullScreenSaver());
    EXPECT_FALSE(VerifyPassword(saver));
    EXPECT_EQ(verifier.calls, 1);
    platform::testing::AdvanceClock(100);
    EXPECT_FALSE(VerifyPassword(saver));
    EXPECT_EQ(verifier.calls, 1);
    platform::testing::AdvanceClock(200);
    verifier.verdict = TRUE;
    EXPECT_TRUE(VerifyPassword(saver));
    EXPECT_EQ(verifier.calls, 2);
    EXPECT_TRUE(shellState.closeAccepted);
}

TEST_F(Password, DuringTheCheckTimersAreDroppedAndKeysAreNotInput) {
    LoadPasswordHook();
    ASSERT_TRUE(FullScreenSaver());
    SetTimer(saver, 5, 10, nullptr);
    platform::testing::AdvanceClock(50);
    EXPECT_FALSE(VerifyPassword(saver));
    EXPECT_FALSE(verifier.timerWaitingDuringCheck);
    EXPECT_FALSE(verifier.keyClosedDuringCheck);
    EXPECT_FALSE(shellState.verifying);
}

TEST_F(Password, TheVerifyRequestAnswersWithTheHookOrOneWithoutIt) {
    ASSERT_TRUE(FullScreenSaver());
    EXPECT_EQ(SendMessageA(saver, WM_APP, 0, 0), 1);
    LoadPasswordHook();
    EXPECT_EQ(SendMessageA(saver, WM_APP, 0, 0), 0);
    verifier.verdict = TRUE;
    EXPECT_EQ(SendMessageA(saver, WM_APP, 0, 0), 1);
}

TEST_F(Password, ARefusedCloseKeepsTheSaverDrawingFromTheCursorsNewPlace) {
    LoadPasswordHook();
    ASSERT_TRUE(FullScreenSaver());
    SetCursorPos(600, 600);
    SendMessageA(saver, WM_CLOSE, 0, 0);
    EXPECT_EQ(verifier.calls, 1);
    ASSERT_TRUE(IsWindow(saver));
    EXPECT_EQ(shellState.lastCursor.x, 600);
    // Without a scene the next tick would quit and leave the desktop open.
    EXPECT_FALSE(saverScene.stopping);
    ASSERT_TRUE(Tick());
    EXPECT_FALSE(QuitPosted());
    EXPECT_TRUE(saverScene.stage);

    platform::testing::AdvanceClock(300);
    verifier.verdict = TRUE;
    SendMessageA(saver, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(saver));
}

TEST_F(Password, ThePasswordModeChangesThroughTheComponentOnlyOnThisFamily) {
    HWND owner = MakeWindow(WS_POPUP | WS_VISIBLE, 100, 100, nullptr, DefWindowProcA);
    SetForegroundWindow(owner);
    EXPECT_EQ(DispatchCommandLine(GetModuleHandleA(nullptr), "/a"), 0);
    EXPECT_EQ(changeCall.calls, 1);
    EXPECT_EQ(changeCall.provider, "SCRSAVE");
    EXPECT_EQ(changeCall.owner, owner);
    EXPECT_EQ(platform::testing::ModuleLoadCount(kChangeModule), 0);

    platform::testing::SetPlatformFamily(VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(DispatchCommandLine(GetModuleHandleA(nullptr), "/a 0"), -1);
    EXPECT_EQ(platform::testing::ModuleLoadAttempts(kChangeModule), 1);
}

} // namespace
