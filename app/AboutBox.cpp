#include "app/AboutBox.h"

#include <cstdio>
#include <new>
#include <string>

#include "app/BrowserLaunch.h"
#include "app/FlicResource.h"
#include "app/SaverScene.h"
#include "app/SettingsDialog.h"
#include "app/SpritePopulation.h"
#include "engine/core/mDirector.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageFlic.h"

AboutState aboutBox;

namespace {

constexpr int kAreaSlots = 50;
constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartDelay = 30;

mSpriteImage* CreateAboutSprite(mImageFlic* image) {
    mSpriteImage* sprite = NewPictureSprite(image);
    if (sprite) sprite->SetPosition(0, 0, 0);
    return sprite;
}

// The picture control takes the animation's frame size at its own top-left corner.
void FitPicture(AboutState& about, HWND dialog) {
    const PlaybackInfo& frame = *about.aboutSprite->image->playbackInfo;
    RECT place{};
    GetWindowRect(about.aboutPicture, &place);
    POINT corner{place.left, place.top};
    ScreenToClient(dialog, &corner);
    MoveWindow(about.aboutPicture, corner.x, corner.y, frame.width, frame.height, TRUE);
}

void PostCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, WPARAM(id), 0);
}

void MailTheMaker(HWND dialog) {
    char address[128];
    std::snprintf(address, sizeof address, "mailto:%s?subject=%s", kMakerMailAddress, kMailSubject);
    ShellExecuteA(dialog, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

void TakeDown(AboutState& about) {
    if (about.aboutStage && about.aboutSprite) about.aboutStage->RemoveRenderer(about.aboutSprite);
    delete about.aboutSprite; // the image goes with its last hold
    about.aboutSprite = nullptr;
    delete about.aboutStage;
    about.aboutStage = nullptr;
    EndDialog(about.dialog, 1);
}

} // namespace

void ShowAboutBox(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kAboutDialogTemplate), owner,
                    AboutDialogProc, 0);
}

bool AboutAnimationRunning() {
    return aboutBox.aboutRunning;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitAbout(dialog);
        return TRUE;
    case WM_TIMER:
        if (!aboutBox.aboutTimer) return FALSE;
        KillTimer(dialog, aboutBox.aboutTimer);
        aboutBox.aboutTimer = 0;
        RunAboutAnimation();
        return TRUE;
    case WM_COMMAND:
        OnAboutCommand(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void InitAbout(HWND dialog) {
    AboutState& about = aboutBox;
    about.dialog = dialog;
    about.aboutPicture = GetDlgItem(dialog, kAboutPicture);
    about.aboutTimer = 0;
    about.aboutClosing = false;
    about.aboutStage = nullptr;
    mImageFlic* image = OpenFlicResource(kBigSpriteResource);
    if (!image) return; // a still box: no animation, no timer
    about.aboutSprite = CreateAboutSprite(image);
    if (!about.aboutSprite) return;
    FitPicture(about, dialog);
    about.aboutStage = new (std::nothrow) mDirector(about.aboutPicture, kAreaSlots);
    mObject::resourceModule = GetModuleHandleA(nullptr);
    if (!about.aboutStage) return;
    about.aboutStage->AddRenderer(about.aboutSprite);
    about.aboutStage->SetPalette(saverScene.colours.workPalette.data(), 0, 256);
    about.aboutTimer = SetTimer(dialog, kStartTimer, kStartDelay, nullptr);
    CentreOnDesktop(dialog);
}

void OnAboutCommand(int id) {
    AboutState& about = aboutBox;
    switch (id) {
    case IDOK:
    case IDCANCEL:
        // Only a loop that runs or is about to start can take the box down.
        if (about.aboutRunning || about.aboutTimer)
            about.aboutClosing = true;
        else
            TakeDown(about);
        break;
    case kAboutClosedCommand:
        TakeDown(about);
        break;
    case kWebSiteButton:
        LaunchBrowser(std::string("-new ") + kMakerWebPage);
        PostCommand(about.dialog, IDOK);
        break;
    case kMailButton:
        MailTheMaker(about.dialog);
        PostCommand(about.dialog, IDOK);
        break;
    default:
        break;
    }
}
