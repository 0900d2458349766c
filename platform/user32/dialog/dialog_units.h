// Dialog units: a quarter of the font's average character width across, an eighth of its
// height down.
#pragma once
#include "platform/user32/dialog/dialog_template.h"

namespace platform {

// The template's font (DS_SETFONT) at 96 dots per inch, else the system font; owned says
// whether the caller must delete it.
HFONT DialogFontOf(const DialogDescription& description, bool* owned);

// The standard rule: the mean width of the 52 letters a-z and A-Z, rounded, and the
// font's height.
SIZE BaseUnitsOf(HFONT font);

// A control's place: its origin and its size are each converted, as the dialog manager of
// Windows does, so an edge may differ by a pixel from converting it alone.
RECT UnitsToPixels(const RECT& units, SIZE baseUnits);

} // namespace platform
