// The two sprite-count edits: what the user typed, clamped, and a rebuilt preview when the
// counts changed.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "app/SaverScene.h"
#include "app/SettingRules.h"
#include "app/Settings.h"
#include "app/SettingsDialog.h"

namespace {

constexpr int kEditTextLength = 40;

// Leading blanks and a sign allowed; the first other character ends the number; no digits
// give 0. Saturates instead of overflowing on a long run of digits.
int ParseCount(const char* text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
        value = std::min<long long>(value * 10 + (*text - '0'), INT_MAX);
    return int(negative ? -value : value);
}

int ReadCountEdit(int control) {
    char text[kEditTextLength + 1] = {};
    SendMessageA(GetDlgItem(settingsDialog.dialog, control), WM_GETTEXT, kEditTextLength,
                 LPARAM(text));
    return ParseCount(text);
}

void ShowCount(int control, int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", count);
    SendMessageA(GetDlgItem(settingsDialog.dialog, control), WM_SETTEXT, 0, LPARAM(text));
}

bool IsBigCountControl(HWND control) {
    const int id = GetDlgCtrlID(control);
    return id == kBigCountEdit || id == kBigCountSpin;
}

} // namespace

void ReadCountEdits(HWND control) {
    SettingsDialogState& state = settingsDialog;
    if (state.inCountEdit) return;
    state.inCountEdit = true;
    SpriteField& field = saverScene.field;
    field.bigCount = std::clamp(ReadCountEdit(kBigCountEdit), 0, kMaxBigSprites);
    field.smallCount = std::clamp(ReadCountEdit(kSmallCountEdit), 0, kMaxSprites);
    if (field.bigCount + field.smallCount > kMaxSprites) {
        if (IsBigCountControl(control))
            field.smallCount = kMaxSprites - field.bigCount;
        else
            field.bigCount = kMaxSprites - field.smallCount;
    }
    ShowCounts();
    ApplyCounts();
    state.inCountEdit = false;
}

void ApplyCounts() {
    SettingsDialogState& state = settingsDialog;
    SaverScene& scene = saverScene;
    if (scene.field.bigCount == state.appliedBig && scene.field.smallCount == state.appliedSmall)
        return;
    // The rebuild reads the colours back from the store; the speed chosen here stays.
    WriteSetting(kHueSetting, scene.colours.hue);
    WriteSetting(kAnimateColourSetting, scene.colours.animateColours);
    WriteSetting(kShiftColourSetting, scene.colours.shiftColours);
    state.appliedBig = scene.field.bigCount;
    state.appliedSmall = scene.field.smallCount;
    const int speed = scene.field.moveSpeed;
    HWND preview = GetDlgItem(state.dialog, kPreviewBox);
    TearDownScene();
    BuildScene(preview);
    scene.field.moveSpeed = speed;
}

void ShowCounts() {
    ShowCount(kBigCountEdit, saverScene.field.bigCount);
    ShowCount(kSmallCountEdit, saverScene.field.smallCount);
}
