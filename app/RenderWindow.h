// The class "FSCLASS" and the hidden window a preview stage draws into: it has the desktop's
// size, so the stage (and the sprites' coordinates) are those of the full-screen saver.
#pragma once

#include "platform/win32.h"

inline constexpr char kRenderClassName[] = "FSCLASS";

// Registers the class once per process; later calls change nothing.
void RegisterRenderClass();
// Never shown; owner may be null. Null when the window cannot be made.
HWND CreateRenderWindow(int width, int height, HWND owner);
