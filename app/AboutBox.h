// The About box (template 100): the big sprite's animation on a stage of its own, in the
// colours chosen in the settings dialog, and links to the maker's web page and mail.
#pragma once

#include "platform/win32.h"

class mDirector;
class mSpriteImage;

inline constexpr int kAboutDialogTemplate = 100;
inline constexpr int kAboutPicture = 1012;
inline constexpr int kWebSiteButton = 1044;
inline constexpr int kMailButton = 1045;
// Posted by the animation loop when it ends: the box is taken down.
inline constexpr int kAboutClosedCommand = 104;

inline constexpr char kMakerWebPage[] = "https://lumaris.example.org/";
inline constexpr char kMakerMailAddress[] = "lumaris@example.org";
inline constexpr char kMailSubject[] = "Lumaris";

struct AboutState {
    HWND dialog = nullptr;
    HWND aboutPicture = nullptr;
    mSpriteImage* aboutSprite = nullptr; // owned; holds the image
    mDirector* aboutStage = nullptr;     // owned
    bool aboutRunning = false;
    bool aboutClosing = false; // OK or Cancel while the loop runs: the loop closes the box
    UINT_PTR aboutTimer = 0;   // one-shot start of the loop
};

extern AboutState aboutBox;

// Shows the About box modally, owned by owner.
void ShowAboutBox(HWND owner);
bool AboutAnimationRunning();

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitAbout(HWND dialog);
// Plays the animation at most one frame per 50 ms, pumping the thread's messages, until
// Enter, Escape, OK or Cancel.
void RunAboutAnimation();
void OnAboutCommand(int id);
