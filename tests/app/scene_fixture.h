// The saver scene over the program's FLIC artwork on headless windows, with the virtual clock
// and a registry of its own, for the scene's and the shell's tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SaverScene.h"
#include "app/Settings.h"
#include "app/SpritePopulation.h"
#include "platform/testing/clock.h"
#include "platform/testing/display.h"
#include "platform/testing/message_boxes.h"
#include "platform/testing/modules.h"
#include "platform/testing/resources.h"
#include "platform/testing/windows.h"
#include "shell/SaverHooks.h"
#include "shell/ShellState.h"
#include "tests/support/source_tree.h"
#include "tests/support/temporary_registry.h"

class SceneTest : public ::testing::Test {
protected:
    static constexpr const char* kPlainClass = "SceneTestWindow";

    void SetUp() override {
        ResetEverything();
        platform::testing::UseVirtualClock(1000);
        platform::testing::SetDesktopSize(1024, 768);
        const std::vector<BYTE> big = Artwork("big.flc");
        const std::vector<BYTE> small = Artwork("small.flc");
        if (big.empty() || small.empty()) GTEST_SKIP() << "no sprite artwork";
        platform::testing::AddResource("flic", MAKEINTRESOURCEA(kBigSpriteResource), big);
        platform::testing::AddResource("flic", MAKEINTRESOURCEA(kSmallSpriteResource), small);
        SelectSettingsKey(nullptr, kSettingsKeyPath);
        // The shell measures mouse drift from here; the test's own windows skip its creation.
        GetCursorPos(&shellState.lastCursor);
    }
    void TearDown() override {
        TearDownScene();
        platform::testing::RemoveResource("flic", MAKEINTRESOURCEA(kBigSpriteResource));
        platform::testing::RemoveResource("flic", MAKEINTRESOURCEA(kSmallSpriteResource));
        ResetEverything();
        platform::testing::UseRealClock();
    }

    static void ResetEverything() {
        TearDownScene();
        saverScene = SaverScene{};
        ResetShellState();
        platform::testing::ResetWindows();
        platform::testing::ResetDisplay();
        platform::testing::ResetModules();
        platform::testing::SetPlatformFamily(VER_PLATFORM_WIN32_NT);
        platform::testing::ClearMessageBoxes();
    }

    static std::vector<BYTE> Artwork(const char* name) {
        return SourceTreeBytes(std::string("resources/flic/") + name);
    }

    // A window of a class of the test's own whose procedure is SaverProc.
    HWND MakeWindow(DWORD style, int width, int height, HWND parent = nullptr,
                    WNDPROC procedure = SaverProc) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.lpszClassName = procedure == SaverProc ? kPlainClass : "SceneTestHost";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, windowClass.lpszClassName, "", style, 0, 0, width, height, parent,
                               nullptr, nullptr, nullptr);
    }
    HWND MakeFullScreen() { return MakeWindow(WS_POPUP | WS_VISIBLE, 1024, 768); }
    // A 152 x 112 preview inside a host window, as the display settings give one.
    HWND MakePreview() {
        host = MakeWindow(WS_POPUP | WS_VISIBLE, 400, 300, nullptr, DefWindowProcA);
        shellState.previewMode = true;
        return MakeWindow(WS_CHILD | WS_VISIBLE, 152, 112, host);
    }

    // Takes the waiting FrameTick (false when there is none) and dispatches it.
    static bool Tick() {
        MSG message;
        if (!PeekMessageA(&message, nullptr, FrameTick, FrameTick, PM_REMOVE)) return false;
        DispatchMessageA(&message);
        return true;
    }
    // FrameTick messages waiting; they go back to the end of the queue.
    static int TicksWaiting() {
        std::vector<MSG> waiting;
        MSG message;
        while (PeekMessageA(&message, nullptr, FrameTick, FrameTick, PM_REMOVE))
            waiting.push_back(message);
        for (const MSG& tick : waiting)
            PostMessageA(tick.hwnd, tick.message, tick.wParam, tick.lParam);
        return int(waiting.size());
    }
    static int FramesDrawn() {
        return saverScene.fullFrameCounter + saverScene.previewFrameCounter;
    }
    static bool QuitPosted() {
        MSG message;
        return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
    }
    static int SpriteCount() {
        int count = 0;
        for (const SpriteSlot& slot : saverScene.field.slots)
            count += slot.sprite != nullptr;
        return count;
    }

    TemporaryRegistry registry;
    HWND host = nullptr;
};
