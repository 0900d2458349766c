// The settings dialog (template 2003): the saver's scene runs scaled in its preview box and
// every control acts on it at once; OK stores all six settings, Cancel stores nothing more.
#pragma once

#include "platform/win32.h"

class mDirector;
class mSpriteImage;

inline constexpr int kSettingsDialogTemplate = 2003;

// Controls of the settings dialog.
inline constexpr int kPreviewBox = 1008;
inline constexpr int kBigPicture = 1015;
inline constexpr int kSmallPicture = 1016;
inline constexpr int kBigCountEdit = 1028;
inline constexpr int kBigCountSpin = 1027;
inline constexpr int kSmallCountEdit = 1029;
inline constexpr int kSmallCountSpin = 1030;
inline constexpr int kSpeedBar = 1006;
inline constexpr int kHueBar = 1010;
inline constexpr int kShiftColourButton = 1051;
inline constexpr int kColorizeButton = 1053;
inline constexpr int kAnimateColourBox = 1054;
inline constexpr int kRestoreColoursButton = 1052;
inline constexpr int kAboutButton = 16;
// Posted to the dialog on every paint: the pictures are drawn again.
inline constexpr int kUpdatePicturesCommand = 1024;

inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 3;
inline constexpr int kMaxHue = 255;

struct SettingsDialogState {
    HWND dialog = nullptr;
    bool dialogActive = false;  // colour animation moves the hue bar and recolours the pictures
    bool dialogClosing = false; // OK or Cancel: the next tick closes the dialog
    int appliedBig = 0;         // the counts the running preview was built with
    int appliedSmall = 0;
    int prevSpinBig = 0; // last positions the up-down controls reported; never reset
    int prevSpinSmall = 0;
    bool inCountEdit = false;
    bool inDialogFrame = false;
    DWORD lastDialogTick = 0;
    mDirector* pictureStageBig = nullptr; // owned
    mDirector* pictureStageSmall = nullptr;
    mSpriteImage* pictureSpriteBig = nullptr; // owned
    mSpriteImage* pictureSpriteSmall = nullptr;
    int pictureDepthCounter = 0; // never reset
};

// The program's one settings dialog.
extern SettingsDialogState settingsDialog;

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads all six settings into the controls and the scene, builds the preview and the
// pictures, and centres the dialog on the desktop.
void InitSettingsDialog(HWND dialog);
// The FrameTick handler of the dialog: drains the thread's messages (Enter and Escape become
// OK and Cancel), then closes the dialog or draws a paced frame and posts the next tick.
void RunDialogTick(HWND dialog);
// Draws a preview frame after waiting out the rest of the frame period.
void PaceDialogFrame(HWND dialog);

void OnSpeedScroll(int request, int position);
// Hue bar clicks and drags take effect when the scroll ends.
void OnHueScroll(int request, int position);
// Up-down clicks: the up arrow lowers the position and raises the count.
void OnSpinScroll(int request, int position, HWND control);
// Reads both count edits; the count of control wins when the sum is too large.
void ReadCountEdits(HWND control);
// Rebuilds the preview when the counts differ from those it was built with.
void ApplyCounts();
// Shows both counts in their edits.
void ShowCounts();

void OnSettingsCommand(int id, int notification);
// Destroys the pictures and the scene, hides the dialog and ends it with 1.
void CloseSettingsDialog();

// The hue bar over 0 to 255 at the current hue (a hue outside shows at the nearer end).
void ShowHueBar(HWND dialog);
// After a colour animation step: the hue bar follows while the dialog hosts the scene.
void ShowAnimatedHue();

// Centres window on the desktop and shows it, keeping its size.
void CentreOnDesktop(HWND window);
