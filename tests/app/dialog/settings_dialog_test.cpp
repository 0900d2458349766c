// The settings dialog driven as a user drives it: what it shows at start-up, what each
// control does to the running scene, and what OK and Cancel store.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "app/SaverScene.h"
#include "app/Settings.h"
#include "app/SettingsDialog.h"
#include "platform/win32.h"
#include "shell/SaverHooks.h"
#include "tests/app/dialog/dialog_script.h"

namespace {

struct StoredSettings {
    int big, small, speed, animate, shift, hue;
};

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef _WIN32
        // Test programs run side by side: each process stores its settings in a file of its own.
        registryFile = std::string("dialog-test-") + std::to_string(getpid()) + ".reg";
        setenv("LUMARIS_REGISTRY", registryFile.c_str(), 1);
#endif
        settingsDialog = SettingsDialogState{};
        SelectSettingsKey(nullptr, kSettingsKeyPath);
        Store({3, 5, 1, 0, 1, 0});
    }
    void TearDown() override {
        TearDownScene();
#ifndef _WIN32
        std::remove(registryFile.c_str());
        std::remove((registryFile + ".lock").c_str());
#endif
    }
    std::string registryFile;

    static void Store(const StoredSettings& s) {
        WriteSetting(kBigCountSetting, s.big);
        WriteSetting(kSmallCountSetting, s.small);
        WriteSetting(kSpeedSetting, s.speed);
        WriteSetting(kAnimateColourSetting, s.animate);
        WriteSetting(kShiftColourSetting, s.shift);
        WriteSetting(kHueSetting, s.hue);
    }
    static StoredSettings Stored() {
        SelectSettingsKey(nullptr, kSettingsKeyPath);
        return {ReadSetting(kBigCountSetting, -99),    ReadSetting(kSmallCountSetting, -99),
                ReadSetting(kSpeedSetting, -99),       ReadSetting(kAnimateColourSetting, -99),
                ReadSetting(kShiftColourSetting, -99), ReadSetting(kHueSetting, -99)};
    }
    static int Run(const std::function<void(HWND)>& script) {
        return DialogScript::Run([] { return ShowSettingsDialog(nullptr); },
                                 [] { return settingsDialog.dialog; }, script);
    }

    static std::string Text(HWND dialog, int id) {
        char text[64] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    static void Scroll(HWND dialog, int bar, int request, int position = 0) {
        SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(request, position),
                     LPARAM(GetDlgItem(dialog, bar)));
    }
    // Position 0 is never above the last one reported, so it always counts as the up arrow.
    static void SpinUp(HWND dialog, int spin) {
        SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0),
                     LPARAM(GetDlgItem(dialog, spin)));
    }
    static void Command(HWND dialog, int id, int notification = 0) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, notification),
                     LPARAM(GetDlgItem(dialog, id)));
    }
    static void TypeCount(HWND dialog, int edit, const char* text) {
        SetDlgItemTextA(dialog, edit, text);
        Command(dialog, edit, EN_KILLFOCUS);
    }
    static int BarPosition(HWND dialog, int bar) {
        return GetScrollPos(GetDlgItem(dialog, bar), SB_CTL);
    }
};

TEST_F(SettingsDialogTest, ShowsTheStoredSettingsAndOkStoresAllSix) {
    Store({2, 4, 2, 0, 1, 10});
    const int result = Run([](HWND dialog) {
        EXPECT_EQ(Text(dialog, kBigCountEdit), "2");
        EXPECT_EQ(Text(dialog, kSmallCountEdit), "4");
        EXPECT_EQ(BarPosition(dialog, kSpeedBar), 2);
        EXPECT_EQ(BarPosition(dialog, kHueBar), 10);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kShiftColourButton), UINT(BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog, kColorizeButton), UINT(BST_UNCHECKED));
        EXPECT_FALSE(saverScene.stopping); // the preview runs
        SpinUp(dialog, kBigCountSpin);
        Scroll(dialog, kSpeedBar, SB_LINERIGHT);
        Scroll(dialog, kHueBar, SB_THUMBPOSITION, 77);
        Scroll(dialog, kHueBar, SB_ENDSCROLL);
        Command(dialog, kColorizeButton);
        Command(dialog, kAnimateColourBox);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kAnimateColourBox), UINT(BST_CHECKED));
        Command(dialog, IDOK);
    });
    EXPECT_EQ(result, 1);
    const StoredSettings stored = Stored();
    EXPECT_EQ(stored.big, 3);
    EXPECT_EQ(stored.small, 4);
    EXPECT_EQ(stored.speed, 3);
    EXPECT_EQ(stored.animate, 1);
    EXPECT_EQ(stored.shift, 0);
    EXPECT_EQ(stored.hue, 77);
    EXPECT_TRUE(saverScene.stopping); // the closed dialog's scene is gone
    EXPECT_EQ(saverScene.stage, nullptr);
}

