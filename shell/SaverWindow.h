// The saver window: full screen or a preview child, its message loop, and the end of the
// saver at the first key, click, deactivation or mouse drift of more than 50 pixels.
#pragma once

#include "platform/win32.h"

inline constexpr char kSaverClassName[] = "WindowsScreenSaverClass";
inline constexpr char kFullScreenTitle[] = "Screen Saver";
inline constexpr int kMouseThreshold = 50;

// No parent: full screen; otherwise a preview inside parent. The quit code of the message
// loop, or 0 at once when a full-screen saver window already exists or none could be made.
int RunSaverWindow(HWND parent);

// The window without its message loop (tests drive the messages themselves): registers the
// class and creates the window; null when either fails.
HWND CreateSaverWindow(HWND parent);

// Gets, translates and dispatches messages until the quit message; returns its code.
int RunSaverMessageLoop();

LRESULT CALLBACK ShellWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Where SaverProc ends for every message; the close decision is made here.
LRESULT ShellDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
