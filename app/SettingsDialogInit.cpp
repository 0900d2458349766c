// The settings dialog's start: the six settings into the controls and the scene, the preview
// and the pictures built, the dialog centred.
#include "app/PictureStages.h"
#include "app/SaverScene.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "app/SettingsDialog.h"

namespace {

void InitSpeed(HWND dialog) {
    int& speed = saverScene.field.moveSpeed;
    speed = ReadSetting(kSpeedSetting, 1); // as stored: the bar shows a larger one at its end
    HWND bar = GetDlgItem(dialog, kSpeedBar);
    SetScrollRange(bar, SB_CTL, kMinSpeed, kMaxSpeed, FALSE);
    SetScrollPos(bar, SB_CTL, speed, TRUE);
}

void InitColours(HWND dialog) {
    ColourState& colours = saverScene.colours;
    colours.animateColours = ReadSetting(kAnimateColourSetting, 0) > 0;
    CheckDlgButton(dialog, kAnimateColourBox, colours.animateColours ? BST_CHECKED : BST_UNCHECKED);
    colours.shiftColours = ReadSetting(kShiftColourSetting, 1) > 0;
    CheckDlgButton(dialog, kShiftColourButton, colours.shiftColours ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kColorizeButton, colours.shiftColours ? BST_UNCHECKED : BST_CHECKED);
    colours.hue = ReadSetting(kHueSetting, 0);
    ShowHueBar(dialog);
}

void InitCounts() {
    const SpriteCounts counts = ReadSpriteCounts();
    saverScene.field.bigCount = counts.big;
    saverScene.field.smallCount = counts.small;
    settingsDialog.appliedBig = counts.big;
    settingsDialog.appliedSmall = counts.small;
    ShowCounts();
}

} // namespace

void InitSettingsDialog(HWND dialog) {
    SettingsDialogState& state = settingsDialog;
    state.dialog = dialog;
    state.dialogActive = true;
    state.dialogClosing = false;
    SelectSettingsKey(dialog, kSettingsKeyPath);
    InitSpeed(dialog);
    InitColours(dialog);
    InitCounts();
    BuildScene(GetDlgItem(dialog, kPreviewBox));
    CreatePictureStages(dialog);
    CentreOnDesktop(dialog);
}

void CentreOnDesktop(HWND window) {
    RECT desktop{};
    RECT own{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(window, &own);
    SetWindowPos(window, nullptr, (desktop.right + own.left - own.right) / 2,
                 (desktop.bottom + own.top - own.bottom) / 2, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}