// Changing the counts stores the colours (the rebuild reads them back) but not the speed,
// which the rebuilt preview keeps; Cancel stores nothing after that.
TEST_F(SettingsDialogTest, CancelStoresNothingFurther) {
    const int result = Run([](HWND dialog) {
        Scroll(dialog, kSpeedBar, SB_RIGHT);
        Scroll(dialog, kHueBar, SB_THUMBPOSITION, 50);
        Scroll(dialog, kHueBar, SB_ENDSCROLL);
        SpinUp(dialog, kSmallCountSpin);
        EXPECT_EQ(saverScene.field.moveSpeed, 3);
        EXPECT_FALSE(saverScene.stopping);
        Scroll(dialog, kHueBar, SB_THUMBPOSITION, 90);
        Scroll(dialog, kHueBar, SB_ENDSCROLL);
        Command(dialog, kRestoreColoursButton);
        EXPECT_EQ(saverScene.colours.hue, 0);
        EXPECT_EQ(BarPosition(dialog, kHueBar), 0);
        Command(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, 1);
    const StoredSettings stored = Stored();
    EXPECT_EQ(stored.hue, 50);
    EXPECT_EQ(stored.speed, 1);
    EXPECT_EQ(stored.big, 3);
    EXPECT_EQ(stored.small, 5);
}

TEST_F(SettingsDialogTest, CountsAreClampedAndTheChangedCountWins) {
    Store({10, 20, 1, 0, 1, 0});
    Run([](HWND dialog) {
        SpinUp(dialog, kBigCountSpin);
        EXPECT_EQ(Text(dialog, kBigCountEdit), "10");
        SpinUp(dialog, kSmallCountSpin);
        EXPECT_EQ(Text(dialog, kSmallCountEdit), "21");
        EXPECT_EQ(Text(dialog, kBigCountEdit), "9");
        TypeCount(dialog, kSmallCountEdit, "25");
        EXPECT_EQ(Text(dialog, kBigCountEdit), "5");
        TypeCount(dialog, kBigCountEdit, "25");
        EXPECT_EQ(Text(dialog, kBigCountEdit), "10");
        EXPECT_EQ(Text(dialog, kSmallCountEdit), "20");
        TypeCount(dialog, kBigCountEdit, "abc");
        EXPECT_EQ(Text(dialog, kBigCountEdit), "0");
        TypeCount(dialog, kSmallCountEdit, "  -7");
        EXPECT_EQ(Text(dialog, kSmallCountEdit), "0");
        TypeCount(dialog, kSmallCountEdit, "99999999999999999999");
        EXPECT_EQ(Text(dialog, kSmallCountEdit), "30");
        EXPECT_EQ(settingsDialog.appliedBig, 0);
        EXPECT_EQ(settingsDialog.appliedSmall, 30);
    });
}

// The hue bar shows the nearest end of a hue outside 0 to 255; a stored speed above the
// bar's range stays in force until the bar is touched.
TEST_F(SettingsDialogTest, BarsShowValuesOutsideTheirRangeAtTheirEnds) {
    Store({3, 5, 7, 0, 1, 0});
    Run([](HWND dialog) {
        EXPECT_EQ(BarPosition(dialog, kSpeedBar), 3);
        EXPECT_EQ(saverScene.field.moveSpeed, 7);
        Scroll(dialog, kHueBar, SB_LINELEFT);
        Scroll(dialog, kHueBar, SB_ENDSCROLL);
        EXPECT_EQ(saverScene.colours.hue, -1);
        EXPECT_EQ(BarPosition(dialog, kHueBar), 0);
        Command(dialog, IDOK);
    });
    EXPECT_EQ(Stored().speed, 7);
    EXPECT_EQ(Stored().hue, -1);
    Run([](HWND dialog) {
        Scroll(dialog, kSpeedBar, SB_LINELEFT);
        EXPECT_EQ(saverScene.field.moveSpeed, 3);
        Scroll(dialog, kSpeedBar, SB_THUMBTRACK, 1); // tracking changes nothing
        EXPECT_EQ(saverScene.field.moveSpeed, 3);
        Command(dialog, IDOK);
    });
    EXPECT_EQ(Stored().speed, 3);
}

// Enter in a count edit is OK before the edit has lost the focus: the typed count is not
// stored, and the focus leaving as the dialog closes rebuilds nothing.
TEST_F(SettingsDialogTest, EnterInACountEditStoresTheCountsBeforeTyping) {
    Run([](HWND dialog) {
        Scroll(dialog, kSpeedBar, SB_RIGHT); // stored only if Enter is taken for OK
        HWND edit = GetDlgItem(dialog, kBigCountEdit);
        SetFocus(edit);
        SetWindowTextA(edit, "7");
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0); // the dialog's tick sees it
    });
    EXPECT_EQ(Stored().speed, 3);
    EXPECT_EQ(Stored().big, 3);
    EXPECT_TRUE(saverScene.stopping);
    EXPECT_EQ(saverScene.stage, nullptr);
}

} // namespace
