// The settings dialog's scroll bars (speed, hue) and up-down controls (the two counts).
#include <algorithm>

#include "app/SaverScene.h"
#include "app/SettingRules.h"
#include "app/SettingsDialog.h"

namespace {

// The new value for a bar's request, or false for a request that changes nothing.
bool Scrolled(int request, int position, int current, int leftmost, int rightmost, int& value) {
    switch (request) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        value = current - 1;
        return true;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        value = current + 1;
        return true;
    case SB_THUMBPOSITION:
        value = position;
        return true;
    case SB_LEFT:
        value = leftmost;
        return true;
    case SB_RIGHT:
        value = rightmost;
        return true;
    default:
        return false;
    }
}

// One arrow step: a position above the last one reported means the down arrow.
int Spun(int count, int position, int& previous, int maximum) {
    count += position > previous ? -1 : 1;
    previous = position;
    return std::clamp(count, 0, maximum);
}

} // namespace

void OnSpeedScroll(int request, int position) {
    int& speed = saverScene.field.moveSpeed;
    if (!Scrolled(request, position, speed, kMinSpeed, kMaxSpeed, speed)) return;
    speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
    SetScrollPos(GetDlgItem(settingsDialog.dialog, kSpeedBar), SB_CTL, speed, TRUE);
}

// The hue is left unclamped: the colour mapping uses its low byte.
void OnHueScroll(int request, int position) {
    ColourState& colours = saverScene.colours;
    if (request == SB_ENDSCROLL) {
        Recolour(colours, SceneColourTargets());
        SetScrollPos(GetDlgItem(settingsDialog.dialog, kHueBar), SB_CTL, colours.hue, TRUE);
        return;
    }
    Scrolled(request, position, colours.hue, 0, kMaxHue, colours.hue);
}

void OnSpinScroll(int request, int position, HWND control) {
    if (request != SB_THUMBPOSITION) return;
    SettingsDialogState& state = settingsDialog;
    SpriteField& field = saverScene.field;
    if (GetDlgCtrlID(control) == kBigCountSpin)
        field.bigCount = Spun(field.bigCount, position, state.prevSpinBig, kMaxBigSprites);
    else
        field.smallCount = Spun(field.smallCount, position, state.prevSpinSmall, kMaxSprites);
    ShowCounts();
    ReadCountEdits(control);
}

void ShowHueBar(HWND dialog) {
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar.nMin = 0;
    bar.nMax = kMaxHue;
    bar.nPage = 0;
    bar.nPos = saverScene.colours.hue;
    SetScrollInfo(GetDlgItem(dialog, kHueBar), SB_CTL, &bar, TRUE);
}

void ShowAnimatedHue() {
    if (settingsDialog.dialogActive) ShowHueBar(settingsDialog.dialog);
}
