// The About box's animation loop. It pumps every message of the thread itself, so the
// settings dialog's preview runs on underneath; keys reach no dialog keyboard handling.
#include "app/AboutBox.h"
#include "engine/core/mDirector.h"
#include "engine/core/mRenderSolid.h"

namespace {

constexpr DWORD kAboutFramePeriod = 50;
constexpr int kBackgroundEntry = 245;

// The stage's background takes the colour the dialog shows around the picture.
void MatchDialogBackground(AboutState& about) {
    HDC dc = GetDC(about.aboutPicture);
    const COLORREF colour = GetPixel(dc, 0, 0);
    ReleaseDC(about.aboutPicture, dc);
    const RGBQUAD entry{BYTE(colour >> 16), BYTE(colour >> 8), BYTE(colour), 0}; // 0x00BBGGRR
    about.aboutStage->SetPalette(&entry, kBackgroundEntry, 1);
    if (about.aboutStage->background) about.aboutStage->background->SetColour(entry);
}

void EndLoop(AboutState& about) {
    about.aboutRunning = false;
    PostMessageA(about.dialog, WM_COMMAND, kAboutClosedCommand, 0);
}

bool IsEnterOrEscape(const MSG& message) {
    return message.message == WM_KEYDOWN &&
           (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

// False when Enter or Escape ended the loop; that key is not dispatched.
bool PumpMessages(AboutState& about) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsEnterOrEscape(message)) {
            EndLoop(about);
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

} // namespace

void RunAboutAnimation() {
    AboutState& about = aboutBox;
    if (!about.aboutStage) return;
    about.aboutRunning = true;
    MatchDialogBackground(about);
    DWORD previous = GetTickCount();
    bool first = true;
    while (about.aboutRunning) {
        const DWORD elapsed = first ? 0 : GetTickCount() - previous;
        if (elapsed < kAboutFramePeriod) Sleep(kAboutFramePeriod - elapsed);
        first = false;
        previous = GetTickCount();
        about.aboutStage->Update();
        if (about.aboutClosing) {
            EndLoop(about);
            break;
        }
        if (!PumpMessages(about)) break;
    }
}
