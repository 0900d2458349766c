// The TrueType face that draws a logical font. DejaVu stands in for every face a program may
// ask for; hinting is fixed (monochrome), so widths are the same on every machine.
#pragma once
#include "platform/win32.h"

typedef struct _TTF_Font TTF_Font;

namespace platform::gdi {

// Null when the font files cannot be opened; text then measures and draws nothing.
TTF_Font* FaceOf(const LOGFONTA& font);

} // namespace platform::gdi
