// The colour table that new bitmaps get when no default palette resource is present.
#pragma once

#include "platform/win32.h"

// Red, green, blue. Entries 0-9 and 246-255 are the twenty fixed system colours.
struct mDefaultColour {
    BYTE red;
    BYTE green;
    BYTE blue;
};

extern const mDefaultColour mBitmapDefaultColours[256];
