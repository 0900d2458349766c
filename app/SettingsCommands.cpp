// The settings dialog's buttons and the closing of the dialog.
#include "app/AboutBox.h"
#include "app/PictureStages.h"
#include "app/SaverScene.h"
#include "app/Settings.h"
#include "app/SettingsDialog.h"

namespace {

void CheckColourMode(HWND dialog, bool shift) {
    CheckDlgButton(dialog, kShiftColourButton, shift ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kColorizeButton, shift ? BST_UNCHECKED : BST_CHECKED);
}

void ChooseColourMode(HWND dialog, bool shift) {
    ColourState& colours = saverScene.colours;
    colours.shiftColours = shift;
    CheckColourMode(dialog, shift);
    Recolour(colours, SceneColourTargets());
}

void RestoreDefaultColours(HWND dialog) {
    saverScene.colours.hue = 0;
    ChooseColourMode(dialog, true);
    ShowHueBar(dialog);
}

void ToggleColourAnimation(HWND dialog) {
    bool& animate = saverScene.colours.animateColours;
    animate = !animate;
    CheckDlgButton(dialog, kAnimateColourBox, animate ? BST_CHECKED : BST_UNCHECKED);
}

// In this order, as the saver reads them back.
void StoreAllSettings() {
    const SaverScene& scene = saverScene;
    WriteSetting(kHueSetting, scene.colours.hue);
    WriteSetting(kAnimateColourSetting, scene.colours.animateColours);
    WriteSetting(kShiftColourSetting, scene.colours.shiftColours);
    WriteSetting(kSpeedSetting, scene.field.moveSpeed);
    WriteSetting(kBigCountSetting, scene.field.bigCount);
    WriteSetting(kSmallCountSetting, scene.field.smallCount);
}

} // namespace

void OnSettingsCommand(int id, int notification) {
    HWND dialog = settingsDialog.dialog;
    switch (id) {
    case kShiftColourButton:
    case kColorizeButton:
        ChooseColourMode(dialog, id == kShiftColourButton);
        break;
    case kRestoreColoursButton:
        RestoreDefaultColours(dialog);
        break;
    case kAnimateColourBox:
        ToggleColourAnimation(dialog);
        break;
    case kBigCountEdit:
    case kSmallCountEdit:
        // Once closing, the focus leaves the edit as the dialog hides: what was typed after
        // Enter must not rebuild a scene that is being torn down.
        if (notification == EN_KILLFOCUS && !settingsDialog.dialogClosing)
            ReadCountEdits(GetDlgItem(dialog, id));
        break;
    case kUpdatePicturesCommand:
        if (!saverScene.stopping) UpdatePictureStages();
        break;
    case kAboutButton:
        ShowAboutBox(dialog);
        break;
    case IDOK:
        StoreAllSettings();
        settingsDialog.dialogClosing = true;
        break;
    case IDCANCEL:
        settingsDialog.dialogClosing = true;
        break;
    default:
        break;
    }
}

void CloseSettingsDialog() {
    SettingsDialogState& state = settingsDialog;
    DestroyPictureStages();
    TearDownScene();
    state.dialogActive = false;
    ShowWindow(state.dialog, SW_HIDE);
    EndDialog(state.dialog, 1);
}
