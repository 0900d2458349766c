// The command line: the tail after the program path, and the mode its first letter picks.
#pragma once

#include "platform/win32.h"

// What follows the program path (quoted or not) and the blanks after it.
LPCSTR CommandLineTail(LPCSTR commandLine);

// The leading decimal digits of text (0 if none); no sign, no blanks skipped; wraps.
UINT ParseWindowNumber(LPCSTR text);

enum class SaverMode { Settings, FullScreen, Preview, ChangePassword, Invalid };

struct ModeChoice {
    SaverMode mode = SaverMode::Invalid;
    bool ownedByForeground = false; // settings: owned by the foreground window
    UINT windowNumber = 0;          // preview and password: the window named after the letter
};

// The mode the tail asks for; nothing is run and no window is checked.
ModeChoice ChooseMode(LPCSTR tail);

// Runs the chosen mode; its result is the exit code.
int DispatchCommandLine(HMODULE module, LPCSTR tail);
